#pragma once
// TForm3Fm: the menu button and splitter demo window; shown modally from the main window and
// only hidden when closed.

#include "framework/controls/Form.h"

class TForm3Fm : public TForm {
    VQ_CLASS(TForm3Fm, TForm)
public:
    explicit TForm3Fm(TComponent* AOwner);
    // ":/forms/Form3.vqf".
    String FormResourceName() const override;
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm3Fm* Form3Fm;
