// Cell sizing and the options, fonts and border that change it.
#include "CalendarTestSupport.h"

using CalendarSizingTest = CalendarFixture;

namespace {
std::vector<int> Cols(const TVQCalendar* c) {
    std::vector<int> v;
    for (int i = 0; i < 7; ++i)
        v.push_back(c->ColWidths(i));
    return v;
}
std::vector<int> Rows(const TVQCalendar* c) {
    std::vector<int> v;
    for (int i = 0; i < 7; ++i)
        v.push_back(c->RowHeights(i));
    return v;
}
} // namespace

TEST_F(CalendarSizingTest, ReadOnlyWindowSizeIsNotIntegral) {
    Form->HandleNeeded();
    Cal->SetOptions({vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, vqcoDrawAllDates,
                     vqcoDrawGridLines, vqcoReadOnly});
    Cal->HeadingFont()->SetHeight(-13);
    Cal->SetBounds(12, 112, 569, 277);
    EXPECT_EQ(Cal->Width(), 569);
    EXPECT_EQ(Cal->Height(), 277);
    EXPECT_EQ(Cols(Cal), (std::vector<int>{79, 79, 79, 79, 79, 79, 85}));
    EXPECT_EQ(Rows(Cal), (std::vector<int>{17, 41, 41, 41, 41, 41, 45}));
}

TEST_F(CalendarSizingTest, StandardWindowSizeIsIntegral) {
    Form->HandleNeeded();
    Cal->SetBounds(20, 64, 185, 96);
    EXPECT_EQ(Cal->Width(), 185);
    EXPECT_EQ(Cal->Height(), 96);
    EXPECT_EQ(Cols(Cal), (std::vector<int>(7, 25)));
    EXPECT_EQ(Rows(Cal), (std::vector<int>{14, 12, 12, 12, 12, 12, 12}));
}

TEST_F(CalendarSizingTest, ResizeSnapsOrSpreadsTheRemainder) {
    Form->HandleNeeded();
    Cal->SetBounds(20, 64, 190, 100);
    EXPECT_EQ(Cal->Width(), 185);
    EXPECT_EQ(Cal->Height(), 96);
    Cal->SetOptions(Cal->Options() - TVQCalendarOptions{vqcoIntegralSize});
    Cal->SetBounds(20, 64, 190, 100);
    EXPECT_EQ(Cal->Width(), 190);
    EXPECT_EQ(Cal->Height(), 100);
    EXPECT_EQ(Cal->ColWidths(0), 25);
    EXPECT_EQ(Cal->ColWidths(6), 30);
    EXPECT_EQ(Cal->RowHeights(1), 12);
    EXPECT_EQ(Cal->RowHeights(6), 16);
}

TEST_F(CalendarSizingTest, PopupSettingsGiveFourteenThirteenTwentyFive) {
    Form->HandleNeeded();
    Cal->SetBorderStyle(bsNone);
    Cal->SetCtl3D(true);
    Cal->SetOptions({vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, vqcoDrawAllDates,
                     vqcoDrawSelected, vqcoDrawFocused});
    Cal->SetBounds(0, 22, 181, 98);
    EXPECT_EQ(Cal->Width(), 181);
    EXPECT_EQ(Cal->Height(), 98);
    EXPECT_EQ(Cols(Cal), (std::vector<int>(7, 25)));
    EXPECT_EQ(Rows(Cal), (std::vector<int>{14, 13, 13, 13, 13, 13, 13}));
    // The heading keeps its black lines; the date lines only take their pixel.
    EXPECT_EQ(Cal->GridOptions(), (TGridOptions{goFixedVertLine, goFixedHorzLine}));
}

TEST_F(CalendarSizingTest, HeadingsOffAndOnChangeTheHeightByTheHeadingRow) {
    Form->HandleNeeded();
    Cal->SetBounds(20, 64, 185, 96);
    Cal->SetOptions(Cal->Options() - TVQCalendarOptions{vqcoShowHeadings});
    EXPECT_EQ(Cal->Height(), 96 - 15);
    EXPECT_EQ(Cal->RowHeights(0), -1);
    EXPECT_EQ(Rows(Cal), (std::vector<int>{-1, 12, 12, 12, 12, 12, 12}));
    EXPECT_EQ(Cal->CellRect(3, 0), TRect{}); // hidden together with its line
    EXPECT_EQ(Cal->CellRect(0, 1).Top, 0);
    Cal->SetOptions(Cal->Options() + TVQCalendarOptions{vqcoShowHeadings});
    EXPECT_EQ(Cal->Height(), 96);
    EXPECT_EQ(Cal->RowHeights(0), 14);
}

TEST_F(CalendarSizingTest, SelectAllDatesBringsDrawAllDates) {
    Cal->SetOptions(TVQCalendar::DefaultOptions + TVQCalendarOptions{vqcoSelectAllDates});
    EXPECT_TRUE(Cal->Options().Contains(vqcoDrawAllDates));
    EXPECT_EQ(Cal->Options().Bits(), 0xEBu | 0x10u | 0x100u);
}

TEST_F(CalendarSizingTest, GridLineOptionSwitchesTheGridsLines) {
    Cal->SetCtl3D(false);
    Cal->SetOptions(Cal->Options() - TVQCalendarOptions{vqcoDrawGridLines});
    EXPECT_TRUE(Cal->GridOptions().Empty());
    Cal->SetCtl3D(true);
    EXPECT_EQ(Cal->GridOptions(), (TGridOptions{goFixedVertLine, goFixedHorzLine}));
    Cal->SetOptions(Cal->Options() + TVQCalendarOptions{vqcoDrawGridLines});
    EXPECT_EQ(Cal->GridOptions(),
              (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine}));
}

TEST_F(CalendarSizingTest, HeadingFontMirrorsFontUntilSetOnItsOwn) {
    Form->HandleNeeded();
    Cal->SetBounds(20, 64, 185, 96);
    EXPECT_FALSE(Cal->Options().Contains(vqcoUseHeadingFont));
    Cal->Font()->SetHeight(-13);
    EXPECT_EQ(Cal->HeadingFont()->Height(), -13);
    EXPECT_FALSE(Cal->Options().Contains(vqcoUseHeadingFont));
    EXPECT_EQ(Cal->RowHeights(0), 17);

    TFont bold;
    bold.SetStyle({fsBold});
    bold.SetHeight(-11);
    Cal->SetHeadingFont(&bold);
    EXPECT_TRUE(Cal->Options().Contains(vqcoUseHeadingFont));
    EXPECT_EQ(Cal->RowHeights(0), 14);
    Cal->Font()->SetHeight(-20);
    EXPECT_EQ(Cal->HeadingFont()->Height(), -11);
    EXPECT_EQ(Cal->HeadingFont()->Style(), TFontStyles{fsBold});

    Cal->SetOptions(Cal->Options() - TVQCalendarOptions{vqcoUseHeadingFont});
    EXPECT_EQ(Cal->HeadingFont()->Height(), -20);
    EXPECT_TRUE(Cal->HeadingFont()->Style().Empty());
    EXPECT_FALSE(Cal->Options().Contains(vqcoUseHeadingFont));
}

TEST_F(CalendarSizingTest, BorderChangeKeepsTheClientSizeWhenIntegral) {
    Form->HandleNeeded();
    Cal->SetBounds(20, 64, 185, 96);
    const int cw = Cal->ClientWidth(), ch = Cal->ClientHeight();
    Cal->SetBorderStyle(bsNone);
    EXPECT_EQ(Cal->ClientWidth(), cw);
    EXPECT_EQ(Cal->ClientHeight(), ch);
    EXPECT_EQ(Cal->Width(), 181);
    EXPECT_EQ(Cal->Height(), 92);
    EXPECT_EQ(Cal->ColWidths(0), 25);
    EXPECT_EQ(Cal->RowHeights(1), 12);
}
