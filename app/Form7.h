#pragma once
// TForm7Fm: the read-only appointment calendar window; shown modally from the main window's
// calendar page.

#include "framework/controls/Form.h"

class TForm7Fm : public TForm {
    VQ_CLASS(TForm7Fm, TForm)
public:
    explicit TForm7Fm(TComponent* AOwner);
    // ":/forms/Form7.vqf".
    String FormResourceName() const override;
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm7Fm* Form7Fm;
