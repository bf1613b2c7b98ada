#include "app/Form7.h"

TForm7Fm* Form7Fm = nullptr;

VQ_PUBLISH(TForm7Fm) {
    P.Inherit();
}

TForm7Fm::TForm7Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm7Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form7.vqf");
}
