#pragma once
// TForm5Fm: the popup calendar demo window; shown modally from the main window's calendar page.

#include "framework/controls/Form.h"

class TForm5Fm : public TForm {
    VQ_CLASS(TForm5Fm, TForm)
public:
    explicit TForm5Fm(TComponent* AOwner);
    // ":/forms/Form5.vqf".
    String FormResourceName() const override;
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm5Fm* Form5Fm;
