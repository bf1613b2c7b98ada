#include "app/Form5.h"

TForm5Fm* Form5Fm = nullptr;

VQ_PUBLISH(TForm5Fm) {
    P.Inherit();
}

TForm5Fm::TForm5Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm5Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form5.vqf");
}
