// The print wizard window as its description builds it, and the walk through it with input
// sent to the controls' windows: the printer box holding Next, the radio buttons including the
// page range at the next page change, the two range edits, Finish and Cancel, and a second
// showing that finds the wizard where it was left.

#include "app/Form4.h"
#include "app/DemoProgram.h"
#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQStdCmp.h"
#include "framework/controls/Dialogs.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/RadioButton.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Form4Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        TDemoProgram::RegisterProgramClasses();
        InitializeVQGfxCmp();
        Form.reset(TForm::CreateFromResource<TForm4Fm>(nullptr));
        W = Form->VQWizard1;
        SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Messages.push_back(r.Caption + ": " + r.Message);
            EXPECT_EQ(r.Buttons, TMsgDlgButtons{mbOK});
            return mrOk;
        });
    }
    void TearDown() override {
        SetMessageDlgHook(nullptr);
        Form.reset();
        FinalizeVQGfxCmp();
    }
    void ShowForm() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    }
    void Press(TButton* button) {
        ASSERT_TRUE(button->Enabled()) << button->Caption().toStdString();
        QTest::mouseClick(button->Widget(), Qt::LeftButton);
    }
    int Page() const { return W->ActivePage() ? W->ActivePage()->PageIndex() + 1 : 0; }
    // Which page is shown, and Back, Next (with its caption), Help and Cancel.
    std::string Buttons() const {
        auto state = [](TButton* b) { return b->Enabled() ? "+" : "-"; };
        return std::string("page ") + std::to_string(Page()) + " back" + state(W->BackButton()) +
               " next" + state(W->NextButton()) + " '" + W->NextButton()->Caption().toStdString() +
               "' help" + state(W->HelpButton()) + " cancel" + state(W->CancelButton());
    }

    std::unique_ptr<TForm4Fm> Form;
    TVQWizard* W = nullptr;
    std::vector<QString> Messages;
};

TEST_F(Form4Fixture, DescriptionBuildsFivePagesWithOneStoredSharedPicture) {
    ASSERT_TRUE(W);
    EXPECT_EQ(Form->ClientWidth(), 512);
    EXPECT_EQ(Form->ClientHeight(), 300);
    EXPECT_TRUE(Form->BorderIcons().Empty());
    ASSERT_EQ(W->PageCount(), 5);
    EXPECT_EQ(W->FirstPage(), Form->VQWizardPage1);
    EXPECT_EQ(W->ActivePage(), Form->VQWizardPage1); // not the stored VQWizardPage5
    EXPECT_FALSE(Form->VQWizardPage4->Include());
    EXPECT_EQ(W->ActivePage()->BoundsRect(), Rect(0, 0, 512, 258));
    EXPECT_FALSE(Form->VQWizardPage5->Visible());
    EXPECT_TRUE(W->HelpButton()->Visible());
    EXPECT_EQ(W->HelpButton()->BoundsRect(), Rect(188, 10, 263, 35));

    auto* shared = dynamic_cast<TVQImage*>(Form->FindComponent("VQImage1"));
    ASSERT_TRUE(shared);
    auto* bitmap = dynamic_cast<TBitmap*>(shared->Picture()->Graphic());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Width(), 120);
    EXPECT_EQ(bitmap->Height(), 226);
    for (const char* name : {"VQImage2", "VQImage3", "VQImage4"}) {
        auto* image = dynamic_cast<TVQImage*>(Form->FindComponent(name));
        ASSERT_TRUE(image) << name;
        EXPECT_EQ(image->PictureControl(), shared) << name;
        EXPECT_FALSE(image->Picture()->Graphic()->Empty()) << name;
        EXPECT_EQ(image->Color(), shared->Color()) << name;
    }
    auto* own = dynamic_cast<TVQImage*>(Form->FindComponent("VQImage6"));
    ASSERT_TRUE(own);
    EXPECT_EQ(own->PictureControl(), nullptr);
    EXPECT_EQ(own->Picture()->Graphic()->Width(), 120);
    // Every page's image is 137 x 233, so the 120 x 226 picture fits inside its lowered border.
    for (const char* name : {"VQImage1", "VQImage2", "VQImage3", "VQImage4", "VQImage6"}) {
        auto* image = dynamic_cast<TVQImage*>(Form->FindComponent(name));
        EXPECT_EQ(image->BoundsRect(), Rect(12, 12, 149, 245)) << name;
        const TRect inner = image->GetInnerRect();
        EXPECT_GE(inner.Width(), image->Picture()->Graphic()->Width()) << name;
        EXPECT_GE(inner.Height(), image->Picture()->Graphic()->Height()) << name;
    }
    EXPECT_EQ(Form->ComboBox1->Items()->Count(), 5);
}

TEST_F(Form4Fixture, WalkWithThePageRangeAndWithoutItToPrintingCompleted) {
    ShowForm();
    EXPECT_EQ(Buttons(), "page 1 back- next+ 'Next >' help+ cancel+");
    Press(W->NextButton());
    EXPECT_EQ(Buttons(), "page 2 back+ next- 'Next >' help+ cancel+");
    EXPECT_TRUE(Form->ComboBox1->Focused());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Office"));
    EXPECT_EQ(Buttons(), "page 2 back+ next+ 'Next >' help+ cancel+");
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(Buttons(), "page 2 back+ next- 'Next >' help+ cancel+");
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Lab"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter presses Next
    EXPECT_EQ(Buttons(), "page 3 back+ next+ 'Next >' help+ cancel+");

    // Without the range: page 4 is skipped both ways.
    Press(W->NextButton());
    EXPECT_EQ(Buttons(), "page 5 back+ next+ '&Finish' help+ cancel+");
    Press(W->HelpButton()); // no help context anywhere: nothing happens
    Press(W->NextButton());
    EXPECT_EQ(Messages, (std::vector<QString>{"Information: Printing completed!"}));
    EXPECT_EQ(Page(), 5);
    EXPECT_TRUE(Form->Visible());
    Press(W->BackButton());
    EXPECT_EQ(Page(), 3);

    // The second radio button includes page 4 at the next page change.
    QTest::mouseClick(Form->RadioButton2->Widget(), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(Form->VQWizardPage4->Include());
    EXPECT_EQ(Buttons(), "page 3 back+ next+ 'Next >' help+ cancel+");
    Press(W->NextButton());
    EXPECT_EQ(Buttons(), "page 4 back+ next- 'Next >' help+ cancel+");
    EXPECT_TRUE(Form->Edit1->Focused());
    QTest::keyClicks(Form->Edit1->Widget(), QStringLiteral("2"));
    EXPECT_FALSE(W->NextButton()->Enabled()); // one of two is not enough
    QTest::keyClicks(Form->Edit2->Widget(), QStringLiteral("5"));
    EXPECT_TRUE(W->NextButton()->Enabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Buttons(), "page 5 back+ next+ '&Finish' help+ cancel+");
    // Page 5 has nothing to focus: the focus leaves page 4 without landing on a button, so
    // Enter still presses Finish.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Messages.size(), 2u);
    Press(W->BackButton());
    EXPECT_EQ(Page(), 4);
    Press(W->BackButton());
    Press(W->BackButton());
    EXPECT_EQ(Buttons(), "page 2 back+ next+ 'Next >' help+ cancel+"); // the printer is kept
    Press(W->NextButton());
    QTest::mouseClick(Form->RadioButton1->Widget(), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(Form->VQWizardPage4->Include());
    Press(W->NextButton());
    EXPECT_EQ(Page(), 5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Messages.size(), 3u);
}

TEST_F(Form4Fixture, EscapeClosesTheWindowAndReopeningShowsTheLastPageAndInputs) {
    int result = -1;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
        // Page 1 has nothing to focus; Enter still presses Next, not the first button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_EQ(Page(), 2);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("P1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    result = Form->ShowModal();
    EXPECT_EQ(result, 2);
    EXPECT_FALSE(Form->Visible());
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
        EXPECT_EQ(Page(), 2);
        EXPECT_EQ(Form->ComboBox1->Text(), QStringLiteral("P1"));
        EXPECT_TRUE(W->NextButton()->Enabled());
        Press(W->CancelButton());
    });
    EXPECT_EQ(Form->ShowModal(), 2);
}

} // namespace
