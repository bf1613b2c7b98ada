#include "app/Form2.h"

// The control layer's inline Widget() needs the complete QWidget.
#include <QWidget>

TForm2Fm* Form2Fm = nullptr;

VQ_PUBLISH(TForm2Fm) {
    P.Inherit();
}

TForm2Fm::TForm2Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm2Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form2.vqf");
}
