// The grid base: line room and colours, cell geometry, hit testing, the current cell moved by
// keys through the selection test, range selection and scrolling.
#include "framework/stdctrls/CustomGrid.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Graphics.h"

#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

class TTestGrid : public TCustomGrid {
public:
    using TCustomGrid::ColWidthsStored;
    using TCustomGrid::RowHeightsStored;
    using TCustomGrid::SetCurrentCell;
    using TCustomGrid::TCustomGrid;

    std::function<bool(int, int)> Allow;
    std::vector<std::tuple<int, int, TGridDrawState>> Painted;
    int Clicks = 0;

    void Click() override {
        ++Clicks;
        TCustomGrid::Click();
    }

protected:
    void PaintCell(int c, int r, const TRect& rect, TGridDrawState s) override {
        Painted.emplace_back(c, r, s);
        TCustomGrid::PaintCell(c, r, rect, s);
    }
    bool CanSelectCell(int c, int r) override { return Allow ? Allow(c, r) : true; }
};

class CustomGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Grid = new TTestGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, 150, 80);
        Grid->SetDefaultColWidth(20);
        Grid->SetDefaultRowHeight(10);
    }
    void TearDown() override { delete Form; }
    void Show() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
        Grid->SetFocus();
        QCoreApplication::processEvents();
    }
    QRgb Pixel(int x, int y) { return Grid->Widget()->grab().toImage().pixel(x, y) | 0xFF000000u; }
    static QRgb Rgb(TColor c) { return ColorToQRgb(c) | 0xFF000000u; }

    TForm* Form = nullptr;
    TTestGrid* Grid = nullptr;
};

} // namespace

TEST_F(CustomGridTest, LinesTakeOnePixelWhenEitherSwitchOfTheirAxisIsOn) {
    EXPECT_EQ(Grid->CellRect(1, 1), Bounds(21, 11, 20, 10));
    Grid->SetGridOptions({goFixedHorzLine, goVertLine});
    EXPECT_EQ(Grid->CellRect(1, 1), Bounds(21, 11, 20, 10));
    Grid->SetGridOptions({goFixedVertLine});
    EXPECT_EQ(Grid->CellRect(1, 1), Bounds(21, 10, 20, 10));
    Grid->SetGridOptions({});
    EXPECT_EQ(Grid->CellRect(2, 2), Bounds(40, 20, 20, 10));
}

TEST_F(CustomGridTest, LineColours) {
    Show();
    // Fixed-area lines black, lines between the other cells silver.
    EXPECT_EQ(Pixel(20, 5), Rgb(clBlack));
    EXPECT_EQ(Pixel(5, 10), Rgb(clBlack));
    EXPECT_EQ(Pixel(41, 15), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(Pixel(30, 21), qRgb(0xC0, 0xC0, 0xC0));
    // Beyond the last column the grid's colour.
    EXPECT_EQ(Pixel(140, 30), Rgb(clWindow));
    // A silver grid draws its lines gray.
    Grid->SetColor(clSilver);
    EXPECT_EQ(Pixel(41, 15), qRgb(0x80, 0x80, 0x80));
    // A switched-off line that still takes its pixel shows the area's background.
    Grid->SetColor(clWindow);
    Grid->SetGridOptions({goFixedVertLine, goFixedHorzLine});
    EXPECT_EQ(Pixel(41, 15), Rgb(clWindow));
    EXPECT_EQ(Pixel(20, 5), Rgb(clBlack));
}

// The layout kept between paints follows whatever moves cells: a column's width, the first
// visible row, the grid's size and the line switches.
TEST_F(CustomGridTest, KeptLayoutFollowsChangesBetweenPaints) {
    Grid->SetRowCount(30);
    Show();
    const QRgb line = qRgb(0xC0, 0xC0, 0xC0);
    auto painted = [&] {
        Grid->Painted.clear();
        Grid->Widget()->grab();
        std::set<int> cols, rows;
        for (const auto& [c, r, s] : Grid->Painted)
            cols.insert(c), rows.insert(r);
        return std::pair{cols, rows};
    };
    EXPECT_EQ(Pixel(41, 25), line);
    Grid->SetColWidths(1, 30);
    EXPECT_EQ(Pixel(41, 25), Rgb(clWindow));
    EXPECT_EQ(Pixel(51, 25), line);
    EXPECT_EQ(*std::next(painted().second.begin()), 1);
    Grid->SetTopRow(5);
    EXPECT_EQ(*std::next(painted().second.begin()), 5);
    EXPECT_EQ(painted().first, (std::set<int>{0, 1, 2, 3, 4}));
    Grid->SetBounds(0, 0, 60, 80);
    EXPECT_EQ(painted().first, (std::set<int>{0, 1, 2}));
    Grid->SetGridOptions({});
    EXPECT_EQ(Pixel(51, 25), Rgb(clWindow));
}

TEST_F(CustomGridTest, HiddenRowTakesItsLineAlong) {
    const TRect below = Grid->CellRect(1, 3);
    Grid->SetRowHeights(2, -1);
    EXPECT_EQ(Grid->CellRect(1, 2), TRect{});
    EXPECT_EQ(Grid->CellRect(1, 3).Top, below.Top - 11);
}

TEST_F(CustomGridTest, PointsMapToCells) {
    const struct {
        int x, y, col, row;
    } cases[] = {
        {0, 0, 0, 0},   {19, 9, 0, 0},   {20, 10, 0, 0}, // the line belongs to the cell before it
        {21, 11, 1, 1}, {104, 54, 4, 4}, {105, 30, -1, -1}, {30, 55, -1, -1}, {-1, 5, -1, -1},
    };
    for (const auto& c : cases) {
        int col = 9, row = 9;
        Grid->MouseToCell(c.x, c.y, col, row);
        EXPECT_EQ(col, c.col) << c.x << "," << c.y;
        EXPECT_EQ(row, c.row) << c.x << "," << c.y;
    }
}

TEST_F(CustomGridTest, KeysMoveThroughTheSelectionTest) {
    Show();
    std::vector<std::pair<int, int>> asked;
    Grid->Allow = [&](int c, int r) {
        asked.emplace_back(c, r);
        return c != 3;
    };
    QTest::keyClick(Grid->Widget(), Qt::Key_Right);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Clicks, 1);
    // A refused move stays but still clicks.
    QTest::keyClick(Grid->Widget(), Qt::Key_Right);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Clicks, 2);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 1}, {3, 1}}));
    // Clamped onto the current cell: nothing at all.
    QTest::keyClick(Grid->Widget(), Qt::Key_Up);
    EXPECT_EQ(Grid->Clicks, 2);
    QTest::keyClick(Grid->Widget(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Grid->Col(), 4);
    EXPECT_EQ(Grid->Row(), 4);
    // Without the test.
    Grid->SetCurrentCell(3, 2);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Selection(), (TGridRect{3, 2, 3, 2}));
}

TEST_F(CustomGridTest, MouseDragMovesAndReleaseClicks) {
    Show();
    QTest::mousePress(Grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 15));
    EXPECT_EQ(Grid->Col(), 1);
    QTest::mouseMove(Grid->Widget(), QPoint(75, 35));
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Clicks, 0);
    QTest::mouseRelease(Grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(95, 45));
    EXPECT_EQ(Grid->Col(), 4);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(Grid->Clicks, 1);
    // Without range selection the drag leaves the current cell alone selected.
    EXPECT_EQ(Grid->Selection(), (TGridRect{4, 4, 4, 4}));
    // A press on a fixed cell only focuses.
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(Grid->Col(), 4);
    EXPECT_EQ(Grid->Clicks, 1);
}

TEST_F(CustomGridTest, DragWithRangeSelectionSelectsFromThePress) {
    Grid->SetGridOptions(Grid->GridOptions() + TGridOptions{goRangeSelect});
    Show();
    QTest::mousePress(Grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 15));
    QTest::mouseMove(Grid->Widget(), QPoint(75, 35));
    QTest::mouseRelease(Grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(75, 35));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 3}));
}

TEST_F(CustomGridTest, RangeSelectionWithShift) {
    Grid->SetGridOptions(Grid->GridOptions() + TGridOptions{goRangeSelect});
    Show();
    QTest::keyClick(Grid->Widget(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Grid->Widget(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 2}));
    Grid->Painted.clear();
    Grid->Widget()->grab();
    int selected = 0, focused = 0;
    for (const auto& [c, r, s] : Grid->Painted) {
        selected += s.Contains(gdSelected);
        focused += s.Contains(gdFocused);
        if (s.Contains(gdFocused)) {
            EXPECT_EQ(c, 2);
            EXPECT_EQ(r, 2);
        }
    }
    EXPECT_EQ(selected, 4);
    EXPECT_EQ(focused, 1);
    QTest::keyClick(Grid->Widget(), Qt::Key_Left);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 1, 2}));
}

// A column counts as visible when its cells fit, even if the grid line after it does not: 146
// pixels hold the fixed column and six columns of 21 with the last line at x = 146.
TEST_F(CustomGridTest, VisibleColumnsMayLeaveTheirTrailingLineOutside) {
    Grid->SetColCount(30);
    Grid->SetWidth(146);
    EXPECT_EQ(Grid->VisibleColCount(), 6);
    Grid->SetWidth(145);
    EXPECT_EQ(Grid->VisibleColCount(), 5);
    Grid->SetGridOptions({}); // no lines: columns of 20 after the fixed one
    Grid->SetWidth(140);
    EXPECT_EQ(Grid->VisibleColCount(), 6);
}

TEST_F(CustomGridTest, ColumnMovesScrollJustEnoughAndCtrlMovesByAPage) {
    Grid->SetColCount(30);
    Show();
    const int visible = Grid->VisibleColCount();
    ASSERT_EQ(visible, 6);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(Grid->Widget(), Qt::Key_Right);
    // Column 7 is now the last fully visible one.
    EXPECT_EQ(Grid->Col(), 7);
    EXPECT_EQ(Grid->LeftCol(), 2);
    EXPECT_LE(Grid->CellRect(7, 1).Right, Grid->ClientWidth());
    QTest::keyClick(Grid->Widget(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Grid->Col(), 7 + visible - 1);
    EXPECT_EQ(Grid->LeftCol(), 7);
    QTest::keyClick(Grid->Widget(), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(Grid->Widget(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->LeftCol(), 2);
}

TEST_F(CustomGridTest, MovesScrollTheCurrentCellIntoView) {
    Grid->SetRowCount(30);
    Show();
    const int visible = Grid->VisibleRowCount();
    EXPECT_EQ(visible, 6); // 80 pixels: the fixed row and six rows of 11
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(Grid->Widget(), Qt::Key_Down);
    EXPECT_EQ(Grid->Row(), 11);
    EXPECT_EQ(Grid->TopRow(), 11 - visible + 1);
    QTest::keyClick(Grid->Widget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Grid->Row(), Grid->TopRow());
}

TEST_F(CustomGridTest, SizesAreStoredOnlyWhenTheyDiffer) {
    EXPECT_FALSE(TTestGrid::ColWidthsStored(Grid));
    Grid->SetColWidths(2, 33);
    EXPECT_TRUE(TTestGrid::ColWidthsStored(Grid));
    EXPECT_FALSE(TTestGrid::RowHeightsStored(Grid));
    TTestGrid other(nullptr);
    other.SetDefaultColWidth(20);
    other.SetColWidthsData(Grid->ColWidthsData());
    EXPECT_EQ(other.ColWidths(2), 33);
    EXPECT_EQ(other.ColWidths(1), 20);
    // Short data applies what it has; out-of-range writes are ignored.
    other.SetRowHeightsData(QByteArray("\x07\x00\x00\x00", 4));
    EXPECT_EQ(other.RowHeights(0), 7);
    EXPECT_EQ(other.RowHeights(1), 24);
    other.SetColWidths(99, 5);
    EXPECT_EQ(other.ColWidths(99), 0);
}

TEST_F(CustomGridTest, BorderStyleRecreatesTheWindow) {
    Show();
    // A mark rather than the address: the new window may be allocated where the old one was.
    Grid->Widget()->setProperty("oldWindow", true);
    Grid->SetBorderStyle(bsSingle);
    ASSERT_NE(Grid->Widget(), nullptr);
    EXPECT_FALSE(Grid->Widget()->property("oldWindow").isValid());
    EXPECT_EQ(Grid->Width() - Grid->ClientWidth(), 4);
    Grid->SetCtl3D(false);
    EXPECT_EQ(Grid->Width() - Grid->ClientWidth(), 2);
    EXPECT_THROW(Grid->SetFixedCols(5), EInvalidOperation);
}
