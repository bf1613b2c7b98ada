#pragma once
// TForm2Fm: the graphics demo window, "Bevels, Images, and Meters"; shown modally from the
// main window and only hidden when closed. Its borders, images and meters arrive with those
// controls.

#include "framework/controls/Form.h"

class TForm2Fm : public TForm {
    VQ_CLASS(TForm2Fm, TForm)
public:
    explicit TForm2Fm(TComponent* AOwner);
    // ":/forms/Form2.vqf".
    String FormResourceName() const override;
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm2Fm* Form2Fm;
