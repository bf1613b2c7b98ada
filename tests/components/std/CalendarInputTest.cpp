// Mouse and keyboard input with the event orders they produce.
#include "CalendarTestSupport.h"

#include <algorithm>

class CalendarInputTest : public CalendarFixture {
protected:
    void SetUp() override {
        CalendarFixture::SetUp();
        ShowForm();
        RecordEvents();
        // The modifier keys that QTest presses around a key do not count.
        Cal->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
            if (key != VK_CONTROL && key != VK_SHIFT) Log.push_back("keydown");
        };
        // Painting caused by showing and focusing is not part of what the tests look at.
        Log.clear();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        Log.clear();
        QTest::keyClick(Cal->Widget(), key, mods);
    }
    void ClickCell(int col, int row) {
        Log.clear();
        QTest::mouseClick(Cal->Widget(), Qt::LeftButton, Qt::NoModifier, CellPoint(col, row));
    }
    // What a window receives for a double click: press, release, double click, release.
    void DoubleClick(QPoint p) {
        QTest::mouseClick(Cal->Widget(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseDClick(Cal->Widget(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(Cal->Widget(), Qt::LeftButton, Qt::NoModifier, p);
    }
    TDateTime D(int m, int d) { return EncodeDate(2024, m, d); }
};

// May 2024 under a Sunday start: the 1st is in column 3 of row 1; the 15th in (3, 3).

TEST_F(CalendarInputTest, ClickOnAnotherDateOfTheMonth) {
    ClickCell(1, 4); // the 20th
    EXPECT_EQ(Log, (Events{"select 5/20", "select 5/20", "paint", "click", "change 5/20"}));
    EXPECT_EQ(Cal->Date(), D(5, 20));
    EXPECT_EQ(Cal->Col(), 1);
    EXPECT_EQ(Cal->Row(), 4);
}

TEST_F(CalendarInputTest, ArrowKeyOntoADateOfTheMonth) {
    Key(Qt::Key_Right);
    EXPECT_EQ(Log, (Events{"keydown", "select 5/16", "paint", "click", "change 5/16"}));
    Key(Qt::Key_Up);
    EXPECT_EQ(Log, (Events{"keydown", "select 5/9", "paint", "click", "change 5/9"}));
    EXPECT_EQ(Cal->Date(), D(5, 9));
}

TEST_F(CalendarInputTest, NavigationKeysReachTheirTargets) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int day;
    } cases[] = {
        {Qt::Key_Home, Qt::NoModifier, 12},       {Qt::Key_End, Qt::NoModifier, 18},
        {Qt::Key_PageUp, Qt::NoModifier, 1},      {Qt::Key_PageDown, Qt::NoModifier, 15},
        {Qt::Key_Left, Qt::ControlModifier, 12},  {Qt::Key_Right, Qt::ControlModifier, 18},
        {Qt::Key_PageUp, Qt::ControlModifier, 1}, {Qt::Key_Left, Qt::ShiftModifier, 14},
    };
    for (const auto& c : cases) {
        Cal->SetDate(D(5, 15));
        Key(c.key, c.mods);
        EXPECT_EQ(Cal->Date(), D(5, c.day)) << "key " << c.key;
    }
    // Ctrl+Home lands on a day of April, which may not be selected: nothing moves.
    Cal->SetDate(D(5, 15));
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Log, (Events{"keydown", "click"}));
    EXPECT_EQ(Cal->Date(), D(5, 15));
}

TEST_F(CalendarInputTest, KeyDownHandlerCanSwallowTheKey) {
    Cal->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
        Log.push_back("keydown");
        key = 0;
    };
    Key(Qt::Key_Right);
    EXPECT_EQ(Log, (Events{"keydown"}));
    EXPECT_EQ(Cal->Date(), D(5, 15));
}

TEST_F(CalendarInputTest, MoveOntoNeighbouringMonthWithSelectAllDates) {
    Cal->SetOptions(Cal->Options() + TVQCalendarOptions{vqcoSelectAllDates});
    Cal->SetDate(D(5, 31)); // (5, 5); below it, 7 June
    Key(Qt::Key_Down);
    EXPECT_EQ(Log, (Events{"keydown", "select 6/7", "paint", "click", "paint", "change 6/7"}));
    EXPECT_EQ(Cal->Date(), D(6, 7));
    // June 2024 starts on a Saturday: the 7th is in column 5 of row 2.
    EXPECT_EQ(Cal->Col(), 5);
    EXPECT_EQ(Cal->Row(), 2);
}

TEST_F(CalendarInputTest, TheLastDayOf1899IsPaintedAndPickedLikeAnyOther) {
    Cal->SetOptions(Cal->Options() + TVQCalendarOptions{vqcoSelectAllDates});
    Cal->SetStartOfWeek(vqdFriday); // 29 December 1899 (day -1) is in column 0 of row 1
    Cal->SetDate(EncodeDate(1900, 1, 10));
    std::vector<TDateTime> drawn;
    Cal->OnDrawDate = [&](TObject*, TGridDrawState, const TRect&, TDateTime d) {
        drawn.push_back(d);
    };
    Grab();
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), -1), drawn.end());
    RecordEvents();
    ClickCell(0, 1);
    EXPECT_EQ(Log,
              (Events{"select 12/29", "select 12/29", "paint", "click", "paint", "change 12/29"}));
    EXPECT_EQ(Cal->Date(), -1);
}

TEST_F(CalendarInputTest, MoveOntoNeighbouringMonthWithoutSelectAllDates) {
    Cal->SetDate(D(5, 31));
    Key(Qt::Key_Down);
    EXPECT_EQ(Log, (Events{"keydown", "click"}));
    EXPECT_EQ(Cal->Date(), D(5, 31));
    EXPECT_EQ(Cal->Row(), 5);
}

TEST_F(CalendarInputTest, MovesClampedOntoTheCurrentCellDoNothing) {
    Cal->SetDate(D(5, 18)); // column 6
    Key(Qt::Key_Right);
    EXPECT_EQ(Log, (Events{"keydown"}));
    Cal->SetDate(D(5, 12)); // column 0
    Key(Qt::Key_Left);
    EXPECT_EQ(Log, (Events{"keydown"}));
    Cal->SetDate(D(3, 31)); // March 2024 ends in column 0 of row 6
    EXPECT_EQ(Cal->Row(), 6);
    Key(Qt::Key_Down);
    EXPECT_EQ(Log, (Events{"keydown"}));
}

TEST_F(CalendarInputTest, SundayVetoByKeyboardMouseAndDrag) {
    RefuseSundays = true;
    Cal->SetDate(D(5, 13)); // a Monday
    Key(Qt::Key_Left);
    EXPECT_EQ(Log, (Events{"keydown", "select 5/12", "click"}));
    EXPECT_EQ(Cal->Date(), D(5, 13));

    ClickCell(0, 4); // Sunday the 19th: only focuses
    EXPECT_EQ(Log, (Events{"select 5/19"}));
    EXPECT_EQ(Cal->Date(), D(5, 13));

    // Drag from the 15th over Sunday the 19th to Monday the 20th.
    Cal->SetDate(D(5, 15));
    Log.clear();
    QTest::mousePress(Cal->Widget(), Qt::LeftButton, Qt::NoModifier, CellPoint(3, 3));
    QTest::mouseMove(Cal->Widget(), CellPoint(0, 4));
    EXPECT_EQ(Cal->Col(), 3);
    EXPECT_EQ(Cal->Row(), 3);
    QTest::mouseMove(Cal->Widget(), CellPoint(1, 4));
    QTest::mouseRelease(Cal->Widget(), Qt::LeftButton, Qt::NoModifier, CellPoint(1, 4));
    EXPECT_EQ(Log, (Events{"select 5/15", "select 5/15", "select 5/19", "select 5/20", "paint",
                           "click", "change 5/20"}));
    EXPECT_EQ(Cal->Date(), D(5, 20));
}

TEST_F(CalendarInputTest, HeadingAndOutsideClicksOnlyFocus) {
    ClickCell(2, 0);
    EXPECT_EQ(Log, Events{});
    QTest::mouseClick(Cal->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1)); // border
    EXPECT_EQ(Log, Events{});
    EXPECT_EQ(Cal->Date(), D(5, 15));
}

TEST_F(CalendarInputTest, DoubleClicks) {
    // On a neighbouring month's day that may not be selected: nothing at all.
    Log.clear();
    DoubleClick(CellPoint(0, 1));
    EXPECT_EQ(Log, Events{});
    // On a date of the month: selected by the first press, then the double click.
    Log.clear();
    DoubleClick(CellPoint(4, 3));
    EXPECT_EQ(Log, (Events{"select 5/16", "select 5/16", "paint", "click", "change 5/16",
                           "select 5/16", "dblclick"}));
    EXPECT_EQ(Cal->Date(), D(5, 16));
}

TEST_F(CalendarInputTest, ReadOnlyReportsButNeverChangesTheDate) {
    Cal->SetOptions(Cal->Options() + TVQCalendarOptions{vqcoReadOnly});
    ClickCell(1, 4);
    EXPECT_EQ(Log, (Events{"click"}));
    Log.clear();
    QTest::mouseClick(Cal->Widget(), Qt::RightButton, Qt::NoModifier, CellPoint(2, 0));
    EXPECT_EQ(Log, (Events{"click"}));
    Log.clear();
    DoubleClick(CellPoint(1, 4));
    EXPECT_EQ(Log, (Events{"click", "dblclick"}));
    Key(Qt::Key_Right);
    EXPECT_EQ(Log, (Events{"keydown", "click"}));
    EXPECT_EQ(Cal->Date(), D(5, 15));
}
