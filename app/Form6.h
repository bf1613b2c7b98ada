#pragma once
// TForm6Fm: the standard calendar demo window (calendar options); shown modally from the main
// window's calendar page.

#include "framework/controls/Form.h"

class TForm6Fm : public TForm {
    VQ_CLASS(TForm6Fm, TForm)
public:
    explicit TForm6Fm(TComponent* AOwner);
    // ":/forms/Form6.vqf".
    String FormResourceName() const override;
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm6Fm* Form6Fm;
