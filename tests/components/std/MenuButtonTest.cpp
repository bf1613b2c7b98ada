// The menu button: the order of its events around the menu, what a choice changes, ModalResult,
// placement beside the button, the closing click, keys, and its drawing.
#include "components/std/VQStdCmp.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Graphics.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QMenu* ShownMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Runs f on the menu once it is on screen, then makes sure it closes.
void WhenMenuShown(std::function<void(QMenu*)> f) {
    QTimer::singleShot(0, [f] {
        QMenu* menu = ShownMenu();
        ASSERT_NE(menu, nullptr);
        f(menu);
        if (menu->isVisible()) menu->close();
    });
}

void Choose(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) {
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
    ADD_FAILURE() << "no item " << text.toStdString();
}

class MenuButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterVQStdCmpClasses();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 300, 150);
        Btn = new TVQMenuButton(Form);
        Btn->SetParent(Form);
        Btn->SetBounds(40, 40, 89, 25);
        Btn->SetCaption(QStringLiteral("Choice"));
        for (const char* s : {"Arial", "Times", "-", "Default"})
            Btn->Items()->Add(QString::fromLatin1(s));
        Btn->SetItemIndex(3);
        Btn->SetShowCheckmark(true);
        Btn->OnClick = [this](TObject*) { Log.push_back("click"); };
        Btn->OnChange = [this](TObject*) {
            Log.push_back("change " + std::to_string(Btn->ItemIndex()));
        };
        Btn->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
            Log.push_back("mousedown");
        };
    }
    void TearDown() override { delete Form; }

    void ShowForm() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        QCoreApplication::processEvents();
    }
    void PressButton() { QTest::mousePress(Btn->Widget(), Qt::LeftButton, {}, QPoint(20, 12)); }
    QImage Shot() {
        Btn->Repaint();
        return Btn->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    TForm* Form = nullptr;
    TVQMenuButton* Btn = nullptr;
    std::vector<std::string> Log;
};

TEST_F(MenuButtonTest, PressClicksDropsDownAndReportsTheChoiceInOrder) {
    ShowForm();
    WhenMenuShown([this](QMenu* m) {
        Log.push_back("menu");
        EXPECT_TRUE(Btn->DroppedDown());
        EXPECT_TRUE(Btn->Focused());
        const QList<QAction*> a = m->actions();
        ASSERT_EQ(a.size(), 4);
        EXPECT_TRUE(a[2]->isSeparator());
        EXPECT_TRUE(a[3]->isChecked()); // the ItemIndex item carries the radio mark
        EXPECT_FALSE(a[0]->isChecked());
        ASSERT_NE(a[3]->actionGroup(), nullptr);
        EXPECT_TRUE(a[3]->actionGroup()->isExclusive());
        Choose(m, QStringLiteral("Times"));
    });
    PressButton();
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "menu", "change 1", "mousedown"}));
    EXPECT_EQ(Btn->ItemIndex(), 1);
    EXPECT_FALSE(Btn->DroppedDown());
    QTest::mouseRelease(Btn->Widget(), Qt::LeftButton, {}, QPoint(20, 12));

    // The same item again still reports a change; a dismissed menu reports none.
    Log.clear();
    WhenMenuShown([](QMenu* m) { Choose(m, QStringLiteral("Times")); });
    PressButton();
    WhenMenuShown([](QMenu* m) { QTest::keyClick(m, Qt::Key_Escape); });
    PressButton();
    EXPECT_EQ(Log,
              (std::vector<std::string>{"click", "change 1", "mousedown", "click", "mousedown"}));
}

TEST_F(MenuButtonTest, SeparatorsAndOutOfRangeCommandsChangeNothing) {
    for (int id : {2, 4, 0xFFFF, -1}) {
        Btn->ItemChosen(id);
        EXPECT_EQ(Btn->ItemIndex(), 3) << id;
    }
    EXPECT_TRUE(Log.empty());
    Btn->ItemChosen(0);
    EXPECT_EQ(Btn->ItemIndex(), 0);
    EXPECT_EQ(Log, std::vector<std::string>{"change 0"});
}

TEST_F(MenuButtonTest, NoItemIsMarkedWithoutCheckmarkOrOutsideTheList) {
    ShowForm();
    const struct {
        int Index;
        bool ShowCheckmark;
    } cases[] = {{-1, true}, {17, true}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Index);
        Btn->SetItemIndex(c.Index);
        Btn->SetShowCheckmark(c.ShowCheckmark);
        bool anyChecked = true;
        WhenMenuShown([&](QMenu* m) {
            anyChecked = false;
            for (QAction* a : m->actions())
                anyChecked |= a->isChecked();
        });
        Btn->DropDown();
        EXPECT_FALSE(anyChecked);
    }
}

TEST_F(MenuButtonTest, EmptyItemsShowNoMenuAndLeaveTheButtonUp) {
    Btn->Items()->Clear();
    ShowForm();
    bool menuShown = false;
    QTimer::singleShot(0, [&] { menuShown = ShownMenu() != nullptr; });
    PressButton();
    QTest::qWait(10);
    EXPECT_FALSE(menuShown);
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "mousedown"}));
    EXPECT_FALSE(static_cast<QPushButton*>(Btn->Widget())->isDown());
}

TEST_F(MenuButtonTest, ModalResultClosesTheModalFormOnlyOnAChoice) {
    Btn->SetModalResult(mrOk);
    std::vector<int> resultsSeen;
    QTimer::singleShot(0, [&] {
        // A click whose menu is dismissed leaves the form open...
        WhenMenuShown([](QMenu* m) { QTest::keyClick(m, Qt::Key_Escape); });
        Btn->Click();
        resultsSeen.push_back(Form->ModalResult());
        // ...a choice closes it.
        WhenMenuShown([](QMenu* m) { Choose(m, QStringLiteral("Arial")); });
        Btn->Click();
    });
    EXPECT_EQ(Form->ShowModal(), mrOk);
    EXPECT_EQ(resultsSeen, std::vector<int>{mrNone});
    EXPECT_EQ(Btn->ItemIndex(), 0);
}

TEST_F(MenuButtonTest, MenuOpensBelowOrAboveNeverCoveringTheButton) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (bool nearBottom : {false, true}) {
        SCOPED_TRACE(nearBottom);
        Form->SetBounds(100, nearBottom ? screen.bottom() - 90 : 100, 300, 80);
        ShowForm();
        const QRect button(Btn->Widget()->mapToGlobal(QPoint(0, 0)), Btn->Widget()->size());
        QRect menu;
        WhenMenuShown([&](QMenu* m) { menu = m->geometry(); });
        Btn->DropDown();
        ASSERT_TRUE(menu.isValid());
        EXPECT_FALSE(menu.intersects(button.adjusted(0, 0, 0, -1)));
        EXPECT_EQ(menu.left(), button.left());
        if (nearBottom)
            EXPECT_EQ(menu.bottom(), button.top() - 1);
        else
            EXPECT_EQ(menu.top(), button.bottom());
    }
}

TEST_F(MenuButtonTest, TheClickThatClosesTheMenuOverTheButtonDoesNotReopenIt) {
    ShowForm();
    int shown = 0;
    WhenMenuShown([&](QMenu* m) {
        ++shown;
        // A press on the button, outside the menu, closes the menu.
        const QPoint onButton = Btn->Widget()->mapToGlobal(QPoint(20, 12));
        QTest::mousePress(m, Qt::LeftButton, {}, m->mapFromGlobal(onButton));
        // X11 would pass that press on to the button once the menu is gone; the offscreen
        // platform never does, so the flag that stops it is checked here.
        EXPECT_TRUE(m->testAttribute(Qt::WA_NoMouseReplay));
    });
    QTimer::singleShot(200, [&] {
        if (ShownMenu()) {
            ++shown;
            ShownMenu()->close();
        }
    });
    PressButton();
    QTest::qWait(300);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Btn->ItemIndex(), 3);
}

TEST_F(MenuButtonTest, KeysDropTheMenuDown) {
    ShowForm();
    Form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    Btn->SetFocus();
    WhenMenuShown([](QMenu* m) { Choose(m, QStringLiteral("Arial")); });
    QTest::keyClick(Btn->Widget(), Qt::Key_Space);
    EXPECT_EQ(Btn->ItemIndex(), 0);

    Btn->SetDefault(true);
    Form->SetFocus();
    WhenMenuShown([](QMenu* m) { Choose(m, QStringLiteral("Default")); });
    QTest::keyClick(Form->Widget(), Qt::Key_Return);
    EXPECT_EQ(Btn->ItemIndex(), 3);
}

TEST_F(MenuButtonTest, TheDefaultOutlineGoesWithTheFocus) {
    auto* other = new TButton(Form);
    other->SetParent(Form);
    other->SetBounds(150, 40, 75, 25);
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(40, 80, 80, 21);
    Btn->SetDefault(true);
    ShowForm();
    Form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    const struct {
        TWinControl* Focus;
        bool Outlined;
    } cases[] = {{edit, true}, {other, false}, {Btn, true}, {edit, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        c.Focus->SetFocus();
        EXPECT_EQ(Shot().pixel(0, 12) == ColorToQColor(clWindowFrame).rgb(), c.Outlined);
    }
}

// The arrow's pixels: the bounding box of the pixels in colour c right of the caption.
QRect ArrowBox(const QImage& img, QRgb c) {
    QRect box;
    for (int y = 4; y < img.height() - 4; ++y)
        for (int x = img.width() / 2 + 8; x < img.width() - 4; ++x)
            if (img.pixel(x, y) == c) box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(MenuButtonTest, DrawsTheArrowAndAnEmbossedDisabledLook) {
    ShowForm();
    Btn->Font()->SetColor(clNavy);
    const QImage enabled = Shot();
    const QRect arrow = ArrowBox(enabled, ColorToQColor(clNavy).rgb());
    ASSERT_TRUE(arrow.isValid());
    EXPECT_EQ(arrow.width(), 11); // a downward triangle 10 wide and 5 high, edges included
    EXPECT_EQ(arrow.height(), 6);
    EXPECT_EQ(enabled.pixel(arrow.center().x(), arrow.bottom()), ColorToQColor(clNavy).rgb());

    Btn->SetEnabled(false);
    const QImage disabled = Shot();
    EXPECT_FALSE(ArrowBox(disabled, ColorToQColor(clNavy).rgb()).isValid());
    const QRect shadow = ArrowBox(disabled, ColorToQColor(clBtnShadow).rgb());
    EXPECT_EQ(shadow.topLeft(), arrow.topLeft());
    // The highlight copy peeks out one pixel right and below the shadow one.
    EXPECT_EQ(disabled.pixel(arrow.center().x() + 1, arrow.bottom() + 1),
              ColorToQColor(clBtnHighlight).rgb());

    // Disabled: a press does nothing.
    PressButton();
    EXPECT_TRUE(Log.empty());
}

} // namespace
