#include "app/Form6.h"

TForm6Fm* Form6Fm = nullptr;

VQ_PUBLISH(TForm6Fm) {
    P.Inherit();
}

TForm6Fm::TForm6Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm6Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form6.vqf");
}
