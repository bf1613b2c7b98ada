// The bitmap button: size lock, shaped hit area with real routed mouse input, the state
// pictures, keyboard activation and streaming.

#include "components/std/VQStdCmp.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// W by H: a disc of colour body on a green background (the bottom-left pixel).
std::unique_ptr<TBitmap> Disc(QColor body, int w = 40, int h = 30) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 128, 0));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x + 0.5 - w / 2.0) / (w / 2.0), dy = (y + 0.5 - h / 2.0) / (h / 2.0);
            if (dx * dx + dy * dy <= 1.0) img.setPixelColor(x, y, body);
        }
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetImage(img);
    return bmp;
}

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kYellow(255, 255, 0), kGray(128, 128, 128);
const QColor kPanel(0, 255, 255); // what lies behind the button

class BitmapButton : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterVQStdCmpClasses();
        RegisterStdCtrlsClasses();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Panel = new TPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(10, 10, 200, 150);
        Panel->SetBevelOuter(bvNone);
        Panel->SetColor(TColor(0xFFFF00)); // aqua, 0x00BBGGRR
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(220, 10, 60, 21);
        Btn = new TVQBitmapButton(Form.get());
        Btn->SetParent(Panel);
        Btn->SetLeft(20);
        Btn->SetTop(20);
        Btn->SetCaption("Caption text");
        Btn->SetBitmapNormal(Disc(kRed).get());
        Panel->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int x, int y) {
            Log.push_back("panel down " + std::to_string(x) + "," + std::to_string(y));
        };
        Btn->OnClick = [this](TObject*) { Log.push_back("click"); };
    }

    void Show() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    }
    // A click at a point of the button, routed by the window like real input.
    void ClickWindowAt(int bx, int by) {
        QWindow* window = Form->Widget()->window()->windowHandle();
        const QPoint p = Btn->Widget()->mapTo(Form->Widget()->window(), QPoint(bx, by));
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, p);
        QCoreApplication::processEvents();
    }
    QColor ShownAt(int bx, int by) {
        QCoreApplication::processEvents();
        const QImage shot = Form->Widget()->grab().toImage();
        const QPoint p = Btn->Widget()->mapTo(Form->Widget(), QPoint(bx, by));
        return QColor(shot.pixel(p));
    }

    std::unique_ptr<TForm> Form;
    TPanel* Panel = nullptr;
    TEdit* Edit = nullptr;
    TVQBitmapButton* Btn = nullptr;
    std::vector<std::string> Log;
};

TEST_F(BitmapButton, NormalBitmapLocksTheSizeUntilEmptied) {
    TVQBitmapButton fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 139);

    EXPECT_EQ(Btn->Width(), 40);
    EXPECT_EQ(Btn->Height(), 30);
    Btn->SetBounds(5, 6, 100, 90);
    EXPECT_EQ(Btn->BoundsRect(), Bounds(5, 6, 40, 30)); // moved, not resized
    Btn->SetBitmapNormal(Disc(kRed, 24, 12).get());
    EXPECT_EQ(Btn->BoundsRect(), Bounds(5, 6, 24, 12));

    Btn->SetBitmapNormal(nullptr);
    EXPECT_TRUE(Btn->BitmapNormal()->Empty());
    EXPECT_EQ(Btn->BoundsRect(), Bounds(5, 6, 24, 12)); // emptying keeps the size...
    Btn->SetBounds(5, 6, 100, 90);
    EXPECT_EQ(Btn->BoundsRect(), Bounds(5, 6, 100, 90)); // ...and lifts the lock
}

TEST_F(BitmapButton, ClicksOnTransparentPixelsReachTheControlBehind) {
    Show();
    ClickWindowAt(1, 1);   // corner: green, the key colour
    ClickWindowAt(20, 15); // the disc
    ClickWindowAt(38, 28); // the other corner
    EXPECT_EQ(Log, (std::vector<std::string>{"panel down 21,21", "click", "panel down 58,48"}));

    // The shape always comes from the normal bitmap, whichever picture is shown.
    Log.clear();
    QImage full(40, 30, QImage::Format_RGB32);
    full.fill(kBlue);
    TBitmap pressed;
    pressed.SetImage(full);
    Btn->SetBitmapPressed(&pressed);
    ClickWindowAt(1, 1);
    EXPECT_EQ(Log, (std::vector<std::string>{"panel down 21,21"}));

    // Without a normal bitmap the whole rectangle is the button's, and it draws nothing.
    Log.clear();
    Btn->SetBitmapNormal(nullptr);
    Btn->SetBitmapPressed(nullptr);
    ClickWindowAt(1, 1);
    EXPECT_EQ(Log, (std::vector<std::string>{"click"}));
    EXPECT_EQ(ShownAt(20, 15), kPanel);

    // A re-created window keeps the shape.
    Log.clear();
    Btn->SetBitmapNormal(Disc(kRed).get());
    Btn->RecreateWnd();
    ClickWindowAt(1, 1);
    ClickWindowAt(20, 15);
    EXPECT_EQ(Log, (std::vector<std::string>{"panel down 21,21", "click"}));
}

TEST_F(BitmapButton, StateChoiceFollowsPriorityAndFallsBackPastEmptyPictures) {
    auto disabled = Disc(kGray), pressed = Disc(kBlue), focused = Disc(kYellow);
    TBitmap* normal = Btn->BitmapNormal();
    struct Case {
        bool hasDisabled, hasPressed, hasFocused;
        TOwnerDrawState state;
        const char* expected;
    } cases[] = {
        {true, true, true, {odDisabled, odSelected, odFocused}, "disabled"},
        {false, true, true, {odDisabled, odSelected, odFocused}, "pressed"},
        {false, false, true, {odDisabled, odSelected, odFocused}, "focused"},
        {false, false, false, {odDisabled, odSelected, odFocused}, "normal"},
        {true, true, true, {odSelected, odFocused}, "pressed"},
        {true, false, true, {odSelected}, "normal"},
        {true, false, true, {odSelected, odDefault}, "focused"},
        {true, true, true, {odDefault}, "focused"},
        {true, true, false, {odFocused}, "normal"},
        {true, true, true, {}, "normal"},
    };
    for (const Case& c : cases) {
        Btn->SetBitmapDisabled(c.hasDisabled ? disabled.get() : nullptr);
        Btn->SetBitmapPressed(c.hasPressed ? pressed.get() : nullptr);
        Btn->SetBitmapFocused(c.hasFocused ? focused.get() : nullptr);
        TBitmap* got = Btn->StateBitmap(c.state);
        const char* name = got == normal                  ? "normal"
                           : got == Btn->BitmapDisabled() ? "disabled"
                           : got == Btn->BitmapPressed()  ? "pressed"
                                                          : "focused";
        EXPECT_STREQ(name, c.expected) << "case " << (&c - cases);
    }
}

TEST_F(BitmapButton, DrawsOnlyTheChosenPictureOverWhatLiesBehind) {
    Btn->SetBitmapPressed(Disc(kBlue).get());
    Btn->SetBitmapDisabled(Disc(kGray).get());
    Show();
    Edit->SetFocus(); // neither focused nor default: the normal picture
    EXPECT_EQ(ShownAt(20, 15), kRed);
    EXPECT_EQ(ShownAt(1, 1), kPanel);
    // No caption, frame or focus rectangle: the disc's middle row is all red.
    const QImage shot = Form->Widget()->grab().toImage();
    const QPoint origin = Btn->Widget()->mapTo(Form->Widget(), QPoint(0, 0));
    for (int x = 4; x < 36; ++x)
        ASSERT_EQ(QColor(shot.pixel(origin + QPoint(x, 15))), kRed) << x;

    QTest::mousePress(Btn->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    EXPECT_EQ(ShownAt(20, 15), kBlue);
    QTest::mouseRelease(Btn->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    Btn->SetEnabled(false);
    EXPECT_EQ(ShownAt(20, 15), kGray);
    EXPECT_EQ(ShownAt(1, 1), kPanel);
}

TEST_F(BitmapButton, ADefaultButtonShowsTheFocusedPictureOnlyWhileNoOtherButtonIsFocused) {
    auto* other = new TButton(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(220, 60, 60, 25);
    Btn->SetBitmapFocused(Disc(kYellow).get());
    Btn->SetDefault(true);
    Show();
    const struct {
        TWinControl* Focus;
        QColor Shown;
    } cases[] = {{Edit, kYellow}, {other, kRed}, {Btn, kYellow}, {Edit, kYellow}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        c.Focus->SetFocus();
        EXPECT_EQ(ShownAt(20, 15), c.Shown);
    }
}

TEST_F(BitmapButton, SpaceEnterAndEscapeClickIt) {
    Show();
    Btn->SetFocus();
    QTest::keyClick(Btn->Widget(), Qt::Key_Space);
    EXPECT_EQ(Log, (std::vector<std::string>{"click"}));

    Log.clear();
    Edit->SetFocus();
    QTest::keyClick(Edit->Widget(), Qt::Key_Return);
    EXPECT_TRUE(Log.empty()); // not the default button
    Btn->SetDefault(true);
    QTest::keyClick(Edit->Widget(), Qt::Key_Return);
    Btn->SetCancel(true);
    Btn->SetModalResult(mrCancel);
    QTest::keyClick(Edit->Widget(), Qt::Key_Escape);
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "click"}));
    EXPECT_EQ(Form->ModalResult(), mrCancel);
}

TEST_F(BitmapButton, BitmapsAreStoredAndReadBack) {
    Btn->SetName("VQBitmapButton1");
    Btn->SetBitmapPressed(Disc(kBlue, 40, 30).get());
    Btn->SetBitmapFocused(Disc(kYellow, 40, 30).get());
    Form->SetName("ButtonFm");
    const std::string text = TFormWriter::Write(Form.get());
    EXPECT_NE(text.find("BitmapNormal.Data = {"), std::string::npos);
    EXPECT_NE(text.find("BitmapPressed.Data = {"), std::string::npos);
    EXPECT_EQ(text.find("BitmapDisabled"), std::string::npos); // empty: not written
    EXPECT_EQ(text.find("About"), std::string::npos);

    TForm again(nullptr);
    again.ReadFromText(text, QStringLiteral("written"));
    auto* read = dynamic_cast<TVQBitmapButton*>(again.FindComponent("VQBitmapButton1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->BitmapNormal()->Image(), Btn->BitmapNormal()->Image());
    EXPECT_EQ(read->BitmapPressed()->Image(), Btn->BitmapPressed()->Image());
    EXPECT_EQ(read->BitmapFocused()->Image(), Btn->BitmapFocused()->Image());
    EXPECT_TRUE(read->BitmapDisabled()->Empty());
    EXPECT_EQ(read->BoundsRect(), Btn->BoundsRect());
    EXPECT_EQ(read->Caption(), "Caption text");
}

} // namespace
