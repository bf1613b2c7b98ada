#include "app/Form4.h"

TForm4Fm* Form4Fm = nullptr;

VQ_PUBLISH(TForm4Fm) {
    P.Inherit();
}

TForm4Fm::TForm4Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm4Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form4.vqf");
}
