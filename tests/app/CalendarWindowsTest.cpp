// The calendar demo windows: Form6's check boxes and their couplings, the Sunday rule and the
// colour handlers; Form7's up-down arrows and labels, its read-only calendar, the drop
// information and the notes drawn into weekday cells.
#include "app/DemoProgram.h"
#include "app/Form5.h"
#include "app/Form6.h"
#include "app/Form7.h"
#include "components/dialogs/VQCalPop/VQCalPop.h"
#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQCalendar.h"
#include "framework/comctrls/UpDown.h"
#include "framework/controls/Dialogs.h"
#include "framework/stdctrls/BitBtn.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Label.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr TColor clPaleYellow = TColor(0xE8FFFF);

template <class F> struct WindowFixture : ::testing::Test {
    void SetUp() override {
        SetFormatSettings(TFormatSettings::English());
        TDemoProgram::RegisterProgramClasses();
        InitializeVQGfxCmp();
        Form.reset(TForm::CreateFromResource<F>(nullptr));
    }
    void TearDown() override {
        Form.reset();
        FinalizeVQGfxCmp();
        ResetFormatSettings();
    }
    void ShowForm() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    }
    static QPoint Centre(const TRect& r) {
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    std::unique_ptr<F> Form;
};

using Form6 = WindowFixture<TForm6Fm>;
using Form7 = WindowFixture<TForm7Fm>;

std::string OptionNames(TVQCalendarOptions o) {
    std::string out;
    const std::pair<TVQCalendarOption, const char*> names[] = {
        {vqcoShowHeadings, "H"},   {vqcoDrawGridLines, "G"}, {vqcoDrawAllDates, "A"},
        {vqcoSelectAllDates, "S"}, {vqcoDrawSelected, "L"},  {vqcoDrawFocused, "F"}};
    for (auto [o1, n] : names)
        if (o.Contains(o1)) out += n;
    return out;
}

TEST_F(Form6, CheckBoxesSwitchTheCustomCalendarsOptions) {
    const TDateTime today = ::Date();
    EXPECT_EQ(Form->VQCalendar1->Date(), today);
    EXPECT_EQ(Form->VQCalendar2->Date(), today);
    EXPECT_EQ(Form->VQCalendar3->Date(), today);
    EXPECT_EQ(Form->VQCalendar2->StartOfWeek(), vqdMonday);
    EXPECT_EQ(Form->VQCalendar2->OnDrawDate != nullptr, true); // the custom drawing is attached
    EXPECT_EQ(OptionNames(Form->VQCalendar2->Options()), "HGALF");
    // Each step: the box and its new state, then the options and the boxes 2, 4, 6 after it.
    struct Step {
        TCheckBox* TForm6Fm::*box;
        bool checked;
        const char* options;
        bool box2, box4, box6;
    } const steps[] = {
        {&TForm6Fm::CheckBox1, false, "GALF", true, false, true},
        {&TForm6Fm::CheckBox1, true, "HGALF", true, false, true},
        {&TForm6Fm::CheckBox3, false, "HALF", true, false, true},
        {&TForm6Fm::CheckBox4, true, "HASLF", true, true, true},
        {&TForm6Fm::CheckBox2, false, "HLF", false, false, true}, // takes "select all" along
        {&TForm6Fm::CheckBox4, true, "HASLF", true, true, true},  // brings "draw all" back
        {&TForm6Fm::CheckBox4, false, "HALF", true, false, true},
        {&TForm6Fm::CheckBox5, false, "HAF", true, false, true},
        {&TForm6Fm::CheckBox6, false, "HA", true, false, false},
        {&TForm6Fm::CheckBox6, true, "HAF", true, false, true},
        {&TForm6Fm::CheckBox7, true, "HA", true, false, false}, // custom drawing drops focus
        {&TForm6Fm::CheckBox5, true, "HAL", true, false, false},
    };
    for (const Step& s : steps) {
        TCheckBox* box = Form.get()->*s.box;
        box->SetChecked(s.checked);
        const std::string what = box->Name().toStdString() + (s.checked ? " on" : " off");
        EXPECT_EQ(OptionNames(Form->VQCalendar2->Options()), s.options) << what;
        EXPECT_EQ(Form->CheckBox2->Checked(), s.box2) << what;
        EXPECT_EQ(Form->CheckBox4->Checked(), s.box4) << what;
        EXPECT_EQ(Form->CheckBox6->Checked(), s.box6) << what;
    }
}

TEST_F(Form6, SundaysCanBeRefused) {
    ShowForm();
    TVQCalendar* cal = Form->VQCalendar2;
    // Checking or unchecking on a Sunday moves the date to the 1st.
    cal->SetDate(EncodeDate(2024, 3, 10)); // a Sunday
    Form->CheckBox8->SetChecked(true);
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 1));
    cal->SetDate(EncodeDate(2024, 3, 17));
    Form->CheckBox8->SetChecked(false);
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 1));
    cal->SetDate(EncodeDate(2024, 3, 13)); // a Wednesday stays
    Form->CheckBox8->SetChecked(true);
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 13));

    // Neither the keys nor the mouse reach a Sunday now.
    cal->SetDate(EncodeDate(2024, 3, 16)); // Saturday, the Sunday is to its right
    cal->SetFocus();
    QTest::keyClick(cal->Widget(), Qt::Key_Right);
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 16));
    int col = 0, row = 0;
    ASSERT_TRUE(cal->DateToCell(EncodeDate(2024, 3, 24), col, row));
    QTest::mouseClick(cal->Widget(), Qt::LeftButton, {}, Centre(cal->CellRect(col, row)));
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 16));
    Form->CheckBox8->SetChecked(false);
    QTest::keyClick(cal->Widget(), Qt::Key_Right);
    EXPECT_EQ(cal->Date(), EncodeDate(2024, 3, 17));
}

TEST_F(Form6, ColourHandlersShadeWeekendsTodayAndTheCustomSelection) {
    const TDateTime saturday = EncodeDate(2024, 3, 16), monday = EncodeDate(2024, 3, 18);
    const TDateTime today = ::Date();
    const TColor back = clWindow, font = clWindowText;
    struct Case {
        const char* what;
        bool calendar3, selected, drawSelected, custom;
        TDateTime date;
        TColor color, fontColor;
    } const cases[] = {
        {"2: weekend", false, false, true, false, saturday, clPaleYellow, font},
        {"2: weekday", false, false, true, false, monday, back, font},
        {"2: selected weekend", false, true, true, false, saturday, back, font},
        {"2: selected weekend, no selection drawn", false, true, false, false, saturday,
         clPaleYellow, font},
        {"2: selected weekday, custom", false, true, true, true, monday, clBtnFace, font},
        {"2: selected weekend, custom", false, true, true, true, saturday, clBtnFace, font},
        {"3: weekend", true, false, true, false, saturday, clPaleYellow, font},
        {"3: today", true, false, true, false, today,
         DayOfWeek(today) % 6 == 1 ? clPaleYellow : back, clGreen},
        {"3: selected today", true, true, true, false, today, back, font},
    };
    for (const Case& c : cases) {
        TVQCalendarOptions options = Form->VQCalendar2->Options();
        if (c.drawSelected)
            options.Include(vqcoDrawSelected);
        else
            options.Exclude(vqcoDrawSelected);
        Form->VQCalendar2->SetOptions(options);
        Form->CheckBox7->SetChecked(c.custom);
        TColor color = back, fontColor = font;
        const TGridDrawState state = c.selected ? TGridDrawState{gdSelected} : TGridDrawState{};
        if (c.calendar3)
            Form->VQCalendar3SelectColor(Form->VQCalendar3, state, c.date, color, fontColor);
        else
            Form->VQCalendar2SelectColor(Form->VQCalendar2, state, c.date, color, fontColor);
        EXPECT_EQ(color, c.color) << c.what;
        EXPECT_EQ(fontColor, c.fontColor) << c.what;
    }
}

TEST_F(Form6, CustomDrawnSelectionReadsInTheProgramsPalette) {
    // The selected number keeps clHighlightText on the custom cell's clBtnFace.
    const QPalette before = QGuiApplication::palette();
    TDemoProgram::UseReadableHighlightText();
    ShowForm();
    TVQCalendar* cal = Form->VQCalendar2;
    cal->SetDate(EncodeDate(2024, 3, 13)); // a Wednesday
    Form->CheckBox7->SetChecked(true);
    int col = 0, row = 0;
    ASSERT_TRUE(cal->DateToCell(cal->Date(), col, row));
    const TRect r = cal->CellRect(col, row);
    const QImage shot = cal->Widget()->grab().toImage();
    const int border = (cal->Width() - cal->ClientWidth()) / 2;
    auto at = [&](int x, int y) { return shot.pixelColor(x + border, y + border); };
    auto luminance = [](const QColor& c) {
        auto linear = [](double s) {
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const QColor face = at(r.Left + 3, r.Top + 3);
    ASSERT_EQ(face.rgb(), ColorToQColor(clBtnFace).rgb());
    // The strongest contrast of the number's ink against the face, inside the raised frame.
    double best = 1;
    for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
        for (int x = r.Left + 2; x < r.Right - 2; ++x) {
            const double a = luminance(at(x, y)), b = luminance(face);
            best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
        }
    QGuiApplication::setPalette(before);
    EXPECT_GE(best, 4.5);
}

TEST_F(Form7, UpDownsMoveTheReadOnlyCalendarAndTheLabelsFollow) {
    ShowForm();
    TVQCalendar* cal = Form->VQCalendar1;
    const TDateTime today = ::Date();
    EXPECT_EQ(cal->Date(), today);
    EXPECT_EQ(Form->MonthUd->Position(), cal->Month());
    EXPECT_EQ(Form->CurrentDateLb->Caption(), FormatDateTime("dddddd", today));
    cal->SetDate(EncodeDate(2019, 1, 31));
    Form->MonthUd->SetPosition(1);
    Form->YearUd->SetPosition(2019);
    struct Step {
        TUpDown* TForm7Fm::*ud;
        TUDBtnType button;
        const char *date, *month, *year;
    } const steps[] = {
        {&TForm7Fm::MonthUd, btNext, "Thursday, February 28, 2019", "February", "2019"},
        {&TForm7Fm::MonthUd, btNext, "Thursday, March 28, 2019", "March", "2019"},
        {&TForm7Fm::YearUd, btNext, "Saturday, March 28, 2020", "March", "2020"},
        {&TForm7Fm::YearUd, btNext, "Saturday, March 28, 2020", "March", "2020"}, // the last year
        {&TForm7Fm::MonthUd, btPrev, "Friday, February 28, 2020", "February", "2020"},
    };
    for (const Step& s : steps) {
        (Form.get()->*s.ud)->Step(s.button);
        EXPECT_EQ(Form->CurrentDateLb->Caption(), QString::fromUtf8(s.date));
        EXPECT_EQ(Form->MonthLb->Caption(), QString::fromUtf8(s.month));
        EXPECT_EQ(Form->YearLb->Caption(), QString::fromUtf8(s.year));
    }
    // Clicks and keys on the calendar leave the date alone.
    const TDateTime before = cal->Date();
    cal->SetFocus();
    QTest::mouseClick(cal->Widget(), Qt::LeftButton, {}, Centre(cal->CellRect(3, 3)));
    QTest::keyClick(cal->Widget(), Qt::Key_Right);
    QTest::keyClick(cal->Widget(), Qt::Key_Down);
    EXPECT_EQ(cal->Date(), before);
}

TEST_F(Form7, DropsNameTheCellTheyLandOn) {
    QStringList shown;
    const TMessageDlgHook old = SetMessageDlgHook([&](const TMessageDlgRequest& r) {
        shown << r.Caption + ": " + r.Message;
        return mrOk;
    });
    TVQCalendar* cal = Form->VQCalendar1;
    cal->SetDate(EncodeDate(2024, 3, 13));
    int col = 0, row = 0;
    ASSERT_TRUE(cal->DateToCell(EncodeDate(2024, 3, 14), col, row));
    const QPoint date = Centre(cal->CellRect(col, row));
    const QPoint heading = Centre(cal->CellRect(1, 0));
    bool accept = false;
    Form->VQCalendar1DragOver(cal, Form->BitBtn1, 5, 5, dsDragMove, accept);
    EXPECT_TRUE(accept);
    Form->VQCalendar1DragDrop(cal, Form->BitBtn1, date.x(), date.y());
    Form->VQCalendar1DragDrop(cal, Form->BitBtn1, heading.x(), heading.y());
    Form->VQCalendar1DragDrop(cal, Form->BitBtn1, cal->Width() + 5, 3); // outside the cells
    SetMessageDlgHook(old);
    EXPECT_EQ(shown, QStringList({"Information: You dropped on: 14",
                                  "Information: You dropped on: Monday"}));
}

TEST_F(Form7, NotesAreDrawnIntoWeekdayCells) {
    ShowForm();
    TVQCalendar* cal = Form->VQCalendar1;
    // March 2021: the 17th is a Wednesday, the 4th a Thursday, the 27th a Saturday.
    cal->SetDate(EncodeDate(2021, 3, 10));
    const QImage shot = cal->Widget()->grab().toImage();
    auto cell = [&](int day) {
        int col = 0, row = 0;
        EXPECT_TRUE(cal->DateToCell(EncodeDate(2021, 3, day), col, row));
        return cal->CellRect(col, row);
    };
    // Text is smoothed: a pixel counts for the hue that clearly dominates it. Only the middle
    // rows of a note line [top, top + 9) are looked at, so no stroke reaches a neighbour line.
    enum Hue { navy, green, red };
    auto count = [&](const TRect& r, int top, Hue hue) {
        int n = 0;
        for (int y = r.Top + top + 3; y < r.Top + top + 7; ++y)
            for (int x = r.Left + 2; x < r.Right; ++x) {
                const QColor c = shot.pixelColor(x, y);
                const int R = c.red(), G = c.green(), B = c.blue();
                n += hue == navy    ? B > R + 60 && B > G + 60
                     : hue == green ? G > R + 40 && G > B + 40
                                    : R > G + 80 && R > B + 80;
            }
        return n;
    };
    struct Case {
        int day;
        int navyLine, greenLine, redLine; // -1: none
    } const cases[] = {
        {17, 12, -1, 21}, // appointment, then the to-do on the next line
        {4, 12, 21, 30},  // all three
        {16, -1, 12, -1}, // a note alone takes the first line
        {27, -1, -1, -1}, // Saturday: no notes
        {5, -1, -1, -1},  // a weekday without notes
    };
    for (const Case& c : cases) {
        const TRect r = cell(c.day);
        for (int line : {12, 21, 30}) {
            EXPECT_EQ(count(r, line, navy) > 0, line == c.navyLine) << c.day << " line " << line;
            EXPECT_EQ(count(r, line, green) > 0, line == c.greenLine) << c.day << " line " << line;
            EXPECT_EQ(count(r, line, red) > 0, line == c.redLine) << c.day << " line " << line;
        }
    }
    // Weekends are pale yellow, weekdays white.
    const TRect sat = cell(27), wed = cell(17);
    EXPECT_EQ(shot.pixelColor(sat.Right - 3, sat.Bottom - 3), QColor(255, 255, 232));
    EXPECT_EQ(shot.pixelColor(wed.Right - 3, wed.Bottom - 3), QColor(Qt::white));
}

TEST(Form5, PopupDropsBelowTheButton) {
    TDemoProgram::RegisterProgramClasses();
    std::unique_ptr<TForm5Fm> form(TForm::CreateFromResource<TForm5Fm>(nullptr));
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    form->Button1Click(form->Button1);
    TVQCalendarFm* dialog = form->VQCalendarPopup1->Form();
    ASSERT_NE(dialog, nullptr);
    const TPoint corner = form->ClientToScreen(TPoint{224, 28 + 25});
    EXPECT_EQ(dialog->Left(), corner.X);
    EXPECT_EQ(dialog->Top(), corner.Y);
    EXPECT_EQ(dialog->CalendarCd->Date(), ::Date());
    EXPECT_THROW(form->Button1Click(form.get()), EInvalidCast);
}

} // namespace
