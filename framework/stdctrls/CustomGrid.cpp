#include "framework/stdctrls/CustomGrid.h"

#include "framework/controls/Form.h"
#include "framework/controls/Timer.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"
#include "framework/graphics/WinGdi.h"
#include "framework/system/MathUtils.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

VQ_PUBLISH(TCustomGrid) {
    P.Inherit();
}

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
    FColWidths.assign(5, FDefaultColWidth);
    FRowHeights.assign(5, FDefaultRowHeight);
    // The grid paints every pixel of its client area itself.
    // The grid paints every pixel of its client area itself, and runs its own click and double
    // click processing (WidgetEvent), so the control's automatic ones stay off.
    FControlStyle = TControlStyle{csCaptureMouse, csOpaque};
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    SetBounds(Left(), Top(), 320, 120);
    FTrackTimer = new TTimer(this);
    FTrackTimer->SetEnabled(false);
    FTrackTimer->SetInterval(60);
    FTrackTimer->OnTimer = [this](TObject*) { TrackTimer(); };
}

TCustomGrid::~TCustomGrid() = default;

// ---------------------------------------------------------------------------------------------
// Counts and sizes

void TCustomGrid::SetColCount(int value) {
    if (value == ColCount()) return;
    if (value <= FFixedCols)
        throw EInvalidOperation(
            QStringLiteral("Fixed column count must be less than column count"));
    FColWidths.resize(size_t(value), FDefaultColWidth);
    FLayoutStale = true;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetRowCount(int value) {
    if (value == RowCount()) return;
    if (value <= FFixedRows)
        throw EInvalidOperation(QStringLiteral("Fixed row count must be less than row count"));
    FRowHeights.resize(size_t(value), FDefaultRowHeight);
    FLayoutStale = true;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetFixedCols(int value) {
    if (value == FFixedCols) return;
    if (value < 0 || value >= ColCount())
        throw EInvalidOperation(
            QStringLiteral("Fixed column count must be less than column count"));
    FFixedCols = value;
    // Scrolling starts again right after the fixed columns.
    FTopLeft.X = value;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int value) {
    if (value == FFixedRows) return;
    if (value < 0 || value >= RowCount())
        throw EInvalidOperation(QStringLiteral("Fixed row count must be less than row count"));
    FFixedRows = value;
    FTopLeft.Y = value;
    ClampCurrent();
    Invalidate();
}

// Keeps the current cell, the anchor and the scroll position among the scrollable cells.
void TCustomGrid::ClampCurrent() {
    auto clamp = [this](TGridCoord& c) {
        c.X = std::clamp(c.X, FFixedCols, ColCount() - 1);
        c.Y = std::clamp(c.Y, FFixedRows, RowCount() - 1);
    };
    clamp(FCurrent);
    clamp(FAnchor);
    clamp(FTopLeft);
}

void TCustomGrid::SetDefaultColWidth(int value) {
    FDefaultColWidth = value;
    std::fill(FColWidths.begin(), FColWidths.end(), value);
    FLayoutStale = true;
    FitTopLeft();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
    FDefaultRowHeight = value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), value);
    FLayoutStale = true;
    FitTopLeft();
    Invalidate();
}

int TCustomGrid::ColWidths(int index) const {
    return index >= 0 && index < ColCount() ? FColWidths[size_t(index)] : 0;
}

void TCustomGrid::SetColWidths(int index, int value) {
    if (index < 0 || index >= ColCount() || FColWidths[size_t(index)] == value) return;
    FColWidths[size_t(index)] = value;
    FLayoutStale = true;
    FitTopLeft();
    Invalidate();
}

int TCustomGrid::RowHeights(int index) const {
    return index >= 0 && index < RowCount() ? FRowHeights[size_t(index)] : 0;
}

void TCustomGrid::SetRowHeights(int index, int value) {
    if (index < 0 || index >= RowCount() || FRowHeights[size_t(index)] == value) return;
    FRowHeights[size_t(index)] = value;
    FLayoutStale = true;
    FitTopLeft();
    Invalidate();
}

namespace {
QByteArray PackSizes(const std::vector<int>& sizes) {
    QByteArray out;
    out.reserve(int(sizes.size() * 4));
    for (int v : sizes) {
        const auto u = uint32_t(v);
        for (int shift = 0; shift < 32; shift += 8)
            out.append(char((u >> shift) & 0xFF));
    }
    return out;
}

std::vector<int> UnpackSizes(const QByteArray& data) {
    std::vector<int> out;
    for (qsizetype i = 0; i + 4 <= data.size(); i += 4) {
        uint32_t u = 0;
        for (int b = 0; b < 4; ++b)
            u |= uint32_t(uint8_t(data[i + b])) << (8 * b);
        out.push_back(int(u));
    }
    return out;
}
} // namespace

QByteArray TCustomGrid::ColWidthsData() const {
    return PackSizes(FColWidths);
}

void TCustomGrid::SetColWidthsData(const QByteArray& value) {
    const std::vector<int> sizes = UnpackSizes(value);
    for (size_t i = 0; i < sizes.size() && i < FColWidths.size(); ++i)
        SetColWidths(int(i), sizes[i]);
}

QByteArray TCustomGrid::RowHeightsData() const {
    return PackSizes(FRowHeights);
}

void TCustomGrid::SetRowHeightsData(const QByteArray& value) {
    const std::vector<int> sizes = UnpackSizes(value);
    for (size_t i = 0; i < sizes.size() && i < FRowHeights.size(); ++i)
        SetRowHeights(int(i), sizes[i]);
}

// Sizes equal to the default need not be written: the default width rebuilds them.
bool TCustomGrid::ColWidthsStored(const TObject* o) {
    auto* g = static_cast<const TCustomGrid*>(o);
    return std::any_of(g->FColWidths.begin(), g->FColWidths.end(),
                       [g](int w) { return w != g->FDefaultColWidth; });
}

bool TCustomGrid::RowHeightsStored(const TObject* o) {
    auto* g = static_cast<const TCustomGrid*>(o);
    return std::any_of(g->FRowHeights.begin(), g->FRowHeights.end(),
                       [g](int h) { return h != g->FDefaultRowHeight; });
}

void TCustomGrid::SetGridOptions(TGridOptions value) {
    if (value == FOptions) return;
    FOptions = value;
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor value) {
    if (value == FFixedColor) return;
    FFixedColor = value;
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
    if (value == FDefaultDrawing) return;
    FDefaultDrawing = value;
    Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
    if (value != bsNone) value = bsSingle;
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
    Invalidate();
}

TRect TCustomGrid::BorderInsets() const {
    if (FBorderStyle == bsNone) return TRect{};
    const int w = Ctl3D() ? 2 : 1;
    return TRect{w, w, w, w};
}

void TCustomGrid::Ctl3DChanged() {
    inherited::Ctl3DChanged();
    if (FBorderStyle == bsSingle && HandleAllocated()) RecreateWnd();
}

// ---------------------------------------------------------------------------------------------
// Geometry

bool TCustomGrid::VertLinesTakeRoom() const {
    return FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine);
}

bool TCustomGrid::HorzLinesTakeRoom() const {
    return FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine);
}

int TCustomGrid::ColExtent(int i) const {
    return Max(0, FColWidths[size_t(i)] + (VertLinesTakeRoom() ? 1 : 0));
}

int TCustomGrid::RowExtent(int i) const {
    return Max(0, FRowHeights[size_t(i)] + (HorzLinesTakeRoom() ? 1 : 0));
}

int TCustomGrid::ColStart(int i) const {
    if (i < 0 || i >= ColCount()) return -1;
    int x = 0;
    if (i < FFixedCols) {
        for (int c = 0; c < i; ++c)
            x += ColExtent(c);
        return x;
    }
    if (i < FTopLeft.X) return -1;
    for (int c = 0; c < FFixedCols; ++c)
        x += ColExtent(c);
    for (int c = FTopLeft.X; c < i; ++c)
        x += ColExtent(c);
    return x;
}

int TCustomGrid::RowStart(int i) const {
    if (i < 0 || i >= RowCount()) return -1;
    int y = 0;
    if (i < FFixedRows) {
        for (int r = 0; r < i; ++r)
            y += RowExtent(r);
        return y;
    }
    if (i < FTopLeft.Y) return -1;
    for (int r = 0; r < FFixedRows; ++r)
        y += RowExtent(r);
    for (int r = FTopLeft.Y; r < i; ++r)
        y += RowExtent(r);
    return y;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
    const int x = ColStart(ACol);
    const int y = RowStart(ARow);
    if (x < 0 || y < 0) return TRect{};
    const int w = Max(0, FColWidths[size_t(ACol)]);
    const int h = Max(0, FRowHeights[size_t(ARow)]);
    if (x >= ClientWidth() || y >= ClientHeight() || w == 0 || h == 0) return TRect{};
    return Bounds(x, y, w, h);
}

int TCustomGrid::VisibleColCount() const {
    int x = ColStart(FTopLeft.X);
    const int limit = ClientWidth();
    int n = 0;
    for (int c = FTopLeft.X; c < ColCount(); ++c) {
        x += ColExtent(c);
        // The line after the last column may lie outside the client area.
        if (x - (VertLinesTakeRoom() ? 1 : 0) > limit) break;
        ++n;
    }
    return Max(n, ColCount() > FFixedCols ? 1 : 0);
}

int TCustomGrid::VisibleRowCount() const {
    int y = RowStart(FTopLeft.Y);
    const int limit = ClientHeight();
    int n = 0;
    for (int r = FTopLeft.Y; r < RowCount(); ++r) {
        y += RowExtent(r);
        if (y - (HorzLinesTakeRoom() ? 1 : 0) > limit) break;
        ++n;
    }
    return Max(n, RowCount() > FFixedRows ? 1 : 0);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= ClientWidth() || Y >= ClientHeight()) return {-1, -1};
    auto find = [](int p, int count, int fixed, int first, auto extent) {
        int pos = 0;
        for (int i = 0; i < fixed; ++i) {
            pos += extent(i);
            if (p < pos) return i;
        }
        for (int i = first; i < count; ++i) {
            pos += extent(i);
            if (p < pos) return i;
        }
        return -1;
    };
    const int col =
        find(X, ColCount(), FFixedCols, FTopLeft.X, [this](int i) { return ColExtent(i); });
    const int row =
        find(Y, RowCount(), FFixedRows, FTopLeft.Y, [this](int i) { return RowExtent(i); });
    if (col < 0 || row < 0) return {-1, -1};
    return {col, row};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::TrackCoord(int X, int Y) const {
    // The far edge of the shown cells on each axis; a point beyond it counts as on the last one.
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    const int right =
        ColStart(lastCol) >= 0 ? ColStart(lastCol) + ColExtent(lastCol) : ClientWidth();
    const int bottom =
        RowStart(lastRow) >= 0 ? RowStart(lastRow) + RowExtent(lastRow) : ClientHeight();
    const int x = std::clamp(X, 0, Max(0, Min(right, ClientWidth()) - 1));
    const int y = std::clamp(Y, 0, Max(0, Min(bottom, ClientHeight()) - 1));
    return MouseCoord(x, y);
}

// ---------------------------------------------------------------------------------------------
// Current cell and selection

TGridRect TCustomGrid::Selection() const {
    return TGridRect{Min(FAnchor.X, FCurrent.X), Min(FAnchor.Y, FCurrent.Y),
                     Max(FAnchor.X, FCurrent.X), Max(FAnchor.Y, FCurrent.Y)};
}

void TCustomGrid::SetCol(int value) {
    if (value != FCurrent.X) FocusCell(value, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int value) {
    if (value != FCurrent.Y) FocusCell(FCurrent.X, value, true);
}

bool TCustomGrid::CanSelectCell(int, int) {
    return true;
}

bool TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
    if (ACol < FFixedCols || ACol >= ColCount() || ARow < FFixedRows || ARow >= RowCount())
        return false;
    if (!CanSelectCell(ACol, ARow)) return false;
    MoveCurrent(ACol, ARow, MoveAnchor);
    return true;
}

void TCustomGrid::SetCurrentCell(int ACol, int ARow) {
    ACol = std::clamp(ACol, FFixedCols, ColCount() - 1);
    ARow = std::clamp(ARow, FFixedRows, RowCount() - 1);
    MoveCurrent(ACol, ARow, true);
}

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor) {
    const TGridRect oldSel = Selection();
    const TGridCoord oldCurrent = FCurrent;
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
    const TGridRect newSel = Selection();
    if (oldSel == newSel && oldCurrent == FCurrent) return;
    const TGridCoord oldTopLeft = FTopLeft;
    ScrollIntoView(ACol, ARow);
    if (!(oldTopLeft == FTopLeft)) {
        Invalidate();
    } else {
        // Only the cells whose selected or focused state changed.
        if (oldSel == newSel) {
            InvalidateCell(oldCurrent.X, oldCurrent.Y);
            InvalidateCell(FCurrent.X, FCurrent.Y);
        } else {
            InvalidateSelection(oldSel);
            InvalidateSelection(newSel);
        }
    }
    Update();
}

void TCustomGrid::InvalidateSelection(const TGridRect& r) {
    for (int row = r.Top; row <= r.Bottom; ++row)
        for (int col = r.Left; col <= r.Right; ++col)
            InvalidateCell(col, row);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    QWidget* w = Widget();
    if (!w) return;
    const TRect r = CellRect(ACol, ARow);
    if (r.Width() <= 0 || r.Height() <= 0) return;
    const TRect insets = BorderInsets();
    w->update(ToQRect(r).translated(insets.Left, insets.Top));
}

void TCustomGrid::ScrollIntoView(int ACol, int ARow) {
    if (ACol < FTopLeft.X) {
        FTopLeft.X = ACol;
    } else {
        while (FTopLeft.X < ACol && ACol >= FTopLeft.X + VisibleColCount())
            ++FTopLeft.X;
    }
    if (ARow < FTopLeft.Y) {
        FTopLeft.Y = ARow;
    } else {
        while (FTopLeft.Y < ARow && ARow >= FTopLeft.Y + VisibleRowCount())
            ++FTopLeft.Y;
    }
}

// Scrolls back as far as the cells up to the last one still fit, so that a grid that has grown
// (or whose cells shrank) shows its first cells again.
void TCustomGrid::FitTopLeft() {
    auto fits = [](int first, int count, int fixed, int limit, bool lines, auto extent) {
        int total = 0;
        for (int i = 0; i < fixed; ++i)
            total += extent(i);
        for (int i = first; i < count; ++i)
            total += extent(i);
        return total - (lines ? 1 : 0) <= limit;
    };
    const auto colExtent = [this](int i) { return ColExtent(i); };
    const auto rowExtent = [this](int i) { return RowExtent(i); };
    while (FTopLeft.X > FFixedCols && fits(FTopLeft.X - 1, ColCount(), FFixedCols, ClientWidth(),
                                           VertLinesTakeRoom(), colExtent))
        --FTopLeft.X;
    while (FTopLeft.Y > FFixedRows && fits(FTopLeft.Y - 1, RowCount(), FFixedRows, ClientHeight(),
                                           HorzLinesTakeRoom(), rowExtent))
        --FTopLeft.Y;
}

void TCustomGrid::Resize() {
    FitTopLeft();
    inherited::Resize();
}

void TCustomGrid::SetLeftCol(int value) {
    value = std::clamp(value, FFixedCols, ColCount() - 1);
    if (value == FTopLeft.X) return;
    FTopLeft.X = value;
    Invalidate();
}

void TCustomGrid::SetTopRow(int value) {
    value = std::clamp(value, FFixedRows, RowCount() - 1);
    if (value == FTopLeft.Y) return;
    FTopLeft.Y = value;
    Invalidate();
}

bool TCustomGrid::IsActiveControl() const {
    if (TForm* form = ParentForm()) return form->ActiveControl() == this;
    return Focused();
}

TGridDrawState TCustomGrid::CellState(int ACol, int ARow, bool active) const {
    TGridDrawState s;
    if (ACol < FFixedCols || ARow < FFixedRows) {
        s.Include(gdFixed);
        return s;
    }
    if (Selection().Contains(ACol, ARow)) s.Include(gdSelected);
    if (active && ACol == FCurrent.X && ARow == FCurrent.Y) s.Include(gdFocused);
    return s;
}

// ---------------------------------------------------------------------------------------------
// Painting

void TCustomGrid::PaintCell(int, int, const TRect&, TGridDrawState) {}

void TCustomGrid::PaintWindow(QWidget* widget) {
    inherited::PaintWindow(widget);
    if (FBorderStyle == bsNone) return;
    TCanvas canvas;
    TCanvasScope scope(&canvas, widget);
    TRect r = Rect(0, 0, Width(), Height());
    if (Ctl3D())
        DrawEdge(&canvas, r, EDGE_SUNKEN, BF_RECT);
    else
        FrameRect(&canvas, r, clWindowFrame);
}

void TCustomGrid::UpdateLayout(int cw, int ch, bool vLines, bool hLines) {
    TLayout& l = FLayout;
    if (!FLayoutStale && l.ClientWidth == cw && l.ClientHeight == ch && l.TopLeft == FTopLeft &&
        l.FixedCols == FFixedCols && l.FixedRows == FFixedRows && l.VertLines == vLines &&
        l.HorzLines == hLines)
        return;
    auto collect = [](auto& out, int count, int fixed, int first, int limit, auto extent) {
        out.clear();
        int pos = 0;
        for (int i = 0; i < count && pos < limit; ++i) {
            if (i == fixed) i = Max(i, first);
            if (i >= count) break;
            out.emplace_back(i, pos);
            pos += extent(i);
        }
        return pos;
    };
    l.Right = collect(l.Cols, ColCount(), FFixedCols, FTopLeft.X, cw,
                      [this](int i) { return ColExtent(i); });
    l.Bottom = collect(l.Rows, RowCount(), FFixedRows, FTopLeft.Y, ch,
                       [this](int i) { return RowExtent(i); });
    l.ClientWidth = cw;
    l.ClientHeight = ch;
    l.TopLeft = FTopLeft;
    l.FixedCols = FFixedCols;
    l.FixedRows = FFixedRows;
    l.VertLines = vLines;
    l.HorzLines = hLines;
    FLayoutStale = false;
}

void TCustomGrid::Paint() {
    TCanvas* canvas = Canvas();
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    TRect clip = Rect(0, 0, cw, ch);
    if (QPainter* p = canvas->Painter(); p && p->hasClipping())
        IntersectRect(clip, clip, ToRect(p->clipBoundingRect().toAlignedRect()));

    const bool active = IsActiveControl();
    const bool vLines = VertLinesTakeRoom();
    const bool hLines = HorzLinesTakeRoom();

    UpdateLayout(cw, ch, vLines, hLines);
    const auto& cols = FLayout.Cols;
    const auto& rows = FLayout.Rows;
    const int gridRight = FLayout.Right;
    const int gridBottom = FLayout.Bottom;

    for (const auto& [row, y] : rows) {
        const int h = Max(0, FRowHeights[size_t(row)]);
        if (h == 0 || y >= clip.Bottom || y + h <= clip.Top) continue;
        for (const auto& [col, x] : cols) {
            const int w = Max(0, FColWidths[size_t(col)]);
            if (w == 0 || x >= clip.Right || x + w <= clip.Left) continue;
            const TRect r = Bounds(x, y, w, h);
            const TGridDrawState state = CellState(col, row, active);
            if (FDefaultDrawing) {
                TColor bg = Color();
                if (state.Contains(gdFixed))
                    bg = FFixedColor;
                else if (state.Contains(gdSelected) &&
                         (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected)))
                    bg = clHighlight;
                canvas->Brush()->SetColor(bg);
                canvas->FillRect(r);
            }
            PaintCell(col, row, r, state);
            if (FDefaultDrawing && state.Contains(gdFocused)) DrawFocusRect(canvas, r);
        }
    }

    // Lines: each column's line lies right after it, each row's right below it.
    const int fixedBottom = rows.empty() ? 0 : [&] {
        int y = 0;
        for (int r = 0; r < FFixedRows; ++r)
            y += RowExtent(r);
        return y;
    }();
    const int fixedRight = [&] {
        int x = 0;
        for (int c = 0; c < FFixedCols; ++c)
            x += ColExtent(c);
        return x;
    }();
    const TColor normalLine = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
    auto lineColor = [&](bool fixedArea, TGridOption fixedSwitch, TGridOption normalSwitch) {
        if (fixedArea) return FOptions.Contains(fixedSwitch) ? clBlack : FFixedColor;
        return FOptions.Contains(normalSwitch) ? normalLine : Color();
    };
    if (vLines) {
        for (const auto& [col, x] : cols) {
            const int lx = x + ColExtent(col) - 1;
            if (ColExtent(col) == 0 || lx < clip.Left || lx >= clip.Right) continue;
            // Part in the fixed rows, then in the scrollable rows.
            canvas->FillRectColor(Rect(lx, 0, lx + 1, Min(fixedBottom, gridBottom)),
                                  lineColor(true, goFixedVertLine, goVertLine));
            canvas->FillRectColor(Rect(lx, fixedBottom, lx + 1, gridBottom),
                                  lineColor(col < FFixedCols, goFixedVertLine, goVertLine));
        }
    }
    if (hLines) {
        for (const auto& [row, y] : rows) {
            const int ly = y + RowExtent(row) - 1;
            if (RowExtent(row) == 0 || ly < clip.Top || ly >= clip.Bottom) continue;
            canvas->FillRectColor(Rect(0, ly, Min(fixedRight, gridRight), ly + 1),
                                  lineColor(true, goFixedHorzLine, goHorzLine));
            canvas->FillRectColor(Rect(fixedRight, ly, gridRight, ly + 1),
                                  lineColor(row < FFixedRows, goFixedHorzLine, goHorzLine));
        }
    }
    // Where the cells end, the grid's colour.
    if (gridRight < cw) canvas->FillRectColor(Rect(gridRight, 0, cw, ch), Color());
    if (gridBottom < ch)
        canvas->FillRectColor(Rect(0, gridBottom, Min(gridRight, cw), ch), Color());
}

// ---------------------------------------------------------------------------------------------
// Input

// The second press of a double click reaches MouseDown with ssDouble; whether it fires
// OnDblClick is the grid's (and its descendants') decision, not the control's.
bool TCustomGrid::WidgetEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* me = static_cast<QMouseEvent*>(event);
        const TPoint off = WidgetClientOffset();
        const QPoint pos = me->position().toPoint();
        TMouseButton button = mbLeft;
        if (me->button() == Qt::RightButton)
            button = mbRight;
        else if (me->button() == Qt::MiddleButton)
            button = mbMiddle;
        else if (me->button() != Qt::LeftButton)
            return true;
        const TShiftState shift =
            ShiftStateFromQt(me->modifiers(), me->buttons()) + TShiftState{ssDouble};
        MouseDown(button, shift, pos.x() - off.X, pos.y() - off.Y);
        return true;
    }
    return inherited::WidgetEvent(event);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!ComponentState().Contains(csDesigning) && CanFocus()) {
        SetFocus();
        if (!IsActiveControl()) return;
    }
    if (Button == mbLeft && Shift.Contains(ssDouble)) {
        DblClick();
    } else if (Button == mbLeft) {
        const TGridCoord c = MouseCoord(X, Y);
        if (c.X >= FFixedCols && c.Y >= FFixedRows) {
            FGridState = gsSelecting;
            FTrackTimer->SetEnabled(true);
            const bool keepAnchor = FOptions.Contains(goRangeSelect) && Shift.Contains(ssShift);
            FocusCell(c.X, c.Y, !keepAnchor);
        }
    }
    inherited::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (FGridState == gsSelecting) {
        const TGridCoord c = MouseCoord(X, Y);
        if (c.X >= FFixedCols && c.Y >= FFixedRows && !(c == FCurrent)) FocusCell(c.X, c.Y, false);
    }
    inherited::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FGridState == gsSelecting) {
        const TGridCoord c = TrackCoord(X, Y);
        if (c.X >= FFixedCols && c.Y >= FFixedRows && !(c == FCurrent)) FocusCell(c.X, c.Y, false);
        StopTracking();
        Click();
    }
    inherited::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::StopTracking() {
    FGridState = gsNormal;
    FTrackTimer->SetEnabled(false);
}

// While a drag is held outside the window, scroll one cell per tick towards the pointer.
void TCustomGrid::TrackTimer() {
    if (FGridState != gsSelecting || !Widget()) return;
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        StopTracking();
        return;
    }
    const TRect insets = BorderInsets();
    const QPoint p = Widget()->mapFromGlobal(QCursor::pos()) - QPoint(insets.Left, insets.Top);
    int col = FCurrent.X, row = FCurrent.Y;
    if (p.x() < 0 && FTopLeft.X > FFixedCols) col = --FTopLeft.X;
    if (p.x() >= ClientWidth() && col < ColCount() - 1) col = FTopLeft.X + VisibleColCount();
    if (p.y() < 0 && FTopLeft.Y > FFixedRows) row = --FTopLeft.Y;
    if (p.y() >= ClientHeight() && row < RowCount() - 1) row = FTopLeft.Y + VisibleRowCount();
    col = std::clamp(col, FFixedCols, ColCount() - 1);
    row = std::clamp(row, FFixedRows, RowCount() - 1);
    if (col != FCurrent.X || row != FCurrent.Y) FocusCell(col, row, false);
}

bool TCustomGrid::WantsKey(uint16_t key) const {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    default:
        return inherited::WantsKey(key);
    }
}

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    inherited::KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool ctrl = Shift.Contains(ssCtrl);
    // Moves by a page or to the far side stay among the fully visible cells.
    const int pageCols = Max(1, VisibleColCount() - 1);
    const int pageRows = Max(1, VisibleRowCount() - 1);
    int col = FCurrent.X;
    int row = FCurrent.Y;
    switch (Key) {
    case VK_LEFT:
        col -= ctrl ? pageCols : 1;
        break;
    case VK_RIGHT:
        col += ctrl ? pageCols : 1;
        break;
    case VK_UP:
        if (ctrl)
            SetTopRow(FTopLeft.Y - 1);
        else
            --row;
        break;
    case VK_DOWN:
        if (ctrl)
            SetTopRow(FTopLeft.Y + 1);
        else
            ++row;
        break;
    case VK_HOME:
        col = FFixedCols;
        if (ctrl) row = FFixedRows;
        break;
    case VK_END:
        col = ColCount() - 1;
        if (ctrl) row = RowCount() - 1;
        break;
    case VK_PRIOR:
        row = ctrl ? FTopLeft.Y : row - pageRows;
        break;
    case VK_NEXT:
        row = ctrl ? FTopLeft.Y + VisibleRowCount() - 1 : row + pageRows;
        break;
    default:
        return;
    }
    col = std::clamp(col, FFixedCols, ColCount() - 1);
    row = std::clamp(row, FFixedRows, RowCount() - 1);
    if (col == FCurrent.X && row == FCurrent.Y) return;
    const bool keepAnchor = FOptions.Contains(goRangeSelect) && Shift.Contains(ssShift);
    FocusCell(col, row, !keepAnchor);
    Click();
}

void TCustomGrid::DoEnter() {
    InvalidateCell(FCurrent.X, FCurrent.Y);
    inherited::DoEnter();
}

void TCustomGrid::DoExit() {
    StopTracking();
    InvalidateCell(FCurrent.X, FCurrent.Y);
    inherited::DoExit();
}

bool TCustomGrid::AccTableShape(TAccTable& shape) const {
    shape.HeadingRow = FFixedRows > 0;
    shape.Cols = ColCount();
    shape.Rows = RowCount() - FFixedRows;
    return true;
}

int TCustomGrid::AccItemCount() const {
    return (FFixedRows > 0 ? ColCount() : 0) + (RowCount() - FFixedRows) * ColCount();
}

TAccItem TCustomGrid::AccItem(int index) const {
    TAccItem item;
    const int cols = ColCount();
    if (cols <= 0) return item;
    int col, row;
    if (FFixedRows > 0 && index < cols) {
        col = index;
        row = 0;
        item.Role = arColumnHeader;
        item.Row = -1;
    } else {
        const int cell = index - (FFixedRows > 0 ? cols : 0);
        col = cell % cols;
        row = FFixedRows + cell / cols;
        item.Role = arCell;
        item.Row = row - FFixedRows;
        item.States.Include(asSelectable);
        if (Selection().Contains(col, row)) item.States.Include(asSelected);
        if (FCurrent == TGridCoord{col, row}) item.States.Include(asFocused);
    }
    item.Col = col;
    item.Name = AccCellName(col, row);
    item.Bounds = CellRect(col, row);
    if (item.Bounds.Width() <= 0 || item.Bounds.Height() <= 0) item.States.Include(asInvisible);
    return item;
}

void TCustomGrid::AccItemAction(int index) {
    const int cols = ColCount();
    const int cell = index - (FFixedRows > 0 ? cols : 0);
    if (cols <= 0 || cell < 0) return;
    const int col = cell % cols, row = FFixedRows + cell / cols;
    if (row >= RowCount() || col < FFixedCols) return;
    const TLifeToken alive = LifeToken();
    FocusCell(col, row, true);
    if (alive) Click();
}
