#pragma once
// TForm4Fm: the print wizard demo window; shown modally from the main window and only hidden
// when closed, so the wizard would keep its page between showings.

#include "framework/controls/Form.h"

class TForm4Fm : public TForm {
    VQ_CLASS(TForm4Fm, TForm)
public:
    explicit TForm4Fm(TComponent* AOwner);
    // ":/forms/Form4.vqf".
    String FormResourceName() const override;
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm4Fm* Form4Fm;
