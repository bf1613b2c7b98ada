#pragma once
// TOrderFm: the order information window, shown modally by the main window's "Order
// Information" button: how to buy the library, a read-only list of resellers to scroll, and a
// button that opens the maker's online order page. The description is written by
// tools/formgen.

#include "framework/controls/Form.h"

class TOrderFm : public TForm {
    VQ_CLASS(TOrderFm, TForm)
public:
    explicit TOrderFm(TComponent* AOwner);
    // ":/forms/OrderForm.vqf".
    String FormResourceName() const override;

    // "Order Online": the order page in the browser, or the error box when none starts; the
    // window stays open either way.
    void BitBtn1Click(TObject* Sender);
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TOrderFm* OrderFm;
