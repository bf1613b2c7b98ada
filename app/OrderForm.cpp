#include "app/OrderForm.h"

// The control layer's inline Widget() needs the complete QWidget.
#include <QWidget>

TOrderFm* OrderFm = nullptr;

VQ_PUBLISH(TOrderFm) {
    P.Inherit();
}

TOrderFm::TOrderFm(TComponent* AOwner) : TForm(AOwner) {}

String TOrderFm::FormResourceName() const {
    return QStringLiteral(":/forms/OrderForm.vqf");
}
