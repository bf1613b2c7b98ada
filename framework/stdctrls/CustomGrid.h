#pragma once
// TCustomGrid: a focusable control that lays out cells in columns and rows and paints each one
// through the virtual PaintCell. Leading fixed columns and rows are never current and paint with
// gdFixed. The current cell moves by mouse (press, drag into other cells, release, then Click)
// and by the navigation keys, each move asking CanSelectCell first. There are no scroll bars and
// no cell editing; a grid larger than its window scrolls by keyboard and by dragging.
//
// Lines: on each axis every column (row) takes its width (height) plus one pixel for the line
// after it whenever either line switch of that axis is on. Fixed-area lines are black when
// their switch is on; lines between the other cells are silver (gray on a silver grid). A line
// whose own switch is off but which still takes its pixel is drawn in its area's background.

#include "framework/controls/CustomControl.h"

#include <memory>
#include <vector>

class TTimer;

VQ_ENUM(TGridDrawStateItem, uint8_t, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateItem>;

// goFixed*Line: lines in the fixed area; goVertLine/goHorzLine: lines between the other cells;
// goRangeSelect: Shift with keys or a drag extends the selection from the anchor;
// goDrawFocusSelected: with DefaultDrawing, the focused cell paints in the selection colours too.
VQ_ENUM(TGridOption, uint8_t, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
        goRangeSelect, goDrawFocusSelected)
using TGridOptions = TSet<TGridOption>;

VQ_ENUM(TGridState, uint8_t, gsNormal, gsSelecting)

struct TGridCoord {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TGridCoord&) const = default;
};

// Cells Left..Right, Top..Bottom inclusive.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr bool operator==(const TGridRect&) const = default;
    constexpr bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
};

class TCustomGrid : public TCustomControl {
    VQ_CLASS(TCustomGrid, TCustomControl)
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // ColCount: 5, RowCount: 5; at least one more than the fixed ones (EInvalidOperation).
    int ColCount() const { return int(FColWidths.size()); }
    void SetColCount(int value);
    int RowCount() const { return int(FRowHeights.size()); }
    void SetRowCount(int value);
    // FixedCols: 1, FixedRows: 1; fewer than the counts (EInvalidOperation).
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);

    // DefaultColWidth: 64, DefaultRowHeight: 24; setting either resets every column's width
    // (row's height) to it.
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int value);
    // Individual sizes; out-of-range indexes read 0 and are ignored on writing. A row height
    // of -1 hides the row together with its line.
    int ColWidths(int index) const;
    void SetColWidths(int index, int value);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int value);
    // The sizes as form descriptions store them: 32-bit little-endian integers, one per column
    // (row); reading applies as many as both sides have.
    QByteArray ColWidthsData() const;
    void SetColWidthsData(const QByteArray& value);
    QByteArray RowHeightsData() const;
    void SetRowHeightsData(const QByteArray& value);

    // GridOptions: the four line switches.
    TGridOptions GridOptions() const { return FOptions; }
    void SetGridOptions(TGridOptions value);
    // FixedColor: clBtnFace; background of fixed cells with DefaultDrawing and of fixed-area
    // lines that are switched off.
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    // DefaultDrawing: true; the grid fills each cell (selection colours, fixed colour) before
    // PaintCell and draws the focus rectangle after it. Off: PaintCell alone paints cells.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);
    // BorderStyle: bsSingle (a sunken 3D edge with Ctl3D, else a one-pixel frame) or bsNone;
    // a change recreates the window.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle value);

    // The current cell; setting it asks CanSelectCell and makes it the whole selection.
    int Col() const { return FCurrent.X; }
    void SetCol(int value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int value);
    // Selection: the current cell alone unless goRangeSelect extended it.
    TGridRect Selection() const;
    // First scrollable column and row shown, and how many of them are fully visible (at
    // least 1 when there are any).
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int value);
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int value);
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // The cell's rectangle in client coordinates without its lines; empty when not shown.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; (-1, -1) outside every cell.
    TGridCoord MouseCoord(int X, int Y) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

    TGridState GridState() const { return FGridState; }
    bool WantsKey(uint16_t key) const override;
    bool WidgetEvent(QEvent* event) override;

protected:
    // Paints one cell into ARect (without its lines).
    virtual void PaintCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // A table: the first fixed row is its heading row, the other rows are its cells; the
    // current cell is focused, the selection selected, and pressing a cell picks it as a click
    // would. AccCellName names a cell (ARow 0 is the heading row when there is one).
    TAccRole AccRole() const override { return arTable; }
    TAccStates AccStates() const override { return {asFocusable}; }
    bool AccTableShape(TAccTable& shape) const override;
    int AccItemCount() const override;
    TAccItem AccItem(int index) const override;
    void AccItemAction(int index) override;
    virtual String AccCellName(int, int) const { return {}; }
    // Asked before the current cell moves by mouse or keyboard; false keeps it where it is.
    virtual bool CanSelectCell(int ACol, int ARow);

    // Moves the current cell through CanSelectCell; true when it moved. MoveAnchor false keeps
    // the selection's anchor (range selection).
    bool FocusCell(int ACol, int ARow, bool MoveAnchor);
    // Makes the cell current and the whole selection without asking CanSelectCell.
    void SetCurrentCell(int ACol, int ARow);
    // Repaints one cell (now, when the window is shown) or the whole grid at the next paint.
    void InvalidateCell(int ACol, int ARow);
    void InvalidateGrid() { Invalidate(); }
    // Whether the grid is the active control of its form (its focused cell shows as such).
    bool IsActiveControl() const;

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Ctl3DChanged() override;
    void Resize() override;
    TRect BorderInsets() const override;
    void PaintWindow(QWidget* widget) override;

    // Publishing of the cell sizes for concrete grids, placed where they list them.
    template <class C> static void PublishCellSizes(TPublisher<C>& P) {
        P.Property("ColWidths", &C::ColWidthsData, &C::SetColWidthsData)
            .Stored(TStoredFn(&TCustomGrid::ColWidthsStored));
        P.Property("RowHeights", &C::RowHeightsData, &C::SetRowHeightsData)
            .Stored(TStoredFn(&TCustomGrid::RowHeightsStored));
    }
    static bool ColWidthsStored(const TObject* o);
    static bool RowHeightsStored(const TObject* o);

private:
    // Extent of a column or row including the line after it.
    int ColExtent(int i) const;
    int RowExtent(int i) const;
    bool VertLinesTakeRoom() const;
    bool HorzLinesTakeRoom() const;
    // Left (top) edge of a column (row) in client coordinates; -1 when scrolled out of view.
    int ColStart(int i) const;
    int RowStart(int i) const;
    TGridDrawState CellState(int ACol, int ARow, bool active) const;
    void MoveCurrent(int ACol, int ARow, bool MoveAnchor);
    void InvalidateSelection(const TGridRect& r);
    void ScrollIntoView(int ACol, int ARow);
    void ClampCurrent();
    void FitTopLeft();
    void StopTracking();
    void TrackTimer();
    // Cell under a point, with points beyond the grid's edges taken to the nearest cell on
    // that axis (selection tracking past the last cell).
    TGridCoord TrackCoord(int X, int Y) const;
    void PaintLines(const TRect& clip);

    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine};
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;
    TBorderStyle FBorderStyle = bsSingle;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridCoord FTopLeft{1, 1};
    TGridState FGridState = gsNormal;
    TTimer* FTrackTimer = nullptr;

    // The visible layout Paint works from: the painted columns and rows with their left (top)
    // edges, and where the cells end. Kept between paints; rebuilt when a size changed (stale)
    // or anything else it was built from differs.
    struct TLayout {
        std::vector<std::pair<int, int>> Cols, Rows;
        int Right = 0, Bottom = 0;
        int ClientWidth = -1, ClientHeight = -1;
        TGridCoord TopLeft{-1, -1};
        int FixedCols = -1, FixedRows = -1;
        bool VertLines = false, HorzLines = false;
    };
    void UpdateLayout(int cw, int ch, bool vLines, bool hLines);
    TLayout FLayout;
    bool FLayoutStale = true;
};
