// Hot keys on a real X server: keys typed through XTEST, another program played by a second
// X connection that takes the focus or holds key grabs of its own.

#include "E2ESupport.h"

#include "components/std/VQHotKey.h"
#include "framework/controls/Application.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb_keysyms.h>

namespace {

uint8_t KeyCodeOf(xcb_connection_t* c, uint32_t keysym) {
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(c);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, keysym);
    const uint8_t code = codes ? codes[0] : 0;
    std::free(codes);
    xcb_key_symbols_free(syms);
    return code;
}

// Counts presses of one key reaching a widget.
class TKeyCounter : public QObject {
public:
    TKeyCounter(int key, int& count) : FKey(key), FCount(count) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == FKey) ++FCount;
        return false;
    }

private:
    int FKey;
    int& FCount;
};

class HotKeyE2E : public ::testing::Test {
protected:
    void SetUp() override {
        E2E_REQUIRE_X11();
        Window = std::make_unique<QWidget>();
        Window->setGeometry(50, 50, 200, 100);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    }
    void TearDown() override { Window.reset(); }

    std::unique_ptr<TVQHotKey> Make(TShortCut shortCut, bool global) {
        auto key = std::make_unique<TVQHotKey>(nullptr);
        key->SetGlobal(global);
        key->SetHotKey(shortCut);
        key->OnHotKey = [this](TObject*, uint16_t& k, TShiftState s) {
            Log << QStringLiteral("%1%2%3%4")
                       .arg(k, 0, 16)
                       .arg(s.Contains(ssShift) ? " shift" : "")
                       .arg(s.Contains(ssCtrl) ? " ctrl" : "")
                       .arg(s.Contains(ssAlt) ? " alt" : "");
            k = 0; // has no effect
        };
        return key;
    }
    void ActivateOurs() {
        Window->activateWindow();
        ASSERT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == Window.get(); }));
    }
    void ActivateOther(TOtherClient& other) {
        other.Focus();
        ASSERT_TRUE(WaitUntil([] { return QApplication::activeWindow() == nullptr; }));
    }
    // Types a combination and gives the program time to see it.
    void Type(const QString& keys) {
        ASSERT_TRUE(XDo(QStringList{"key"} + keys.split(' ')));
        QTest::qWait(150);
    }

    QStringList Log;
    std::unique_ptr<QWidget> Window;
};

TEST_F(HotKeyE2E, GlobalFiresWhileAnotherProgramIsActive) {
    TOtherClient other;
    auto ctrlG = Make(16455, true);
    auto shiftCtrlF5 = Make(0x6074, true);
    ASSERT_EQ(ctrlG->State(), THotKeyState::Grabbed);
    ASSERT_EQ(shiftCtrlF5->State(), THotKeyState::Grabbed);
    ActivateOther(other);
    Type("ctrl+g");
    Type("shift+ctrl+F5");
    Type("g");                // without its modifiers it is an ordinary key
    Type("Caps_Lock ctrl+g"); // any lock state
    Type("Caps_Lock");
    EXPECT_EQ(Log, QStringList({"47 ctrl", "74 shift ctrl", "47 ctrl"}));
    EXPECT_EQ(other.KeyPresses(KeyCodeOf(other.Connection(), 'g')), 1); // the plain "g" only
    Log.clear();
    ActivateOurs();
    Type("ctrl+g");
    EXPECT_EQ(Log, QStringList({"47 ctrl"}));
}

TEST_F(HotKeyE2E, LocalFiresOnlyWhileTheProgramIsActive) {
    TOtherClient other;
    auto ctrlL = Make(16460, false);
    ASSERT_EQ(ctrlL->State(), THotKeyState::Grabbed);
    ActivateOther(other);
    Type("ctrl+l");
    EXPECT_TRUE(Log.isEmpty());
    // Consumed: it reaches no other program either.
    EXPECT_EQ(other.KeyPresses(KeyCodeOf(other.Connection(), 'l')), 0);
    ActivateOurs();
    // The press is the hot key's alone: the focused window does not also take it as typing.
    int typed = 0;
    TKeyCounter counter(Qt::Key_L, typed);
    Window->installEventFilter(&counter);
    Type("ctrl+l");
    EXPECT_EQ(Log, QStringList({"4c ctrl"}));
    EXPECT_EQ(typed, 0);
    Type("l");
    EXPECT_EQ(typed, 1);
    Window->removeEventFilter(&counter);

    // A modal window of the program counts as active.
    Log.clear();
    QDialog dialog(Window.get());
    dialog.setModal(true);
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == &dialog; }));
        XDo({"key", "ctrl+l"});
        WaitUntil([&] { return !Log.isEmpty(); }, 2000);
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(Log, QStringList({"4c ctrl"}));

    // A global hot key that brings the program to the front from another program brings up
    // the modal window.
    auto ctrlG = Make(16455, true);
    ctrlG->OnHotKey = [](TObject*, uint16_t&, TShiftState) { Application->BringToFront(); };
    QDialog modal(Window.get());
    modal.setModal(true);
    QWidget* raised = nullptr;
    QTimer::singleShot(0, [&] {
        WaitUntil([&] { return QApplication::activeWindow() == &modal; });
        other.Focus();
        WaitUntil([] { return QApplication::activeWindow() == nullptr; });
        XDo({"key", "ctrl+g"});
        WaitUntil([&] { return QApplication::activeWindow() != nullptr; });
        raised = QApplication::activeWindow();
        modal.reject();
    });
    modal.exec();
    EXPECT_EQ(raised, &modal);
    // Switching to global takes effect at the next press.
    Log.clear();
    other.KeyPresses(0);
    ActivateOther(other);
    ctrlL->SetGlobal(true);
    Type("ctrl+l");
    EXPECT_EQ(Log, QStringList({"4c ctrl"}));
}

TEST_F(HotKeyE2E, HeldByAnotherProgram) {
    TOtherClient other;
    const uint8_t g = KeyCodeOf(other.Connection(), 'g');
    // The other program holds only the CapsLock variant: ours is refused as a whole.
    ASSERT_TRUE(other.Grab(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK, g));
    auto ctrlG = Make(16455, true);
    EXPECT_EQ(ctrlG->State(), THotKeyState::Refused);
    EXPECT_TRUE(ctrlG->Enabled()); // not reported through the properties
    // None of our variants stayed grabbed: a third program can take the plain one.
    TOtherClient third;
    EXPECT_TRUE(third.Grab(XCB_MOD_MASK_CONTROL, g));
    ActivateOurs();
    Type("ctrl+g");
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(HotKeyE2E, ReleasingLetsAnotherProgramTakeIt) {
    TOtherClient other;
    const uint8_t g = KeyCodeOf(other.Connection(), 'g');
    auto ctrlG = Make(16455, true);
    ASSERT_EQ(ctrlG->State(), THotKeyState::Grabbed);
    EXPECT_FALSE(other.Grab(XCB_MOD_MASK_CONTROL, g));
    ctrlG->SetEnabled(false);
    EXPECT_EQ(ctrlG->State(), THotKeyState::Idle);
    EXPECT_TRUE(other.Grab(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_2, g)); // NumLock variant too
    other.UngrabAll();
    ctrlG->SetEnabled(true); // the same combination again
    EXPECT_EQ(ctrlG->State(), THotKeyState::Grabbed);
    ctrlG->SetHotKey(0);
    EXPECT_TRUE(other.Grab(XCB_MOD_MASK_CONTROL, g));
    Type("ctrl+g");
    EXPECT_TRUE(Log.isEmpty());
    // Freeing a component lets its combination go too.
    TOtherClient third;
    auto ctrlF = Make(0x4046, true);
    ASSERT_EQ(ctrlF->State(), THotKeyState::Grabbed);
    ctrlF.reset();
    EXPECT_TRUE(third.Grab(XCB_MOD_MASK_CONTROL, KeyCodeOf(third.Connection(), 'f')));
}

} // namespace
