#pragma once
// TForm6Fm: the calendar options window; shown modally from the main window's calendar page.
// Its check boxes switch options of the custom calendar VQCalendar2, which starts its weeks on
// Monday, shades weekends and can refuse Sundays; the two calendars above show the standard
// look and a coloured one.

#include "framework/controls/Form.h"
#include "framework/stdctrls/CustomGrid.h"
#include "framework/system/DateUtils.h"

class TCheckBox;
class TVQCalendar;

class TForm6Fm : public TForm {
    VQ_CLASS(TForm6Fm, TForm)
public:
    explicit TForm6Fm(TComponent* AOwner);
    // ":/forms/Form6.vqf".
    String FormResourceName() const override;

    TVQCalendar* VQCalendar1 = nullptr;
    TVQCalendar* VQCalendar2 = nullptr;
    TVQCalendar* VQCalendar3 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TCheckBox* CheckBox2 = nullptr;
    TCheckBox* CheckBox3 = nullptr;
    TCheckBox* CheckBox4 = nullptr;
    TCheckBox* CheckBox5 = nullptr;
    TCheckBox* CheckBox6 = nullptr;
    TCheckBox* CheckBox7 = nullptr;
    TCheckBox* CheckBox8 = nullptr;

    // The three calendars show today.
    void FormCreate(TObject* Sender);
    void CheckBox1Click(TObject* Sender); // headings
    void CheckBox2Click(TObject* Sender); // all dates drawn (unchecking also unselects them)
    void CheckBox3Click(TObject* Sender); // grid lines
    void CheckBox4Click(TObject* Sender); // all dates selectable (checking also draws them)
    void CheckBox5Click(TObject* Sender); // selection drawn
    void CheckBox6Click(TObject* Sender); // focus drawn
    void CheckBox7Click(TObject* Sender); // the selected date drawn as a raised button
    void CheckBox8Click(TObject* Sender); // Sundays refused; a Sunday date moves to the 1st
    // Pale yellow weekends unless highlighted; the custom-drawn selection on the button face.
    void VQCalendar2SelectColor(TObject* VQCalendar, TGridDrawState AState, TDateTime ADate,
                                TColor& AColor, TColor& AFontColor);
    void VQCalendar2SelectDate(TObject* VQCalendar, TDateTime ADate, bool& CanSelect);
    // The raised button on the selected date while "C&ustom draw cell" is checked.
    void VQCalendar2DrawDate(TObject* VQCalendar, TGridDrawState AState, const TRect& ARect,
                             TDateTime ADate);
    // Today in green, weekends pale yellow, unless selected.
    void VQCalendar3SelectColor(TObject* VQCalendar, TGridDrawState AState, TDateTime ADate,
                                TColor& AColor, TColor& AFontColor);

private:
    void SwitchOption(int option, TObject* checkBox);
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm6Fm* Form6Fm;
