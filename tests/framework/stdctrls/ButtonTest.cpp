// Push buttons, check boxes and radio buttons: clicks, states, groups and owner drawing.
#include "framework/controls/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TPaintedButton : public TButton {
public:
    explicit TPaintedButton(TComponent* owner) : TButton(owner) { SetOwnerDraw(true); }
    std::vector<TOwnerDrawState> States;

protected:
    void DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) override {
        States.push_back(state);
        canvas->Brush()->SetColor(state.Contains(odDisabled) ? clBlue : clFuchsia);
        canvas->FillRect(rect);
    }
};

} // namespace

TEST(ButtonClick, SetsTheFormsModalResultThenFiresOnClick) {
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetModalResult(mrYes);
    TModalResult during = mrNone;
    button->OnClick = [&](TObject*) { during = form.ModalResult(); };
    form.Show();
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(during, mrYes);
}

TEST(ButtonOwnerDraw, PaintsTheWholeButtonWithItsState) {
    TForm form(nullptr);
    auto* button = new TPaintedButton(&form);
    button->SetParent(&form);
    button->SetBounds(0, 0, 60, 30);
    button->SetDefault(true);
    form.Show();
    QImage shot = button->Widget()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(0, 0)), QColor(255, 0, 255));
    EXPECT_EQ(QColor(shot.pixel(59, 29)), QColor(255, 0, 255));
    ASSERT_FALSE(button->States.empty());
    EXPECT_TRUE(button->States.back().Contains(odDefault));
    button->SetEnabled(false);
    shot = button->Widget()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(30, 15)), QColor(0, 0, 255));
    EXPECT_TRUE(button->States.back().Contains(odDisabled));
}

TEST(ButtonDefaultLook, GoesWithTheFocusedButtonAndBackToTheDefaultOne) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 340, 100);
    const auto painted = [&](int left) {
        auto* b = new TPaintedButton(&form);
        b->SetParent(&form);
        b->SetLeft(left);
        return b;
    };
    TPaintedButton* def = painted(0);
    TPaintedButton* other = painted(80);
    auto* native = new TButton(&form);
    native->SetParent(&form);
    native->SetLeft(160);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetLeft(240);
    def->SetDefault(true);
    form.Show();
    QApplication::setActiveWindow(form.Widget());
    const struct {
        const char* Name;
        std::function<void()> Do;
        TButton* Look; // the one button with the default look, if any
    } steps[] = {
        {"an edit focused", [&] { edit->SetFocus(); }, def},
        {"another button focused", [&] { other->SetFocus(); }, other},
        {"the Default one focused", [&] { def->SetFocus(); }, def},
        {"a native button focused", [&] { native->SetFocus(); }, native},
        {"the edit again", [&] { edit->SetFocus(); }, def},
        {"Default moved meanwhile",
         [&] {
             def->SetDefault(false);
             other->SetDefault(true);
         },
         other},
        {"Default set while a button is focused",
         [&] {
             native->SetFocus();
             def->SetDefault(true);
         },
         native},
        {"no Default button",
         [&] {
             def->SetDefault(false);
             other->SetDefault(false);
             edit->SetFocus();
         },
         nullptr},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Name);
        step.Do();
        QCoreApplication::processEvents();
        for (TButton* b : {static_cast<TButton*>(def), static_cast<TButton*>(other), native})
            EXPECT_EQ(b->DefaultLook(), b == step.Look) << b->Left();
        // The buttons whose look changed have been painted again.
        for (TPaintedButton* b : {def, other}) {
            ASSERT_FALSE(b->States.empty());
            EXPECT_EQ(b->States.back().Contains(odDefault), b == step.Look) << b->Left();
        }
        EXPECT_EQ(static_cast<QPushButton*>(native->Widget())->isDefault(), native == step.Look);
    }
}

TEST(CheckBoxState, ClickCyclesThroughGrayedOnlyWhenAllowed) {
    TForm form(nullptr);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    form.Show();
    QTest::mouseClick(box->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    EXPECT_EQ(box->State(), cbChecked);
    QTest::mouseClick(box->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    EXPECT_EQ(box->State(), cbUnchecked);
    box->SetAllowGrayed(true);
    QTest::mouseClick(box->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_EQ(static_cast<QCheckBox*>(box->Widget())->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(clicks, 3);
    // Code changes fire OnClick too, and reach the box.
    box->SetChecked(true);
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(static_cast<QCheckBox*>(box->Widget())->checkState(), Qt::Checked);
}

TEST(RadioGroup, CheckingOneUnchecksItsSiblingsOnly) {
    TForm form(nullptr);
    auto* groupA = new TPanel(&form);
    groupA->SetParent(&form);
    auto* groupB = new TPanel(&form);
    groupB->SetParent(&form);
    auto radio = [&](TPanel* parent, int top) {
        auto* r = new TRadioButton(&form);
        r->SetParent(parent);
        r->SetTop(top);
        return r;
    };
    TRadioButton* a1 = radio(groupA, 0);
    TRadioButton* a2 = radio(groupA, 20);
    TRadioButton* b1 = radio(groupB, 0);
    a1->SetChecked(true);
    b1->SetChecked(true);
    a2->SetChecked(true);
    EXPECT_FALSE(a1->Checked());
    EXPECT_TRUE(a2->Checked());
    EXPECT_TRUE(b1->Checked());
    // Code may leave a group with none checked.
    a2->SetChecked(false);
    EXPECT_FALSE(a1->Checked() || a2->Checked());
}

TEST(RadioGroup, ArrowKeysCheckTheNextButtonWhichBecomesTheTabStop) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 120);
    std::vector<TRadioButton*> r;
    std::string log;
    for (int i = 0; i < 3; ++i) {
        r.push_back(new TRadioButton(&form));
        r[i]->SetParent(&form);
        r[i]->SetTop(i * 30);
        r[i]->OnClick = [&log, i](TObject*) { log += std::to_string(i); };
    }
    r[0]->SetChecked(true);
    form.Show();
    QApplication::setActiveWindow(form.Widget());
    r[0]->SetFocus();
    log.clear();
    auto press = [&](int from, Qt::Key key) { QTest::keyClick(r[from]->Widget(), key); };
    press(0, Qt::Key_Down);
    EXPECT_TRUE(r[1]->Checked());
    EXPECT_TRUE(r[1]->TabStop());
    EXPECT_FALSE(r[0]->TabStop());
    EXPECT_TRUE(r[1]->Widget()->hasFocus());
    press(1, Qt::Key_Right);
    press(2, Qt::Key_Down); // round the end
    press(0, Qt::Key_Up);   // and back
    EXPECT_EQ(log, "1202");
    // A disabled button is passed over.
    r[0]->SetEnabled(false);
    press(2, Qt::Key_Left);
    press(1, Qt::Key_Left);
    EXPECT_EQ(log, "120212");
    EXPECT_TRUE(r[2]->Checked() && r[2]->TabStop() && r[2]->Widget()->hasFocus());
    EXPECT_FALSE(r[0]->TabStop() || r[1]->TabStop());
}

TEST(RadioGroup, UserClicksMoveTheCheckAndACheckedOneStaysChecked) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* r1 = new TRadioButton(&form);
    r1->SetParent(&form);
    auto* r2 = new TRadioButton(&form);
    r2->SetParent(&form);
    r2->SetTop(30);
    int clicks = 0;
    r2->OnClick = [&](TObject*) { ++clicks; };
    r1->SetChecked(true);
    form.Show();
    QTest::mouseClick(r2->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    EXPECT_FALSE(static_cast<QRadioButton*>(r1->Widget())->isChecked());
    QTest::mouseClick(r2->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    EXPECT_TRUE(r2->Checked());
    EXPECT_TRUE(static_cast<QRadioButton*>(r2->Widget())->isChecked());
    EXPECT_EQ(clicks, 1);
}
