#include "components/std/VQCalendar.h"

#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"
#include "framework/system/MathUtils.h"

#include <cmath>

VQ_PUBLISH(TVQCalendar) {
    P.Inherit();
    P.Field("About", &TVQCalendar::FAbout).Stored(false);
    P.Property("Align", &TVQCalendar::Align, &TVQCalendar::SetAlign).Default(alNone);
    P.Property("Alignment", &TVQCalendar::Alignment, &TVQCalendar::SetAlignment)
        .Default(vqcaCenter);
    P.Property("BorderStyle", &TVQCalendar::BorderStyle, &TVQCalendar::SetBorderStyle)
        .Default(bsSingle)
        .Info()
        .Enum = BorderStyleInfo();
    P.Property("Color", &TVQCalendar::Color, &TVQCalendar::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &TVQCalendar::Ctl3D, &TVQCalendar::SetCtl3D)
        .Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("Day", &TVQCalendar::Day, &TVQCalendar::SetDay)
        .Stored(TStoredFn(&TVQCalendar::DateStored));
    P.Property("GrayTextColor", &TVQCalendar::GrayTextColor, &TVQCalendar::SetGrayTextColor)
        .Default(clGrayText);
    P.Property("HeadingColor", &TVQCalendar::HeadingColor, &TVQCalendar::SetHeadingColor)
        .Default(clBtnFace);
    P.Property("HeadingFont", &TVQCalendar::HeadingFont, &TVQCalendar::SetHeadingFont)
        .Stored(TStoredFn(&TVQCalendar::HeadingFontStored));
    P.Property("HeadingStyle", &TVQCalendar::HeadingStyle, &TVQCalendar::SetHeadingStyle)
        .Default(vqdShortName);
    P.Property("DragCursor", &TVQCalendar::DragCursor, &TVQCalendar::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TVQCalendar::DragMode, &TVQCalendar::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TVQCalendar::Enabled, &TVQCalendar::SetEnabled).Default(true);
    P.Property("Font", &TVQCalendar::Font, &TVQCalendar::SetFont)
        .Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("Month", &TVQCalendar::Month, &TVQCalendar::SetMonth)
        .Stored(TStoredFn(&TVQCalendar::DateStored));
    P.Property("Options", &TVQCalendar::Options, &TVQCalendar::SetOptions).Default(DefaultOptions);
    P.Property("ParentColor", &TVQCalendar::ParentColor, &TVQCalendar::SetParentColor)
        .Default(false);
    P.Property("ParentCtl3D", &TVQCalendar::ParentCtl3D, &TVQCalendar::SetParentCtl3D)
        .Default(true);
    P.Property("ParentFont", &TVQCalendar::ParentFont, &TVQCalendar::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TVQCalendar::ParentShowHint, &TVQCalendar::SetParentShowHint)
        .Default(true);
    P.Property("PopupMenu", &TVQCalendar::PopupMenu, &TVQCalendar::SetPopupMenu);
    P.Property("ShowHint", &TVQCalendar::ShowHint, &TVQCalendar::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("StartOfWeek", &TVQCalendar::StartOfWeek, &TVQCalendar::SetStartOfWeek);
    P.Property("TabOrder", &TVQCalendar::TabOrder, &TVQCalendar::SetTabOrder).Default(-1);
    P.Property("TabStop", &TVQCalendar::TabStop, &TVQCalendar::SetTabStop).Default(true);
    P.Property("Visible", &TVQCalendar::Visible, &TVQCalendar::SetVisible).Default(true);
    P.Property("Year", &TVQCalendar::Year, &TVQCalendar::SetYear)
        .Stored(TStoredFn(&TVQCalendar::DateStored));
    P.Event("OnClick", &TVQCalendar::OnClick, "TNotifyEvent");
    P.Event("OnChange", &TVQCalendar::OnChange, "TNotifyEvent");
    P.Event("OnDblClick", &TVQCalendar::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TVQCalendar::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TVQCalendar::OnDragOver, "TDragOverEvent");
    P.Event("OnDrawDate", &TVQCalendar::OnDrawDate, "TVQCDrawDateEvent");
    P.Event("OnDrawHeading", &TVQCalendar::OnDrawHeading, "TVQCDrawHeadingEvent");
    P.Event("OnEndDrag", &TVQCalendar::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &TVQCalendar::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &TVQCalendar::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &TVQCalendar::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &TVQCalendar::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &TVQCalendar::OnKeyUp, "TKeyEvent");
    P.Event("OnSelectColor", &TVQCalendar::OnSelectColor, "TVQCSelectColorEvent");
    P.Event("OnSelectDate", &TVQCalendar::OnSelectDate, "TVQCSelectDateEvent");
    P.Event("OnStartDrag", &TVQCalendar::OnStartDrag, "TStartDragEvent");
    // The grid's sizes come last; the next sizing recomputes them anyway.
    PublishCellSizes(P);
}

TVQCalendar::TVQCalendar(TComponent* AOwner) : TCustomGrid(AOwner) {
    SetFixedCols(0);
    SetFixedRows(1);
    SetColCount(7);
    SetRowCount(7);
    // Lines in both areas; no range selection, and the calendar paints every cell itself.
    SetGridOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine});
    SetDefaultDrawing(false);
    FHeadingFont = std::make_unique<TFont>();
    FHeadingFont->SetOwner(this);
    FHeadingFont->OnChange = [this](TObject*) { HeadingFontChanged(); };
    SetHeadingStyle(vqdShortName);
    SetOptions(DefaultOptions);
    SetDate(::Date());
    FDateGiven = false; // today, whenever the calendar is made
}

TVQCalendar::~TVQCalendar() {
    // Counts as gone from here on, while the grid and the window below it are torn down.
    ExpireLifeToken();
    FHeadingFont->OnChange = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Date and its parts

void TVQCalendar::SetDate(TDateTime value) {
    FDateGiven = true;
    if (value == FDate) return;
    FDate = value;
    UpdateFocusCell();
    Invalidate();
    Update();
    Change();
}

int TVQCalendar::Year() const {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    return y;
}

int TVQCalendar::Month() const {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    return m;
}

int TVQCalendar::Day() const {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    return d;
}

void TVQCalendar::SetDatePart(int index, int value) {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    switch (index) {
    case 1:
        // Any year reaches the encoding below, which refuses those outside 1..9999.
        y = value;
        break;
    case 2:
        if (value >= 1 && value <= 12) m = value;
        break;
    default:
        if (value >= 1 && value <= MonthLength(FDate)) d = value;
        break;
    }
    const int n = MonthLength(EncodeDate(y, m, 1));
    if (d > n) d = n;
    SetDate(EncodeDate(y, m, d));
}

int TVQCalendar::MonthLength(TDateTime ADate) {
    int y, m, d;
    DecodeDate(ADate, y, m, d);
    return MonthDays(y, m);
}

TDateTime TVQCalendar::FirstOfMonth() const {
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    TDateTime first = 0;
    return TryEncodeDate(y, m, 1, first) ? first : std::trunc(FDate) - d + 1;
}

int TVQCalendar::MonthOffset(TDateTime AFirstOfMonth, TVQDayOfWeek AStartOfWeek) {
    return (DayOfWeek(AFirstOfMonth) - int(AStartOfWeek) + 6) % 7;
}

TDateTime TVQCalendar::CellToDate(int ACol, int ARow) const {
    if (ARow <= 0) return -1;
    const TDateTime first = FirstOfMonth();
    return first + 7 * (ARow - 1) + ACol - MonthOffset(first, FStartOfWeek);
}

bool TVQCalendar::DateToCell(TDateTime ADate, int& ACol, int& ARow) const {
    const TDateTime first = FirstOfMonth();
    const int n = int(std::trunc(ADate) - first) + MonthOffset(first, FStartOfWeek);
    if (n < 0 || n >= 42) return false;
    ACol = n % 7;
    ARow = n / 7 + 1;
    return true;
}

String TVQCalendar::CellText(int ACol, int ARow) const {
    if (ARow == 0) {
        const int day = ((int(FStartOfWeek) + ACol) % 7 + 7) % 7 + 1;
        switch (FHeadingStyle) {
        case vqdSingleLetter:
            return ShortDayNames(day).left(1);
        case vqdLongName:
            return LongDayNames(day);
        default:
            return ShortDayNames(day);
        }
    }
    // Only rows above the heading have no date: in a date row -1 is 29 December 1899.
    if (ARow < 0) return String();
    int y, m, day;
    DecodeDate(CellToDate(ACol, ARow), y, m, day);
    return QString::number(day);
}

bool TVQCalendar::CellAtPoint(TPoint APoint, int& ACol, int& ARow) const {
    MouseToCell(APoint.X, APoint.Y, ACol, ARow);
    return ACol != -1 && ARow != -1;
}

void TVQCalendar::UpdateFocusCell() {
    int col, row;
    if (DateToCell(FDate, col, row)) SetCurrentCell(col, row);
}

void TVQCalendar::Change() {
    Fire(OnChange, this);
}

// ---------------------------------------------------------------------------------------------
// Properties

void TVQCalendar::SetAlignment(TVQCalendarAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TVQCalendar::SetBorderStyle(TBorderStyle value) {
    if (value == BorderStyle()) return;
    if (!FOptions.Contains(vqcoIntegralSize)) {
        inherited::SetBorderStyle(value);
        return;
    }
    // The cells keep their sizes; the outer size takes the border's difference.
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    inherited::SetBorderStyle(value);
    SetClientWidth(cw);
    SetClientHeight(ch);
}

void TVQCalendar::SetGrayTextColor(TColor value) {
    if (value == FGrayTextColor) return;
    FGrayTextColor = value;
    Invalidate();
}

void TVQCalendar::SetHeadingColor(TColor value) {
    if (value == FHeadingColor) return;
    FHeadingColor = value;
    Invalidate();
}

void TVQCalendar::SetHeadingFont(TFont* value) {
    FHeadingFont->Assign(value);
}

bool TVQCalendar::DateStored(const TObject* o) {
    return static_cast<const TVQCalendar*>(o)->FDateGiven;
}

bool TVQCalendar::HeadingFontStored(const TObject* o) {
    return static_cast<const TVQCalendar*>(o)->FOptions.Contains(vqcoUseHeadingFont);
}

void TVQCalendar::SetHeadingStyle(TVQDayStyle value) {
    if (value == FHeadingStyle) return;
    FHeadingStyle = value;
    Invalidate();
}

void TVQCalendar::SetStartOfWeek(TVQDayOfWeek value) {
    if (value == FStartOfWeek) return;
    FStartOfWeek = value;
    UpdateFocusCell();
    Invalidate();
}

int TVQCalendar::LineWidth() const {
    return Ctl3D() || FOptions.Contains(vqcoDrawGridLines) ? 1 : 0;
}

int TVQCalendar::HeadingRowHeight() const {
    // 130 % of the character height; a positive (cell) height is taken as it stands.
    const int hf = FHeadingFont->Height();
    return MulDiv(hf < 0 ? -hf : hf, 130, 100);
}

void TVQCalendar::SetOptions(TVQCalendarOptions value) {
    if (value == FOptions) return;
    if (FOptions.Contains(vqcoUseHeadingFont) && !value.Contains(vqcoUseHeadingFont))
        FHeadingFont->Assign(Font());
    if (value.Contains(vqcoDrawGridLines) != FOptions.Contains(vqcoDrawGridLines)) {
        TGridOptions lines =
            GridOptions() + TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine};
        if (!value.Contains(vqcoDrawGridLines)) {
            lines -= TGridOptions{goVertLine, goHorzLine};
            if (!Ctl3D()) lines -= TGridOptions{goFixedVertLine, goFixedHorzLine};
        }
        SetGridOptions(lines);
    }
    if (value.Contains(vqcoSelectAllDates)) value.Include(vqcoDrawAllDates);
    const TVQCalendarOptions old = FOptions;
    if (value.Contains(vqcoShowHeadings) != old.Contains(vqcoShowHeadings)) {
        if (HandleAllocated()) {
            // The date rows keep their size: the control grows or shrinks by the heading row.
            const int delta = HeadingRowHeight() + LineWidth();
            FOptions = value;
            const int h = value.Contains(vqcoShowHeadings) ? Height() + delta : Height() - delta;
            SetBounds(Left(), Top(), Width(), h);
            Invalidate();
        } else {
            FOptions = value;
            UpdateCellSizes();
        }
        return;
    }
    FOptions = value;
    const TVQCalendarOptions layout{vqcoIntegralSize, vqcoUseHeadingFont, vqcoDrawGridLines};
    if (!((old * layout) == (value * layout)))
        UpdateCellSizes();
    else
        Invalidate();
}

void TVQCalendar::HeadingFontChanged() {
    SetOptions(FOptions + TVQCalendarOptions{vqcoUseHeadingFont});
    UpdateCellSizes();
}

void TVQCalendar::FontChanged() {
    inherited::FontChanged();
    if (FOptions.Contains(vqcoUseHeadingFont)) return;
    FHeadingFont->Assign(Font());
    SetOptions(FOptions - TVQCalendarOptions{vqcoUseHeadingFont});
}

void TVQCalendar::ApplyHeadingLines() {
    TGridOptions lines = GridOptions();
    if (FOptions.Contains(vqcoDrawGridLines) || Ctl3D())
        lines += TGridOptions{goFixedVertLine, goFixedHorzLine};
    else
        lines -= TGridOptions{goFixedVertLine, goFixedHorzLine};
    SetGridOptions(lines);
}

void TVQCalendar::Ctl3DChanged() {
    inherited::Ctl3DChanged();
    ApplyHeadingLines();
    UpdateCellSizes();
}

// ---------------------------------------------------------------------------------------------
// Sizing

void TVQCalendar::LayoutCells(int& AWidth, int& AHeight) {
    const int bw = Width() - ClientWidth();
    const int bh = Height() - ClientHeight();
    const int L = LineWidth();
    const int r0 = FOptions.Contains(vqcoShowHeadings) ? HeadingRowHeight() : -L;
    SetRowHeights(0, r0);
    const int h = (AHeight - bh - r0 - 6 * L) / 6;
    const int w = (AWidth - bw - 6 * L) / 7;
    SetDefaultColWidth(w);
    for (int row = 1; row <= 6; ++row)
        SetRowHeights(row, h);
    if (FOptions.Contains(vqcoIntegralSize)) {
        AWidth = 7 * ((AWidth - bw + L) / 7) + bw - L;
        AHeight = bh + 6 * ((AHeight - bh - r0) / 6) + r0;
    } else {
        SetColWidths(6, w + (AWidth - bw + L) % 7);
        SetRowHeights(6, h + (AHeight - bh - r0) % 6);
    }
}

bool TVQCalendar::CanResize(int& NewWidth, int& NewHeight) {
    if (!inherited::CanResize(NewWidth, NewHeight)) return false;
    if (HandleAllocated()) LayoutCells(NewWidth, NewHeight);
    return true;
}

void TVQCalendar::UpdateCellSizes() {
    if (!HandleAllocated()) return;
    int w = Width();
    int h = Height();
    LayoutCells(w, h);
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
    if (TWinControl* parent = Parent()) parent->Realign();
}

void TVQCalendar::CreateWnd() {
    inherited::CreateWnd();
    UpdateCellSizes();
}

void TVQCalendar::Loaded() {
    inherited::Loaded();
    // Stored column widths and row heights give way to the sizing of the loaded size.
    UpdateCellSizes();
}

// ---------------------------------------------------------------------------------------------
// Painting

void TVQCalendar::PaintCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas* canvas = Canvas();
    const TDateTime d = CellToDate(ACol, ARow);
    const bool fixed = AState.Contains(gdFixed);
    const int month = Month();
    int dy = 0, dm = 0, dd = 0;
    if (ARow > 0) DecodeDate(d, dy, dm, dd);
    const bool otherMonth = ARow > 0 && dm != month;

    canvas->SetFont(fixed ? FHeadingFont.get() : Font());
    TColor fontColor = canvas->Font()->Color();
    TColor brushColor;
    if (otherMonth && FOptions.Contains(vqcoDrawAllDates)) fontColor = FGrayTextColor;
    if (AState.Contains(gdSelected) && FOptions.Contains(vqcoDrawSelected)) {
        brushColor = clHighlight;
        fontColor = clHighlightText;
    } else {
        brushColor = fixed ? FHeadingColor : Color();
    }
    if (ARow > 0 && !Fire(OnSelectColor, this, AState, d, brushColor, fontColor)) return;
    canvas->Brush()->SetColor(brushColor);
    canvas->Font()->SetColor(fontColor);

    const bool designing = ComponentState().Contains(csDesigning);
    if (FOptions.Contains(vqcoDefaultDrawing) || designing) {
        if (designing && !FOptions.Contains(vqcoDefaultDrawing))
            canvas->Font()->SetColor(clGrayText);
        if (ARow == 0) {
            const String text = CellText(ACol, ARow);
            const TSize ext = canvas->TextExtent(text);
            canvas->TextRect(ARect, ARect.Left + (ARect.Width() - ext.cx) / 2,
                             ARect.Top + (ARect.Height() - ext.cy) / 2, text);
        } else if (!otherMonth || FOptions.Contains(vqcoDrawAllDates)) {
            const String text = QString::number(dd);
            const TSize ext = canvas->TextExtent(text);
            const int m = Max(1, int(canvas->Font()->Height() * 0.2));
            int x = ARect.Left + (ARect.Width() - ext.cx) / 2;
            int y = ARect.Top + m;
            switch (FAlignment) {
            case vqcaTopLeft:
                x = ARect.Left + m + 1;
                break;
            case vqcaTopCenter:
                break;
            case vqcaTopRight:
                x = ARect.Right - ext.cx - m - 1;
                break;
            case vqcaCenter:
                y = ARect.Top + (ARect.Height() - ext.cy) / 2;
                break;
            }
            canvas->TextRect(ARect, x, y, text);
        } else {
            canvas->FillRect(ARect);
        }
    }

    const bool alive =
        ARow == 0 ? Fire(OnDrawHeading, this, ARect, TVQDayOfWeek((int(FStartOfWeek) + ACol) % 7))
                  : Fire(OnDrawDate, this, AState, ARect, d);
    if (!alive) return;

    if (fixed && Ctl3D()) {
        canvas->Pen()->SetColor(clBtnHighlight);
        canvas->MoveTo(ARect.Left, ARect.Bottom);
        canvas->LineTo(ARect.Left, ARect.Top);
        canvas->LineTo(ARect.Right, ARect.Top);
    }
    if (AState.Contains(gdFocused) && FOptions.Contains(vqcoDrawFocused)) {
        if (const TColor under = canvas->Pixels(ARect.Left, ARect.Top); under != clNone)
            canvas->Brush()->SetColor(under);
        DrawFocusRect(canvas, ARect);
    }
}

void TVQCalendar::Paint() {
    TCustomGrid::Paint();
    // A calendar that draws no focus rectangle on its cell still shows that it has the focus,
    // round its client area.
    if (!FOptions.Contains(vqcoDrawFocused) && Focused()) DrawFocusRect(Canvas(), ClientRect());
}

void TVQCalendar::DoEnter() {
    if (!FOptions.Contains(vqcoDrawFocused)) Invalidate();
    TCustomGrid::DoEnter();
}

void TVQCalendar::DoExit() {
    if (!FOptions.Contains(vqcoDrawFocused)) Invalidate();
    TCustomGrid::DoExit();
}

// ---------------------------------------------------------------------------------------------
// Input

bool TVQCalendar::CanSelectCell(int ACol, int ARow) {
    if (FOptions.Contains(vqcoReadOnly)) return false;
    if (ACol < 0 || ACol >= ColCount() || ARow < 1 || ARow >= RowCount()) return false;
    const TDateTime d = CellToDate(ACol, ARow);
    int y, m, day;
    DecodeDate(d, y, m, day);
    bool can = m == Month() || FOptions.Contains(vqcoSelectAllDates);
    if (can) Fire(OnSelectDate, this, d, can);
    return can;
}

void TVQCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    int col = -1, row = -1;
    CellAtPoint(Point(X, Y), col, row);
    const TLifeToken alive = LifeToken();
    if (CanSelectCell(col, row)) {
        if (alive) inherited::MouseDown(Button, Shift, X, Y);
        return;
    }
    if (!alive) return;
    // A cell that may not be selected only takes the focus; a read-only calendar still
    // reports the press.
    if (!Shift.Contains(ssDouble) && !ComponentState().Contains(csDesigning) && CanFocus())
        SetFocus();
    if (FOptions.Contains(vqcoReadOnly)) {
        if (Shift.Contains(ssDouble))
            DblClick();
        else
            Click();
    }
    if (alive) TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TVQCalendar::Click() {
    const TLifeToken alive = LifeToken();
    inherited::Click();
    if (!alive) return;
    if (Row() < 1) return;
    const TDateTime d = CellToDate(Col(), Row());
    if (d == FDate) return;
    int y, m, day;
    DecodeDate(d, y, m, day);
    if (m != Month()) {
        // A neighbouring month's day: the whole calendar moves to that month.
        SetDate(d);
    } else {
        // The grid has already repainted the two cells.
        FDate = d;
        FDateGiven = true;
        Change();
    }
}

String TVQCalendar::AccName() const {
    return FormatDateTime(QStringLiteral("mmmm yyyy"), FDate);
}

TAccStates TVQCalendar::AccStates() const {
    TAccStates s = TCustomGrid::AccStates();
    if (FOptions.Contains(vqcoReadOnly)) s.Include(asReadOnly);
    return s;
}

String TVQCalendar::AccCellName(int ACol, int ARow) const {
    if (ARow == 0) return LongDayNames(((int(FStartOfWeek) + ACol) % 7 + 7) % 7 + 1);
    return FormatDateTime(LongDateFormat(), CellToDate(ACol, ARow));
}
