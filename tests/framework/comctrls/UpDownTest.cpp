// Up-down arrows: stepping and wrapping at the ends, the mouse halves, and what descriptions
// carry.
#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Form.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const char* const kForm = R"(object F: TForm
  Left = 0
  Top = 0
  ClientWidth = 300
  ClientHeight = 200
  object Ud: TUpDown
    Left = 200
    Top = 10
    Width = 14
    Height = 20
    Max = 2020
    Position = 1981
    Min = 1981
    TabOrder = 0
  end
end)";

struct UpDown : ::testing::Test {
    void SetUp() override {
        RegisterComCtrlsClasses();
        Form = std::make_unique<TForm>(nullptr);
        Form->ReadFromText(kForm, QStringLiteral("updown"));
        Ud = static_cast<TUpDown*>(Form->FindComponent(QStringLiteral("Ud")));
        ASSERT_TRUE(Ud);
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    }
    std::unique_ptr<TForm> Form;
    TUpDown* Ud = nullptr;
};

TEST_F(UpDown, UpDownStepsStopOrWrapAtTheEnds) {
    // Position was read before Min: the range read afterwards keeps it.
    EXPECT_EQ(Ud->Position(), 1981);
    struct Case {
        int min, max, position;
        bool wrap;
        TUDBtnType button;
        int expected;
    } const cases[] = {
        {1, 12, 5, false, btNext, 6},
        {1, 12, 12, false, btNext, 12},
        {1, 12, 1, false, btPrev, 1},
        {1, 12, 12, true, btNext, 1},
        {1, 12, 1, true, btPrev, 12},
        {10, 0, 5, false, btNext, 4},
        {1981, 2020, 2026, false, btPrev, 2019},
    };
    QStringList log;
    Ud->OnClick = [&](TObject*, TUDBtnType b) {
        log << QStringLiteral("%1 %2").arg(b == btNext ? "next" : "prev").arg(Ud->Position());
    };
    for (const Case& c : cases) {
        log.clear();
        Ud->SetMin(c.min);
        Ud->SetMax(c.max);
        Ud->SetWrap(c.wrap);
        Ud->SetPosition(c.position); // code clamps into the range and reports nothing
        EXPECT_TRUE(log.isEmpty());
        Ud->Step(c.button);
        EXPECT_EQ(Ud->Position(), c.expected) << c.min << ".." << c.max << " from " << c.position;
        EXPECT_EQ(log.size(), 1); // a step at an end is still reported
    }
    // The mouse: the upper half is next, the lower half previous; a veto keeps the position.
    Ud->SetMin(1), Ud->SetMax(12), Ud->SetPosition(6), Ud->SetWrap(false);
    log.clear();
    QTest::mouseClick(Ud->Widget(), Qt::LeftButton, {}, QPoint(7, 3));
    QTest::mouseClick(Ud->Widget(), Qt::LeftButton, {}, QPoint(7, 17));
    QTest::mouseClick(Ud->Widget(), Qt::LeftButton, {}, QPoint(7, 17));
    Ud->OnChanging = [](TObject*, bool& allow) { allow = false; };
    QTest::mouseClick(Ud->Widget(), Qt::LeftButton, {}, QPoint(7, 17));
    EXPECT_EQ(log, QStringList({"next 7", "prev 6", "prev 5", "prev 5"}));
}

} // namespace
