// The program's start and end: units in order, the title, the windows created hidden in
// order, everything undone in reverse, and a failed start leaving nothing behind.

#include "app/DemoProgram.h"
#include "app/Form2.h"
#include "app/MainForm.h"
#include "app/OrderForm.h"
#include "components/gfx/VQGfxCmp.h"
#include "framework/controls/Application.h"
#include "framework/controls/Screen.h"

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

QStringList Calls;
void InitA() {
    Calls << "init A";
}
void FinA() {
    Calls << "fin A";
}
void InitB() {
    Calls << "init B";
}
void FinB() {
    Calls << "fin B";
}
void InitFails() {
    Calls << "init Bad";
    throw Exception(QStringLiteral("unit failed"));
}
void FinBad() {
    Calls << "fin Bad";
}

const QStringList Windows = {"MainFm",  "Form2Fm", "Form3Fm", "Form4Fm",
                             "Form5Fm", "Form6Fm", "Form7Fm", "OrderFm"};

} // namespace

TEST(ProgramStart, UnitsThenTitleThenWindowsInOrderAndBackInReverse) {
    TDemoProgram program;
    program.Start();
    QStringList expected;
    for (const TProgramUnit& u : TDemoProgram::ProgramUnits())
        expected << QStringLiteral("unit ") + QLatin1String(u.Name);
    expected << QStringLiteral("title Varnholt Quill Controls Demo");
    for (const QString& w : Windows)
        expected << QStringLiteral("window ") + w;
    EXPECT_EQ(program.Log(), expected);

    program.Finish();
    for (auto it = Windows.rbegin(); it != Windows.rend(); ++it)
        expected << QStringLiteral("free ") + *it;
    const auto units = TDemoProgram::ProgramUnits();
    for (auto it = units.rbegin(); it != units.rend(); ++it)
        expected << QStringLiteral("finish ") + QLatin1String(it->Name);
    EXPECT_EQ(program.Log(), expected);
}

TEST(ProgramStart, GraphicsUnitHoldsThePatternBitmapOnlyWhileStarted) {
    const auto units = TDemoProgram::ProgramUnits();
    ASSERT_TRUE(std::any_of(units.begin(), units.end(), [](const TProgramUnit& u) {
        return QLatin1String(u.Name) == QLatin1String("VQGfxCmp");
    }));
    {
        TDemoProgram program;
        program.Start();
        EXPECT_NE(CheckerPatternBitmap, nullptr);
    }
    EXPECT_EQ(CheckerPatternBitmap, nullptr);
}

TEST(ProgramStart, WindowsExistHiddenAndTheFirstIsTheMainWindow) {
    TDemoProgram program;
    program.Start();
    ASSERT_NE(MainFm, nullptr);
    EXPECT_EQ(Application->MainForm(), MainFm);
    for (const QString& name : Windows) {
        TComponent* c = Application->FindComponent(name);
        ASSERT_NE(c, nullptr) << qPrintable(name);
        auto* form = dynamic_cast<TForm*>(c);
        ASSERT_NE(form, nullptr) << qPrintable(name);
        EXPECT_FALSE(form->Visible()) << qPrintable(name);
    }
    program.Finish();
    EXPECT_EQ(MainFm, nullptr);
    EXPECT_EQ(OrderFm, nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Application->FindComponent(QStringLiteral("Form2Fm")), nullptr);
}

TEST(ProgramStart, UnitsStartInListOrderAndFinishInReverse) {
    Calls.clear();
    {
        TDemoProgram program({{"A", InitA, FinA}, {"B", InitB, FinB}, {"C", nullptr, nullptr}});
        program.Start();
        EXPECT_EQ(Calls, QStringList({"init A", "init B"}));
        program.Finish();
        program.Finish(); // a second finish does nothing
    }
    EXPECT_EQ(Calls, QStringList({"init A", "init B", "fin B", "fin A"}));
}

TEST(ProgramStart, FailingUnitFinishesTheStartedOnesAndCreatesNoWindow) {
    Calls.clear();
    TDemoProgram program({{"A", InitA, FinA}, {"Bad", InitFails, FinBad}, {"B", InitB, FinB}});
    EXPECT_THROW(program.Start(), Exception);
    EXPECT_EQ(Calls, QStringList({"init A", "init Bad", "fin A"}));
    EXPECT_FALSE(program.Started());
    EXPECT_EQ(MainFm, nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_FALSE(program.Log().join(u'|').contains(QStringLiteral("window")));
}

TEST(ProgramStart, CanStartAgainAfterFinishing) {
    TDemoProgram program;
    program.Start();
    program.Finish();
    program.Start();
    EXPECT_NE(MainFm, nullptr);
    EXPECT_EQ(Application->MainForm(), MainFm);
}

// Runs in a child process: ending the message loop ends the application object for good.
TEST(ProgramStartDeathTest, ShowsTheMainWindowAndEndsWhenItCloses) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TDemoProgram program;
            program.Start();
            bool shown = false;
            QTimer::singleShot(0, [&] {
                shown = MainFm->Visible() && MainFm->Widget()->isVisible();
                MainFm->Close();
            });
            program.Run();
            program.Finish();
            // _Exit: the child ends here, without the leak report of a process cut short.
            std::_Exit(shown && !CheckerPatternBitmap ? 0 : 3);
        },
        testing::ExitedWithCode(0), "");
}

// Execute as main() runs it: the main window is on screen before the other windows are made,
// and all of them exist, in Start's order, before the message loop takes anything.
TEST(ProgramStartDeathTest, ExecuteShowsTheMainWindowBeforeMakingTheOthers) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TDemoProgram program;
            int seen = 0;
            // Handled with the events waiting once the main window is shown.
            QTimer::singleShot(0, [&] {
                if (MainFm && MainFm->Visible() && !Form2Fm && !OrderFm) seen |= 1;
                // Handled in the message loop.
                QTimer::singleShot(0, [&] {
                    if (Form2Fm && OrderFm && !OrderFm->Visible()) seen |= 2;
                    MainFm->Close();
                });
            });
            const int code = program.Execute();
            QStringList made;
            for (const QString& line : program.Log())
                if (line.startsWith(QStringLiteral("window ")) || line == QStringLiteral("run"))
                    made << line;
            QStringList expected;
            for (const QString& w : Windows)
                expected << QStringLiteral("window ") + w;
            expected << QStringLiteral("run");
            std::_Exit(code == 0 && seen == 3 && made == expected ? 0 : 3);
        },
        testing::ExitedWithCode(0), "");
}

TEST(ProgramStart, TwoStepStartMakesWhatStartMakes) {
    QStringList whole;
    {
        TDemoProgram program;
        program.Start();
        whole = program.Log();
    }
    TDemoProgram program;
    program.StartWithMainWindow();
    EXPECT_NE(MainFm, nullptr);
    EXPECT_EQ(Form2Fm, nullptr);
    program.StartWithMainWindow(); // started: nothing more
    program.CreateRemainingWindows();
    program.CreateRemainingWindows(); // made: nothing more
    EXPECT_EQ(program.Log(), whole);
    EXPECT_NE(OrderFm, nullptr);
}
