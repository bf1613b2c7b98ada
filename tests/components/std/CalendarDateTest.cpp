// The date grid: month layouts, cells and dates, and the date-part setters.
#include "CalendarTestSupport.h"

#include <cmath>

namespace {

struct LayoutCase {
    int year, month;
    TVQDayOfWeek start;
    int offset;
    int length;
};

// One month for every offset with each start day the demo windows use.
const LayoutCase kLayouts[] = {
    {2024, 9, vqdSunday, 0, 30}, {2024, 1, vqdSunday, 1, 31}, {2024, 10, vqdSunday, 2, 31},
    {2024, 5, vqdSunday, 3, 31}, {2024, 2, vqdSunday, 4, 29}, {2024, 3, vqdSunday, 5, 31},
    {2024, 6, vqdSunday, 6, 30}, {2024, 1, vqdMonday, 0, 31}, {2024, 10, vqdMonday, 1, 31},
    {2024, 5, vqdMonday, 2, 31}, {2024, 2, vqdMonday, 3, 29}, {2024, 3, vqdMonday, 4, 31},
    {2024, 6, vqdMonday, 5, 30}, {2024, 9, vqdMonday, 6, 30},
};

} // namespace

using CalendarDateTest = CalendarFixture;

TEST_F(CalendarDateTest, MonthLayoutsForEveryOffset) {
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + " start " +
                     std::to_string(int(c.start)));
        Cal->SetStartOfWeek(c.start);
        Cal->SetDate(EncodeDate(c.year, c.month, 15));
        const TDateTime first = EncodeDate(c.year, c.month, 1);
        EXPECT_EQ(TVQCalendar::MonthOffset(first, c.start), c.offset);
        EXPECT_EQ(Cal->CellToDate(c.offset, 1), first);
        EXPECT_EQ(Cal->CellText(c.offset, 1), "1");
        // The cells before the 1st hold the previous month's last days.
        EXPECT_EQ(Cal->CellToDate(0, 1), first - c.offset);
        EXPECT_EQ(Cal->CellText(0, 0), c.start == vqdSunday ? "Sun" : "Mon");
        const int k = c.length + c.offset + 6;
        EXPECT_EQ(Cal->CellToDate(k % 7, k / 7), EncodeDate(c.year, c.month, c.length));
        // And the cell after the last day holds the 1st of the next month.
        const int n = k - 7 + 1;
        EXPECT_EQ(Cal->CellText(n % 7, n / 7 + 1), "1");
    }
}

TEST_F(CalendarDateTest, FebruaryStartingOnTheStartDayFillsFourRows) {
    Cal->SetDate(EncodeDate(2026, 2, 10)); // 1 February 2026 is a Sunday
    EXPECT_EQ(Cal->CellToDate(0, 1), EncodeDate(2026, 2, 1));
    EXPECT_EQ(Cal->CellToDate(6, 4), EncodeDate(2026, 2, 28));
    EXPECT_EQ(Cal->CellToDate(0, 5), EncodeDate(2026, 3, 1));
    EXPECT_EQ(Cal->CellToDate(6, 6), EncodeDate(2026, 3, 14));
}

TEST_F(CalendarDateTest, LongMonthWithOffsetSixEndsInTheLastRow) {
    Cal->SetDate(EncodeDate(2025, 3, 1)); // a Saturday
    int col = -1, row = -1;
    ASSERT_TRUE(Cal->DateToCell(EncodeDate(2025, 3, 31), col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 6);
}

TEST_F(CalendarDateTest, HeadingRowHasNoDate) {
    EXPECT_EQ(Cal->CellToDate(3, 0), -1);
    EXPECT_EQ(Cal->CellToDate(3, -1), -1);
    EXPECT_EQ(Cal->CellText(3, -1), "");
}

// 1 January 1900 is a Monday (day 2), so a week starting Tuesday to Friday shows 29 December
// 1899, day -1, in the first row: a date like any other there, whatever the heading answers.
TEST_F(CalendarDateTest, January1900ForEveryStartDayShowsEveryDate) {
    const TDateTime first = EncodeDate(1900, 1, 1);
    ASSERT_EQ(first, 2);
    for (int s = 0; s < 7; ++s) {
        SCOPED_TRACE("start day " + std::to_string(s));
        Cal->SetStartOfWeek(TVQDayOfWeek(s));
        Cal->SetDate(EncodeDate(1900, 1, 15));
        const int offset = (1 - s + 7) % 7; // the Monday's column
        for (int n = 0; n < 42; ++n) {
            const TDateTime d = first - offset + n;
            int y, m, day;
            DecodeDate(d, y, m, day);
            ASSERT_EQ(Cal->CellToDate(n % 7, n / 7 + 1), d);
            EXPECT_EQ(Cal->CellText(n % 7, n / 7 + 1), QString::number(day)) << DayText(d);
        }
        int col = -1, row = -1;
        EXPECT_EQ(Cal->DateToCell(-1, col, row), s >= vqdTuesday && s <= vqdFriday);
    }
}

TEST_F(CalendarDateTest, CellsAndDatesAreInversesOverAYear) {
    for (TVQDayOfWeek start : {vqdSunday, vqdMonday, vqdSaturday}) {
        Cal->SetStartOfWeek(start);
        for (TDateTime d = EncodeDate(2023, 1, 1); d <= EncodeDate(2023, 12, 31); d += 1) {
            Cal->SetDate(d);
            int col = -1, row = -1;
            ASSERT_TRUE(Cal->DateToCell(d, col, row)) << DayText(d);
            EXPECT_EQ(Cal->CellToDate(col, row), d) << DayText(d);
            // The current cell is the date's cell.
            EXPECT_EQ(Cal->Col(), col) << DayText(d);
            EXPECT_EQ(Cal->Row(), row) << DayText(d);
            EXPECT_GE(row, 1);
            EXPECT_LE(row, 6);
        }
    }
    // Every one of the 42 cells maps back to itself.
    for (int row = 1; row <= 6; ++row)
        for (int col = 0; col < 7; ++col) {
            int c = -1, r = -1;
            ASSERT_TRUE(Cal->DateToCell(Cal->CellToDate(col, row), c, r));
            EXPECT_EQ(c, col);
            EXPECT_EQ(r, row);
        }
}

TEST_F(CalendarDateTest, MonthLengths) {
    const struct {
        int year, month, days;
    } cases[] = {{2000, 2, 29}, {2004, 2, 29},  {1900, 2, 28}, {2001, 2, 28}, {2023, 1, 31},
                 {2023, 4, 30}, {2023, 12, 31}, {1600, 2, 29}, {2100, 2, 28}};
    for (const auto& c : cases)
        EXPECT_EQ(TVQCalendar::MonthLength(EncodeDate(c.year, c.month, 1)), c.days)
            << c.year << "-" << c.month;
}

TEST_F(CalendarDateTest, DatePartsClampAndIgnore) {
    const struct {
        TDateTime start;
        int part; // 1 year, 2 month, 3 day
        int value;
        TDateTime expected;
    } cases[] = {
        {EncodeDate(2001, 1, 31), 2, 2, EncodeDate(2001, 2, 28)},
        {EncodeDate(2004, 1, 31), 2, 2, EncodeDate(2004, 2, 29)},
        {EncodeDate(2000, 2, 29), 1, 2001, EncodeDate(2001, 2, 28)},
        {EncodeDate(2000, 2, 29), 1, 2004, EncodeDate(2004, 2, 29)},
        {EncodeDate(2023, 1, 10), 3, 31, EncodeDate(2023, 1, 31)},
        {EncodeDate(2023, 3, 31), 2, 4, EncodeDate(2023, 4, 30)},
        // Ignored values leave the date as it was.
        {EncodeDate(2023, 5, 10), 2, 0, EncodeDate(2023, 5, 10)},
        {EncodeDate(2023, 5, 10), 2, 13, EncodeDate(2023, 5, 10)},
        {EncodeDate(2023, 5, 10), 3, 32, EncodeDate(2023, 5, 10)},
        {EncodeDate(2023, 4, 10), 3, 31, EncodeDate(2023, 4, 10)},
        {EncodeDate(2023, 5, 10), 3, 0, EncodeDate(2023, 5, 10)},
    };
    for (const auto& c : cases) {
        Cal->SetDate(c.start);
        int changes = 0;
        Cal->OnChange = [&](TObject*) { ++changes; };
        if (c.part == 1) Cal->SetYear(c.value);
        if (c.part == 2) Cal->SetMonth(c.value);
        if (c.part == 3) Cal->SetDay(c.value);
        EXPECT_EQ(Cal->Date(), c.expected)
            << DayText(c.start) << " part " << c.part << " = " << c.value;
        EXPECT_EQ(changes, c.expected == c.start ? 0 : 1);
        Cal->OnChange = nullptr;
    }
}

TEST_F(CalendarDateTest, InvalidYearRaisesAndKeepsTheDate) {
    const TDateTime start = EncodeDate(2024, 5, 15);
    for (int year : {0, -1, 10000, 70000}) {
        int changes = 0;
        Cal->OnChange = [&](TObject*) { ++changes; };
        try {
            Cal->SetYear(year);
            ADD_FAILURE() << "year " << year << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
        EXPECT_EQ(Cal->Date(), start);
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(CalendarDateTest, TimeOfDayIsKeptByDateAndDroppedByParts) {
    const TDateTime noon = EncodeDate(2024, 5, 15) + 0.5;
    int changes = 0;
    Cal->OnChange = [&](TObject*) { ++changes; };
    Cal->SetDate(noon);
    EXPECT_EQ(Cal->Date(), noon);
    Cal->SetDate(noon);
    EXPECT_EQ(changes, 1);
    // An ignored month still re-encodes the date without its time.
    Cal->SetMonth(13);
    EXPECT_EQ(Cal->Date(), EncodeDate(2024, 5, 15));
    EXPECT_EQ(changes, 2);
}

TEST_F(CalendarDateTest, StartOfWeekMovesTheCurrentCellOnly) {
    int changes = 0;
    Cal->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(Cal->Col(), 3); // Wednesday under Sunday
    Cal->SetStartOfWeek(vqdMonday);
    EXPECT_EQ(Cal->Col(), 2);
    EXPECT_EQ(Cal->Row(), 3);
    EXPECT_EQ(Cal->Date(), EncodeDate(2024, 5, 15));
    EXPECT_EQ(changes, 0);
}

TEST_F(CalendarDateTest, HeadingTextsFollowStyleAndStartDay) {
    Cal->SetStartOfWeek(vqdMonday);
    EXPECT_EQ(Cal->CellText(6, 0), "Sun");
    Cal->SetHeadingStyle(vqdLongName);
    EXPECT_EQ(Cal->CellText(0, 0), "Monday");
    Cal->SetHeadingStyle(vqdSingleLetter);
    EXPECT_EQ(Cal->CellText(5, 0), "S");
    EXPECT_EQ(Cal->CellText(1, 0), "T");
    // Neighbouring months' days show their day number too.
    EXPECT_EQ(Cal->CellText(0, 1), "29");
}

TEST_F(CalendarDateTest, ProgramChangesFireOnlyOnChange) {
    RecordEvents();
    Cal->OnDrawDate = nullptr;
    Cal->SetDay(20);
    Cal->SetMonth(6);
    Cal->SetYear(2025);
    Cal->SetDate(EncodeDate(2025, 7, 4));
    EXPECT_EQ(Log, (Events{"change 5/20", "change 6/20", "change 6/20", "change 7/4"}));
}
