// Pixels of the default painting and what the painting events see.
#include "CalendarTestSupport.h"

#include "framework/graphics/Graphics.h"

#include <set>

class CalendarPaintTest : public CalendarFixture {
protected:
    void SetUp() override {
        CalendarFixture::SetUp();
        ShowForm();
    }
    // A pixel of the grabbed widget at client coordinates.
    static QRgb At(const QImage& img, const TVQCalendar* c, int x, int y) {
        const int border = (c->Width() - c->ClientWidth()) / 2;
        return img.pixel(x + border, y + border) | 0xFF000000u;
    }
    static QRgb Rgb(TColor c) { return ColorToQRgb(c) | 0xFF000000u; }
    // Bounding box of the pixels in r that differ from the background colour.
    static TRect Ink(const QImage& img, const TVQCalendar* c, const TRect& r, QRgb bg) {
        TRect box{r.Right, r.Bottom, r.Left, r.Top};
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (At(img, c, x, y) != bg) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box;
    }
};

TEST_F(CalendarPaintTest, DefaultLook) {
    const QImage img = Grab();
    const TRect head = Cal->CellRect(2, 0);
    EXPECT_EQ(At(img, Cal, head.Left + 2, head.Bottom - 2), Rgb(clBtnFace));
    // Raised edge along the left and top of a heading cell, black line below it.
    EXPECT_EQ(At(img, Cal, head.Left, head.Top + 5), Rgb(clBtnHighlight));
    EXPECT_EQ(At(img, Cal, head.Left + 5, head.Top), Rgb(clBtnHighlight));
    EXPECT_EQ(At(img, Cal, head.Left + 5, head.Bottom), Rgb(clBlack));
    // Silver lines between the dates.
    const TRect cell = Cal->CellRect(1, 2);
    EXPECT_EQ(At(img, Cal, cell.Right, cell.Top + 3), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(At(img, Cal, cell.Left + 3, cell.Bottom), qRgb(0xC0, 0xC0, 0xC0));
    // The current date in the highlight, inside the focus rectangle.
    const TRect cur = Cal->CellRect(3, 3);
    EXPECT_EQ(At(img, Cal, cur.Left + 1, cur.Bottom - 2), Rgb(clHighlight));
    // Neighbouring months' cells are empty.
    const TRect april = Cal->CellRect(0, 1);
    EXPECT_EQ(Ink(img, Cal, april, Rgb(clWindow)).Right, april.Left);
    // A date of the month has ink in the font colour.
    const TRect other = Cal->CellRect(1, 2);
    EXPECT_GT(Ink(img, Cal, other, Rgb(clWindow)).Right, other.Left);
}

TEST_F(CalendarPaintTest, NeighbouringDaysInGrayTextColor) {
    Cal->SetGrayTextColor(clRed);
    Cal->SetOptions(Cal->Options() + TVQCalendarOptions{vqcoDrawAllDates});
    const QImage img = Grab();
    const TRect april = Cal->CellRect(0, 1);
    bool red = false;
    for (int y = april.Top; y < april.Bottom; ++y)
        for (int x = april.Left; x < april.Right; ++x) {
            // Text is antialiased: a strongly red pixel is enough.
            const QRgb p = At(img, Cal, x, y);
            red = red || (qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90);
        }
    EXPECT_TRUE(red);
}

TEST_F(CalendarPaintTest, AlignmentPlacesTheDayNumber) {
    Cal->Font()->SetColor(clBlack);
    Cal->SetAlignment(vqcaTopRight);
    QImage img = Grab();
    const TRect r = Cal->CellRect(1, 4); // the 20th, not selected
    TRect ink = Ink(img, Cal, r, Rgb(clWindow));
    // The text box ends 2 pixels left of the cell's edge, its top 1 pixel below the cell's.
    EXPECT_LE(ink.Right, r.Right - 2);
    EXPECT_GE(ink.Right, r.Right - 4);
    EXPECT_GE(ink.Top, r.Top + 1);
    EXPECT_LT(ink.Top, r.Top + 5);
    Cal->SetAlignment(vqcaTopLeft);
    img = Grab();
    ink = Ink(img, Cal, r, Rgb(clWindow));
    EXPECT_GE(ink.Left, r.Left + 2);
    EXPECT_LE(ink.Left, r.Left + 4);
}

TEST_F(CalendarPaintTest, SelectColorRecoloursDateCells) {
    Cal->OnSelectColor = [](TObject*, TGridDrawState s, TDateTime d, TColor& bg, TColor&) {
        const int w = DayOfWeek(d);
        if (!s.Contains(gdSelected) && (w == 1 || w == 7)) bg = MakeColor(0xE8FFFF);
    };
    const QImage img = Grab();
    const TRect sunday = Cal->CellRect(0, 2);
    const TRect monday = Cal->CellRect(1, 2);
    EXPECT_EQ(At(img, Cal, sunday.Left + 1, sunday.Bottom - 2), qRgb(0xFF, 0xFF, 0xE8));
    EXPECT_EQ(At(img, Cal, monday.Left + 1, monday.Bottom - 2), Rgb(clWindow));
}

TEST_F(CalendarPaintTest, DrawEventsReachEveryCell) {
    std::set<double> dates;
    std::set<int> headings;
    Cal->SetOptions(Cal->Options() - TVQCalendarOptions{vqcoDefaultDrawing});
    Cal->OnDrawDate = [&](TObject*, TGridDrawState, const TRect&, TDateTime d) { dates.insert(d); };
    Cal->OnDrawHeading = [&](TObject*, const TRect&, TVQDayOfWeek w) { headings.insert(w); };
    Grab();
    EXPECT_EQ(dates.size(), 42u);
    EXPECT_EQ(*dates.begin(), EncodeDate(2024, 4, 28));
    EXPECT_EQ(headings.size(), 7u);
}
