// The drop-down calendar: where it opens, one dialog at a time, what the boxes do to the
// calendar, and which ways of closing report the date (exactly once) and which report nothing.
#include "components/dialogs/VQCalPop/VQCalPop.h"
#include "components/std/VQCalendar.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/Application.h"
#include "framework/controls/Screen.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/SpeedButton.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Report {
    TObject* Sender;
    TDateTime Date;
};

class CalendarPopup : public ::testing::Test {
protected:
    void SetUp() override {
        SetFormatSettings(TFormatSettings::English());
        Owner = std::make_unique<TComponent>(nullptr);
        Popup = new TVQCalendarPopup(Owner.get());
        Popup->OnClick = [this](TObject* sender, TDateTime date) {
            Reports.push_back({sender, date});
        };
    }
    void TearDown() override {
        Owner.reset();
        QCoreApplication::processEvents();
        ResetFormatSettings();
    }
    TVQCalendarFm* Open(TDateTime date, TRect r = TRect{100, 100, 189, 125}) {
        Popup->Popup(r, date);
        TVQCalendarFm* form = Popup->Form();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
        form->Widget()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
        EXPECT_TRUE(form->CalendarCd->Focused());
        return form;
    }
    // Lets the queued destruction run.
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    std::unique_ptr<TComponent> Owner;
    TVQCalendarPopup* Popup = nullptr;
    std::vector<Report> Reports;
};

TEST_F(CalendarPopup, OpensBelowOrAboveAndStaysOnTheScreen) {
    // The offscreen platform's primary screen: the popup measures against it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_EQ(Screen->Width(), screen.width());
    ASSERT_EQ(Screen->Height(), screen.height());
    const int w = 183, h = 122; // 181 x 120 inside a one-pixel frame
    const int sw = screen.width(), sh = screen.height();
    struct Case {
        const char* what;
        TRect r;
        int left, top;
    } const cases[] = {
        {"below", {100, 100, 189, 125}, 100, 125},
        {"exactly fits below", {100, sh - h - 25, 189, sh - h}, 100, sh - h},
        {"above at the bottom edge", {100, sh - 40, 189, sh - 15}, 100, sh - 40 - h},
        {"moved left at the right edge", {sw - 50, 100, sw - 10, 125}, sw - w, 125},
        {"both", {sw - 50, sh - 30, sw - 10, sh - 5}, sw - w, sh - 30 - h},
        {"left of the screen stays", {-40, 100, 10, 125}, -40, 125},
    };
    for (const Case& c : cases) {
        TVQCalendarFm* form = Open(EncodeDate(2001, 5, 5), c.r);
        EXPECT_EQ(form->Width(), w);
        EXPECT_EQ(form->Height(), h);
        EXPECT_EQ(form->Left(), c.left) << c.what;
        EXPECT_EQ(form->Top(), c.top) << c.what;
        EXPECT_EQ(form->Widget()->pos(), QPoint(c.left, c.top)) << c.what;
        EXPECT_EQ(form->Widget()->size(), QSize(w, h)) << c.what;
        EXPECT_EQ(form->CalendarCd->BoundsRect(), Rect(0, 22, 181, 120)) << c.what;
    }
}

TEST_F(CalendarPopup, AtControlOpensBelowTheControl) {
    TForm host(nullptr);
    host.SetBounds(50, 60, 300, 200);
    auto* button = new TButton(&host);
    button->SetParent(&host);
    button->SetBounds(20, 30, 89, 25);
    host.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.Widget()));
    const TPoint corner = host.ClientToScreen(TPoint{20, 55});
    Popup->PopupAtControl(button, EncodeDate(2001, 5, 5));
    ASSERT_NE(Popup->Form(), nullptr);
    EXPECT_EQ(Popup->Form()->Left(), corner.X);
    EXPECT_EQ(Popup->Form()->Top(), corner.Y);
    // A control on no form opens nothing.
    Popup->Form()->Close();
    Settle();
    auto* loose = new TButton(Owner.get());
    Popup->PopupAtControl(loose, EncodeDate(2001, 5, 5));
    EXPECT_EQ(Popup->Form(), nullptr);
}

TEST_F(CalendarPopup, OneDialogAtATimeAndOwnedByThePopup) {
    TVQCalendarFm* first = Open(EncodeDate(2001, 5, 5));
    const TLifeToken firstLife = first->LifeToken();
    // OnClick changed after opening does not reach the open dialog.
    int late = 0;
    Popup->OnClick = [&](TObject*, TDateTime) { ++late; };
    TVQCalendarFm* second = Open(EncodeDate(2002, 6, 6));
    EXPECT_FALSE(firstLife.Alive());
    int forms = 0;
    for (int i = 0; i < Popup->ComponentCount(); ++i)
        forms += dynamic_cast<TVQCalendarFm*>(Popup->Components(i)) != nullptr;
    EXPECT_EQ(forms, 1);
    Popup->OnClick = nullptr;
    // The second took the OnClick of its opening time.
    QTest::keyClick(second->CalendarCd->Widget(), Qt::Key_Return);
    EXPECT_EQ(late, 1);
    Settle();
    EXPECT_EQ(Popup->Form(), nullptr);

    // Destroying the popup frees an open dialog.
    TVQCalendarFm* third = Open(EncodeDate(2003, 7, 7));
    const TLifeToken thirdLife = third->LifeToken();
    Owner.reset();
    EXPECT_FALSE(thirdLife.Alive());
}

TEST_F(CalendarPopup, BoxesFollowTheDateAndMoveTheCalendar) {
    struct Case {
        int y, m, d;
        uint16_t first, last;
        int monthIndex, yearIndex, years;
    } const cases[] = {
        {2001, 1, 31, 1980, 2020, 0, 21, 41},
        {2025, 3, 9, 1980, 2020, 2, -1, 41}, // outside the years: no year selected
        {2001, 1, 31, 2020, 1980, 0, -1, 0}, // last below first: no years
        {1980, 12, 1, 1980, 1980, 11, 0, 1},
    };
    for (const Case& c : cases) {
        Popup->SetFirstYear(c.first);
        Popup->SetLastYear(c.last);
        TVQCalendarFm* form = Open(EncodeDate(c.y, c.m, c.d));
        EXPECT_EQ(form->MonthCb->Items()->Count(), 12);
        EXPECT_EQ(form->MonthCb->Items()->Get(0), QStringLiteral("January"));
        EXPECT_EQ(form->MonthCb->ItemIndex(), c.monthIndex) << c.y;
        EXPECT_EQ(form->YearCb->ItemIndex(), c.yearIndex) << c.y;
        EXPECT_EQ(form->YearCb->Items()->Count(), c.years) << c.y;
        EXPECT_EQ(form->CalendarCd->Date(), EncodeDate(c.y, c.m, c.d));
    }
    Popup->SetFirstYear(1980);
    Popup->SetLastYear(2020);
    // The user picks February from 31 January: the day is clamped; a year keeps the day.
    struct Pick {
        int year;
        int expectedDay;
    } const picks[] = {{2001, 28}, {2004, 29}};
    for (const Pick& p : picks) {
        TVQCalendarFm* form = Open(EncodeDate(p.year, 1, 31));
        auto* combo = static_cast<QComboBox*>(form->MonthCb->Widget());
        combo->setCurrentIndex(1);
        EXPECT_EQ(form->CalendarCd->Date(), EncodeDate(p.year, 2, p.expectedDay));
        static_cast<QComboBox*>(form->YearCb->Widget())->setCurrentIndex(2000 - 1980);
        EXPECT_EQ(form->CalendarCd->Date(), EncodeDate(2000, 2, p.expectedDay));
    }
    EXPECT_TRUE(Reports.empty());
}

TEST_F(CalendarPopup, ConfirmationsReportOnceAndEveryOtherCloseReportsNothing) {
    TForm other(nullptr);
    other.SetBounds(400, 300, 200, 100);
    struct Case {
        const char* what;
        std::function<void(TVQCalendarFm*)> act;
        bool reports;
    };
    const Case cases[] = {
        {"Enter on the calendar",
         [](TVQCalendarFm* f) { QTest::keyClick(f->CalendarCd->Widget(), Qt::Key_Return); }, true},
        {"Enter in the month box (two handlers)",
         [](TVQCalendarFm* f) {
             f->MonthCb->SetFocus();
             QTest::keyClick(f->MonthCb->Widget(), Qt::Key_Return);
         },
         true},
        {"Enter in the year box",
         [](TVQCalendarFm* f) {
             f->YearCb->SetFocus();
             QTest::keyClick(f->YearCb->Widget(), Qt::Key_Enter);
         },
         true},
        {"OK", [](TVQCalendarFm* f) { QTest::mouseClick(f->OKBt->Widget(), Qt::LeftButton); },
         true},
        {"double click on a day of the month",
         [](TVQCalendarFm* f) {
             int col = 0, row = 0;
             ASSERT_TRUE(f->CalendarCd->DateToCell(EncodeDate(2030, 5, 14), col, row));
             const TRect r = f->CalendarCd->CellRect(col, row);
             const QPoint p((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
             QTest::mouseClick(f->CalendarCd->Widget(), Qt::LeftButton, {}, p);
             QTest::mouseDClick(f->CalendarCd->Widget(), Qt::LeftButton, {}, p);
         },
         true},
        {"double click on a gray day",
         [](TVQCalendarFm* f) {
             const TRect r = f->CalendarCd->CellRect(0, 1); // 28 April
             const QPoint p((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
             QTest::mouseDClick(f->CalendarCd->Widget(), Qt::LeftButton, {}, p);
             if (f->Visible()) f->CancelBt->Click();
         },
         false},
        {"Escape",
         [](TVQCalendarFm* f) { QTest::keyClick(f->CalendarCd->Widget(), Qt::Key_Escape); }, false},
        {"Escape in a box",
         [](TVQCalendarFm* f) {
             f->YearCb->SetFocus();
             QTest::keyClick(f->YearCb->Widget(), Qt::Key_Escape);
         },
         false},
        {"Alt alone",
         [](TVQCalendarFm* f) { QTest::keyClick(f->CalendarCd->Widget(), Qt::Key_Alt); }, false},
        {"Cancel",
         [](TVQCalendarFm* f) { QTest::mouseClick(f->CancelBt->Widget(), Qt::LeftButton); }, false},
        {"another window activated",
         [&other](TVQCalendarFm*) {
             other.Show();
             other.Widget()->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(other.Widget()));
         },
         false},
    };
    // 14 May 2030 (outside the years) at noon: reported at midnight.
    const TDateTime shown = EncodeDate(2030, 5, 14) + 0.5;
    for (const Case& c : cases) {
        Reports.clear();
        other.Hide();
        TVQCalendarFm* form = Open(shown);
        const TLifeToken life = form->LifeToken();
        bool hiddenWhileReporting = false, aliveWhileReporting = false;
        Popup->Form()->OnDateChosen = [&](TObject* sender, TDateTime date) {
            hiddenWhileReporting = !form->Visible();
            aliveWhileReporting = life.Alive();
            Reports.push_back({sender, date});
        };
        c.act(form);
        ASSERT_EQ(Reports.size(), c.reports ? 1u : 0u) << c.what;
        if (c.reports) {
            EXPECT_EQ(Reports[0].Sender, Popup) << c.what;
            EXPECT_EQ(Reports[0].Date, EncodeDate(2030, 5, 14)) << c.what;
            EXPECT_TRUE(hiddenWhileReporting && aliveWhileReporting) << c.what;
        }
        EXPECT_FALSE(form->Visible()) << c.what;
        Settle();
        EXPECT_FALSE(life.Alive()) << c.what;
        EXPECT_EQ(Popup->Form(), nullptr) << c.what;
    }
}

TEST_F(CalendarPopup, WithoutOnClickOkOnlyCloses) {
    Popup->OnClick = nullptr;
    TVQCalendarFm* form = Open(EncodeDate(2001, 5, 5));
    const TLifeToken life = form->LifeToken();
    QTest::mouseClick(form->OKBt->Widget(), Qt::LeftButton);
    Settle();
    EXPECT_FALSE(life.Alive());
}

} // namespace
