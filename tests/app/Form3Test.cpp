// The menu button and splitter demo window as its description builds it: the outline and list,
// the Choice button's message box and check mark, the bar's far-right stop, and the state it
// keeps between showings.

#include "app/Form3.h"
#include "app/DemoProgram.h"
#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQStdCmp.h"
#include "framework/comctrls/ListView.h"
#include "framework/comctrls/TreeView.h"
#include "framework/controls/Dialogs.h"
#include "support/ScreenImage.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Form3Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        TDemoProgram::RegisterProgramClasses();
        InitializeVQGfxCmp();
        Form.reset(TForm::CreateFromResource<TForm3Fm>(nullptr));
        Boxes.clear();
        SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Boxes.push_back(r.Message.toStdString());
            EXPECT_EQ(r.Type, mtConfirmation);
            EXPECT_EQ(r.HelpContext, 0);
            EXPECT_EQ(r.Buttons, TMsgDlgButtons{mbOK});
            return TModalResult(mrOk);
        });
    }
    void TearDown() override {
        SetMessageDlgHook(nullptr);
        Form.reset();
        FinalizeVQGfxCmp();
    }
    // Drops the Choice button down, reads the checked item and chooses text (empty: dismiss).
    std::string ChooseFromChoice(const QString& text) {
        std::string checked;
        QTimer::singleShot(0, [&] {
            auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(m, nullptr);
            for (QAction* a : m->actions())
                if (a->isChecked()) checked = a->text().toStdString();
            for (QAction* a : m->actions())
                if (!text.isEmpty() && a->text() == text) {
                    m->setActiveAction(a);
                    QTest::keyClick(m, Qt::Key_Return);
                    return;
                }
            m->close();
        });
        Form->VQMenuButton2->Click();
        return checked;
    }
    std::unique_ptr<TForm3Fm> Form;
    std::vector<std::string> Boxes;
};

TEST_F(Form3Fixture, DescriptionBuildsTheWindow) {
    EXPECT_EQ(Form->Caption(), QStringLiteral("Menu Button and Splitter"));
    EXPECT_EQ(Form->ClientWidth(), 453);
    EXPECT_EQ(Form->ClientHeight(), 295);
    TVQSplitter* s = Form->VQSplitter1;
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Pane1()->Owner(), s);
    EXPECT_EQ(Form->TreeView1->Parent(), s->Pane1());
    EXPECT_EQ(Form->ListView1->Parent(), s->Pane2());
    EXPECT_EQ(Form->TreeView1->BoundsRect(), Rect(0, 0, 100, 125));
    EXPECT_EQ(Form->ListView1->BoundsRect(), Rect(0, 0, 310, 125));

    const std::vector<TTreeNode*> nodes = Form->TreeView1->AllNodes();
    std::vector<std::string> outline;
    for (TTreeNode* n : nodes) {
        outline.push_back(std::string(size_t(n->Level()), '.') + n->Text().toStdString());
        EXPECT_EQ(n->ImageIndex(), 0);
        EXPECT_EQ(n->SelectedIndex(), 0);
    }
    EXPECT_EQ(outline, (std::vector<std::string>{"Root", ".Sub2", "..Sub1", ".Sub1", "..Sub1",
                                                 "..Sub2", "..Sub3"}));
    ASSERT_EQ(Form->ListView1->Count(), 3);
    EXPECT_EQ(Form->ListView1->Item(2)->Caption(), QStringLiteral("Item3"));
    EXPECT_EQ(Form->ListView1->ViewStyle(), vsList);
    EXPECT_FALSE(Form->ListView1->ReadOnly());

    EXPECT_EQ(Form->VQMenuButton2->ItemIndex(), 5);
    EXPECT_EQ(Form->VQMenuButton1->ItemIndex(), -1);
    EXPECT_TRUE(Form->VQMenuButton1->Hint().contains(QStringLiteral("an\r\nevent")));
}

TEST_F(Form3Fixture, ChoiceShowsTheItemAndMovesTheCheckMark) {
    Form->Show();
    EXPECT_EQ(ChooseFromChoice(QStringLiteral("Courier - Bold, Underline")), "Default");
    EXPECT_EQ(Boxes, std::vector<std::string>{"Courier - Bold, Underline"});
    EXPECT_EQ(ChooseFromChoice(QString()), "Courier - Bold, Underline");
    EXPECT_EQ(Boxes.size(), 1u);
    // The Action button only records its choice.
    QTimer::singleShot(0, [] {
        auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(m, nullptr);
        m->setActiveAction(m->actions().value(1));
        QTest::keyClick(m, Qt::Key_Return);
    });
    Form->VQMenuButton1->Click();
    EXPECT_EQ(Form->VQMenuButton1->ItemIndex(), 1);
    EXPECT_EQ(Boxes.size(), 1u);
}

TEST_F(Form3Fixture, BarStopsWithTheTreeAt410AndStateSurvivesHiding) {
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    TVQSplitter* s = Form->VQSplitter1;
    QWidget* w = s->Widget();
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(101, 60));
    QMouseEvent move(QEvent::MouseMove, QPointF(900, 60), w->mapToGlobal(QPointF(900, 60)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(900, 60));
    EXPECT_EQ(s->Position(), 410);
    EXPECT_EQ(Form->TreeView1->Width(), 410);
    EXPECT_EQ(Form->ListView1->Width(), 0);

    Form->VQMenuButton2->SetItemIndex(2);
    Form->Hide();
    Form->Show();
    EXPECT_EQ(s->Position(), 410);
    EXPECT_EQ(Form->VQMenuButton2->ItemIndex(), 2);
}

// The panes repaint only what the bar's moves expose and copy the rest of their pixels: after
// each leg of a live drag the window must show exactly what a fresh paint of it gives.
TEST_F(Form3Fixture, LiveDragLeavesWhatAFreshPaintShows) {
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    TVQSplitter* s = Form->VQSplitter1;
    s->SetAutoUpdate(true);
    QWidget* w = s->Widget();
    QWidget* window = Form->Widget();
    ASSERT_EQ(ImageDifference(ShownImage(window), FreshImage(window)), "");
    const auto move = [w](int x) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, 60), w->mapToGlobal(QPointF(x, 60)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    struct Leg {
        const char* Name;
        int To, Step, MovesPerPaint;
    } legs[] = {
        {"right, a pixel per paint", 300, 1, 1},
        {"left, a pixel per paint", 40, -1, 1},
        // Far enough for the list's scroll bar to come and go.
        {"right, several moves per paint", 390, 7, 3},
        {"left, several moves per paint", 3, -9, 2},
        {"right again, a pixel per paint", 120, 1, 1},
    };
    int x = 101;
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(x, 60));
    for (const Leg& leg : legs) {
        SCOPED_TRACE(leg.Name);
        for (int i = 1; x != leg.To; ++i) {
            x = leg.Step > 0 ? std::min(x + leg.Step, leg.To) : std::max(x + leg.Step, leg.To);
            move(x);
            if (i % leg.MovesPerPaint == 0) QCoreApplication::processEvents();
        }
        EXPECT_EQ(ImageDifference(ShownImage(window), FreshImage(window)), "");
    }
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(x, 60));
    EXPECT_EQ(s->Position(), 119);
    EXPECT_EQ(ImageDifference(ShownImage(window), FreshImage(window)), "");
}

} // namespace
