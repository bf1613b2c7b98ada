#pragma once
// TOrderFm: the order information window, shown modally by the main window's "Order
// Information" button.

#include "framework/controls/Form.h"

class TOrderFm : public TForm {
    VQ_CLASS(TOrderFm, TForm)
public:
    explicit TOrderFm(TComponent* AOwner);
    // ":/forms/OrderForm.vqf".
    String FormResourceName() const override;
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TOrderFm* OrderFm;
