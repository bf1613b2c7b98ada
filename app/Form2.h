#pragma once
// TForm2Fm: the graphics demo window, "Bevels, Images, and Meters"; shown modally from the
// main window and only hidden when closed. Its borders, images and meters are set up by its
// description (resources/forms/Form2.vqf, written by tools/formgen); the code is the
// Animate button and two meter handlers.

#include "framework/controls/Form.h"

class TButton;
class TCanvas;
class TVQImage;
class TVQMeter;

class TForm2Fm : public TForm {
    VQ_CLASS(TForm2Fm, TForm)
public:
    explicit TForm2Fm(TComponent* AOwner);
    // ":/forms/Form2.vqf".
    String FormResourceName() const override;

    // Steps of one Animate run: k = 0..50, then 50 down to 25 (50 twice).
    static constexpr int AnimateSteps = 77;

    // Components bound by name when the description is read.
    TButton* AnimateBt = nullptr;
    TVQImage* VQImage4 = nullptr;
    TVQMeter* VQMeter8 = nullptr;
    TVQMeter* VQMeter9 = nullptr;

    // Runs every meter (direct children, in child order) to 2k percent for each step, with
    // the hourglass cursor and the sending button disabled meanwhile; other controls let the
    // pending messages through, so the window stays responsive. Ends with all at 50 percent.
    void AnimateBtClick(TObject* Sender);
    // Fills the meter from the bottom with VQImage4's picture squeezed to the percentage.
    void VQMeter9DrawMeter(TObject* VQMeter, TCanvas* ACanvas, const TRect& ARect);
    // Block colours by percent: red up to 20, yellow to 50, lime to 75, aqua above.
    void VQMeter8SelectColor(TObject* VQMeter, uint32_t APercent, TColor& AColor);
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm2Fm* Form2Fm;
