#include "app/Form3.h"

TForm3Fm* Form3Fm = nullptr;

VQ_PUBLISH(TForm3Fm) {
    P.Inherit();
}

TForm3Fm::TForm3Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm3Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form3.vqf");
}
