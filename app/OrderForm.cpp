#include "app/OrderForm.h"

TOrderFm* OrderFm = nullptr;

VQ_PUBLISH(TOrderFm) {
    P.Inherit();
}

TOrderFm::TOrderFm(TComponent* AOwner) : TForm(AOwner) {}

String TOrderFm::FormResourceName() const {
    return QStringLiteral(":/forms/OrderForm.vqf");
}
