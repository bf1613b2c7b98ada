#include "app/Form5.h"

// The control layer's inline Widget() needs the complete QWidget.
#include <QWidget>

TForm5Fm* Form5Fm = nullptr;

VQ_PUBLISH(TForm5Fm) {
    P.Inherit();
}

TForm5Fm::TForm5Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm5Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form5.vqf");
}
