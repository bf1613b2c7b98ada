#include "app/OrderForm.h"

#include "app/MakerSite.h"

TOrderFm* OrderFm = nullptr;

VQ_PUBLISH(TOrderFm) {
    P.Inherit();
    P.Handler("BitBtn1Click", &TOrderFm::BitBtn1Click);
}

TOrderFm::TOrderFm(TComponent* AOwner) : TForm(AOwner) {}

String TOrderFm::FormResourceName() const {
    return QStringLiteral(":/forms/OrderForm.vqf");
}

void TOrderFm::BitBtn1Click(TObject*) {
    OpenMakerPage(this, "/html/order.htm");
}
