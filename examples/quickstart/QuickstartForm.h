#pragma once
// TQuickstartFm: a window built from its description (QuickstartFm.vqf): a calendar, a meter
// showing how far the chosen day is into its month, and a rich-text label.

#include "framework/controls/Form.h"

class TLabel;
class TVQCalendar;
class TVQMeter;

class TQuickstartFm : public TForm {
    VQ_CLASS(TQuickstartFm, TForm)
public:
    explicit TQuickstartFm(TComponent* AOwner);

    // Bound by name when the description is read.
    TVQCalendar* VQCalendar1 = nullptr;
    TVQMeter* VQMeter1 = nullptr;
    TLabel* DateLb = nullptr;

    // The calendar's OnChange: moves the meter and names the date.
    void VQCalendar1Change(TObject* Sender);
};
