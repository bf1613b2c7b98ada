#pragma once
// TForm5Fm: the popup calendar demo window; shown modally from the main window's calendar page.
// "&Popup" drops the calendar dialog below itself; the chosen date is not used.

#include "framework/controls/Form.h"

class TButton;
class TVQCalendarPopup;

class TForm5Fm : public TForm {
    VQ_CLASS(TForm5Fm, TForm)
public:
    explicit TForm5Fm(TComponent* AOwner);
    // ":/forms/Form5.vqf".
    String FormResourceName() const override;

    TButton* Button1 = nullptr;
    TVQCalendarPopup* VQCalendarPopup1 = nullptr;

    // Drops the calendar below the sending button with today's date (EInvalidCast for a
    // sender that is not a button).
    void Button1Click(TObject* Sender);
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm5Fm* Form5Fm;
