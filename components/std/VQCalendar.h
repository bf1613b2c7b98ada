#pragma once
// TVQCalendar: one month as a grid of seven day columns under a heading row of day names, with
// six date rows (42 cells, so every month fits whatever weekday it starts on; the spare cells
// hold the neighbouring months' days). The calendar holds one Date; the grid's current cell is
// always that date's cell, and moving it by mouse or keyboard changes the date.

#include "components/gfx/VQTypes.h"
#include "framework/graphics/Font.h"
#include "framework/stdctrls/CustomGrid.h"
#include "framework/system/DateUtils.h"

#include <memory>

VQ_ENUM(TVQDayStyle, uint8_t, vqdSingleLetter, vqdShortName, vqdLongName)
VQ_ENUM(TVQDayOfWeek, uint8_t, vqdSunday, vqdMonday, vqdTuesday, vqdWednesday, vqdThursday,
        vqdFriday, vqdSaturday)
VQ_ENUM(TVQCalendarOption, uint8_t, vqcoIntegralSize, vqcoShowHeadings, vqcoUseHeadingFont,
        vqcoDefaultDrawing, vqcoDrawAllDates, vqcoDrawGridLines, vqcoDrawSelected, vqcoDrawFocused,
        vqcoSelectAllDates, vqcoReadOnly)
using TVQCalendarOptions = TSet<TVQCalendarOption>;
VQ_ENUM(TVQCalendarAlignment, uint8_t, vqcaTopLeft, vqcaTopCenter, vqcaTopRight, vqcaCenter)

using TVQCDrawDateEvent = std::function<void(TObject* VQCalendar, TGridDrawState AState,
                                             const TRect& ARect, TDateTime ADate)>;
using TVQCDrawHeadingEvent =
    std::function<void(TObject* VQCalendar, const TRect& ARect, TVQDayOfWeek ADayOfWeek)>;
using TVQCSelectColorEvent =
    std::function<void(TObject* VQCalendar, TGridDrawState AState, TDateTime ADate, TColor& AColor,
                       TColor& AFontColor)>;
using TVQCSelectDateEvent =
    std::function<void(TObject* VQCalendar, TDateTime ADate, bool& CanSelect)>;

class TVQCalendar : public TCustomGrid {
    VQ_CLASS(TVQCalendar, TCustomGrid)
public:
    static constexpr TVQCalendarOptions DefaultOptions{vqcoIntegralSize,   vqcoShowHeadings,
                                                       vqcoDefaultDrawing, vqcoDrawGridLines,
                                                       vqcoDrawSelected,   vqcoDrawFocused};

    explicit TVQCalendar(TComponent* AOwner);
    ~TVQCalendar() override;

    // Date: today at first; not published. Setting a different value (a time of day stays)
    // moves the current cell, repaints at once and fires OnChange.
    TDateTime Date() const { return FDate; }
    void SetDate(TDateTime value);
    // Parts of Date, stored once a date was set or picked (not the today a calendar starts
    // with, so that a description without a date shows the day it is read on). Year outside
    // 1..9999 raises EConvertError with Date kept; Month outside 1..12 and Day outside the
    // current month are ignored; the day is clamped to the new month's length. Each write
    // drops the time of day and fires OnChange on a change.
    int Year() const;
    void SetYear(int value) { SetDatePart(1, value); }
    int Month() const;
    void SetMonth(int value) { SetDatePart(2, value); }
    int Day() const;
    void SetDay(int value) { SetDatePart(3, value); }

    // Alignment: vqcaCenter; where a day number sits in its cell.
    TVQCalendarAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TVQCalendarAlignment value);
    // BorderStyle: bsSingle; with vqcoIntegralSize the client size is kept across a change.
    void SetBorderStyle(TBorderStyle value) override;
    // GrayTextColor: clGrayText; neighbouring months' days with vqcoDrawAllDates.
    TColor GrayTextColor() const { return FGrayTextColor; }
    void SetGrayTextColor(TColor value);
    // HeadingColor: clBtnFace; background of the heading row.
    TColor HeadingColor() const { return FHeadingColor; }
    void SetHeadingColor(TColor value);
    // HeadingFont: owned; mirrors Font until set on its own, which adds vqcoUseHeadingFont.
    // Stored only with vqcoUseHeadingFont.
    TFont* HeadingFont() const { return FHeadingFont.get(); }
    void SetHeadingFont(TFont* value);
    // HeadingStyle: vqdShortName; single letters, short or long day names.
    TVQDayStyle HeadingStyle() const { return FHeadingStyle; }
    void SetHeadingStyle(TVQDayStyle value);
    // Options: DefaultOptions. vqcoSelectAllDates brings vqcoDrawAllDates along; switching the
    // headings resizes the control by the heading row.
    TVQCalendarOptions Options() const { return FOptions; }
    void SetOptions(TVQCalendarOptions value);
    // StartOfWeek: vqdSunday, always stored; the weekday of column 0. Date stays, no OnChange.
    TVQDayOfWeek StartOfWeek() const { return FStartOfWeek; }
    void SetStartOfWeek(TVQDayOfWeek value);

    // The date of a cell; -1 for the heading row (any column accepted).
    TDateTime CellToDate(int ACol, int ARow) const;
    // The cell showing a date of the current layout; false when none of the 42 cells does.
    bool DateToCell(TDateTime ADate, int& ACol, int& ARow) const;
    // Day name for a heading cell, day number for a date cell, empty without a date.
    String CellText(int ACol, int ARow) const;
    // The cell under a client point; false outside every cell.
    bool CellAtPoint(TPoint APoint, int& ACol, int& ARow) const;
    // Days of the date's month, 28 to 31.
    static int MonthLength(TDateTime ADate);
    // Cells before the 1st of the month in row 1, 0 to 6.
    static int MonthOffset(TDateTime AFirstOfMonth, TVQDayOfWeek AStartOfWeek);

    // Re-runs the cell sizing for the current size (when the window exists).
    virtual void UpdateCellSizes();
    // Puts the current cell on Date's cell without the selection test; no event.
    virtual void UpdateFocusCell();
    // Fires OnChange.
    virtual void Change();

    void Click() override;
    void Loaded() override;

    TNotifyEvent OnChange;              // after Date changed
    TVQCDrawDateEvent OnDrawDate;       // each date cell painted, after the default painting
    TVQCDrawHeadingEvent OnDrawHeading; // each heading cell painted, after the default painting
    TVQCSelectColorEvent OnSelectColor; // each date cell painted, before its text: its colours
    TVQCSelectDateEvent OnSelectDate;   // a date passed the calendar's own selection test

protected:
    void PaintCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;
    // A table named by its month and year: the heading row holds the long day names, each
    // cell its date in the long date format.
    String AccName() const override;
    TAccStates AccStates() const override;
    String AccCellName(int ACol, int ARow) const override;
    bool CanSelectCell(int ACol, int ARow) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool CanResize(int& NewWidth, int& NewHeight) override;
    void CreateWnd() override;
    void FontChanged() override;
    void Ctl3DChanged() override;

private:
    void SetDatePart(int index, int value);
    void HeadingFontChanged();
    // Heading row height for the current heading font (rule of 130 % of the character height).
    int HeadingRowHeight() const;
    int LineWidth() const;
    // Column widths and row heights for an outer size; with vqcoIntegralSize the size snaps.
    void LayoutCells(int& AWidth, int& AHeight);
    void ApplyHeadingLines();
    TDateTime FirstOfMonth() const;
    static bool HeadingFontStored(const TObject* o);
    static bool DateStored(const TObject* o);

    TVQAboutType FAbout = 0; // About: design-time only, never stored
    TDateTime FDate = 0;
    bool FDateGiven = false;
    TVQCalendarAlignment FAlignment = vqcaCenter;
    TColor FGrayTextColor = clGrayText;
    TColor FHeadingColor = clBtnFace;
    std::unique_ptr<TFont> FHeadingFont;
    TVQDayStyle FHeadingStyle = vqdShortName;
    TVQCalendarOptions FOptions;
    TVQDayOfWeek FStartOfWeek = vqdSunday;
};
