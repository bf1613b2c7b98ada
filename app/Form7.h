#pragma once
// TForm7Fm: the read-only appointment calendar; shown modally from the main window's calendar
// page. The up-down arrows move the calendar's month and year (clicks on the calendar cannot);
// every weekday cell shows the sample notes of its day of the month; "Drag Me!" dropped on the
// calendar names the cell it landed on.

#include "framework/controls/Form.h"
#include "framework/stdctrls/CustomGrid.h"
#include "framework/system/DateUtils.h"

class TBitBtn;
class TLabel;
class TUpDown;
class TVQCalendar;
enum TUDBtnType : uint8_t;

class TForm7Fm : public TForm {
    VQ_CLASS(TForm7Fm, TForm)
public:
    explicit TForm7Fm(TComponent* AOwner);
    // ":/forms/Form7.vqf".
    String FormResourceName() const override;

    // The notes of one day of the month; empty texts take no line.
    struct TNotes {
        String Appointment;
        String Note;
        String ToDo;
    };
    // The sample notes of a day of the month (1..31).
    static TNotes NotesOf(int day);

    TBitBtn* BitBtn1 = nullptr;
    TLabel* CurrentDateLb = nullptr;
    TLabel* MonthLb = nullptr;
    TLabel* YearLb = nullptr;
    TUpDown* MonthUd = nullptr;
    TUpDown* YearUd = nullptr;
    TVQCalendar* VQCalendar1 = nullptr;

    // Today, the labels, and the up-downs at the calendar's month and year.
    void FormCreate(TObject* Sender);
    void MonthUdClick(TObject* Sender, TUDBtnType Button);
    void YearUdClick(TObject* Sender, TUDBtnType Button);
    // Weekends pale yellow, today's number red.
    void VQCalendar1SelectColor(TObject* VQCalendar, TGridDrawState AState, TDateTime ADate,
                                TColor& AColor, TColor& AFontColor);
    void VQCalendar1DragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State,
                             bool& Accept);
    // "You dropped on: " and the cell's text (day number or day name).
    void VQCalendar1DragDrop(TObject* Sender, TObject* Source, int X, int Y);
    // The day's notes under the day number, on weekdays of the shown month.
    void VQCalendar1DrawDate(TObject* VQCalendar, TGridDrawState AState, const TRect& ARect,
                             TDateTime ADate);

private:
    void UpdateLabels();
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm7Fm* Form7Fm;
