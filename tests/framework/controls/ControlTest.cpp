// Controls: bounds and the size hook, alignment, values taken from the parent, and exceptions
// raised by handlers during Qt event dispatch.
#include "framework/controls/Application.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/GraphicControl.h"
#include "framework/controls/Screen.h"
#include "framework/stdctrls/StdCtrls.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A control whose size snaps to multiples of 10 and whose height can be locked.
class TSnapControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    bool LockHeight = false;
    int Resizes = 0;

protected:
    bool CanResize(int& NewWidth, int& NewHeight) override {
        NewWidth = (NewWidth + 5) / 10 * 10;
        if (LockHeight) NewHeight = Height();
        return NewWidth > 0;
    }
    void Resize() override {
        ++Resizes;
        TCustomControl::Resize();
    }
};

struct ReportCapture {
    std::vector<String> Reports;
    ReportCapture() {
        TApplication::SetExceptionReportHook([this](const String& m) { Reports.push_back(m); });
    }
    ~ReportCapture() { TApplication::SetExceptionReportHook(nullptr); }
};

} // namespace

TEST(ControlBounds, SizeHookAdjustsOrRefusesTheNewSize) {
    TSnapControl c(nullptr);
    c.SetBounds(0, 0, 40, 20);
    c.SetBounds(5, 6, 43, 27);
    EXPECT_EQ(c.BoundsRect(), Bounds(5, 6, 40, 27));
    c.LockHeight = true;
    c.SetHeight(99);
    EXPECT_EQ(c.Height(), 27);
    // A refused size keeps the old one, the move still happens.
    c.SetBounds(1, 2, 3, 50);
    EXPECT_EQ(c.BoundsRect(), Bounds(1, 2, 40, 27));
}

TEST(ControlBounds, ResizeOnlyWhenTheSizeChanges) {
    TSnapControl c(nullptr);
    c.SetBounds(0, 0, 40, 20);
    const int before = c.Resizes;
    c.SetBounds(10, 10, 40, 20);
    EXPECT_EQ(c.Resizes, before);
    c.SetWidth(60);
    EXPECT_EQ(c.Resizes, before + 1);
}

TEST(ControlAlign, ClassicOrderTopBottomLeftRightClient) {
    TPanel parent(nullptr);
    parent.SetBevelOuter(bvNone);
    parent.SetBounds(0, 0, 200, 100);
    auto make = [&](TAlign align, int w, int h) {
        auto* c = new TPanel(&parent);
        c->SetBounds(0, 0, w, h);
        c->SetParent(&parent);
        c->SetAlign(align);
        return c;
    };
    // Created in an order that differs from the layout order.
    TPanel* client = make(alClient, 10, 10);
    TPanel* left = make(alLeft, 30, 10);
    TPanel* bottom = make(alBottom, 10, 15);
    TPanel* top1 = make(alTop, 10, 20);
    TPanel* top2 = make(alTop, 10, 5);
    TPanel* right = make(alRight, 25, 10);
    EXPECT_EQ(top1->BoundsRect(), Rect(0, 0, 200, 20));
    EXPECT_EQ(top2->BoundsRect(), Rect(0, 20, 200, 25));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 85, 200, 100));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 25, 30, 85));
    EXPECT_EQ(right->BoundsRect(), Rect(175, 25, 200, 85));
    EXPECT_EQ(client->BoundsRect(), Rect(30, 25, 175, 85));

    // The parent's size change and a hidden aligned child re-lay out the rest.
    parent.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(client->BoundsRect(), Rect(30, 25, 275, 185));
    top1->SetVisible(false);
    EXPECT_EQ(top2->BoundsRect(), Rect(0, 0, 300, 5));
    EXPECT_EQ(client->BoundsRect(), Rect(30, 5, 275, 185));
}

TEST(ControlAlign, SizeHookOfABottomControlKeepsItOnTheEdge) {
    TPanel parent(nullptr);
    parent.SetBevelOuter(bvNone);
    parent.SetBounds(0, 0, 100, 100);
    auto* snap = new TSnapControl(&parent);
    snap->SetParent(&parent);
    snap->SetBounds(0, 0, 20, 30);
    snap->LockHeight = true;
    snap->SetAlign(alBottom);
    EXPECT_EQ(snap->BoundsRect(), Rect(0, 70, 100, 100));
}

TEST(ControlAlign, PanelBevelsAndBorderShrinkTheAlignArea) {
    TPanel parent(nullptr);
    parent.SetBounds(0, 0, 100, 60);
    parent.SetBevelInner(bvLowered);
    parent.SetBorderWidth(3);
    auto* c = new TPanel(&parent);
    c->SetParent(&parent);
    c->SetAlign(alClient);
    EXPECT_EQ(c->BoundsRect(), Rect(5, 5, 95, 55));
}

TEST(ControlParentValues, FontFollowsTheParentUntilSetOwn) {
    TPanel parent(nullptr);
    auto* child = new TLabel(&parent);
    auto* grandChild = new TPanel(&parent);
    child->SetParent(&parent);
    grandChild->SetParent(&parent);
    auto* deep = new TLabel(&parent);
    deep->SetParent(grandChild);

    parent.Font()->SetHeight(-20);
    EXPECT_EQ(child->Font()->Height(), -20);
    EXPECT_EQ(deep->Font()->Height(), -20);
    EXPECT_TRUE(child->ParentFont());

    child->Font()->SetColor(clRed);
    EXPECT_FALSE(child->ParentFont());
    parent.Font()->SetHeight(-30);
    EXPECT_EQ(child->Font()->Height(), -20);
    EXPECT_EQ(deep->Font()->Height(), -30);

    child->SetParentFont(true);
    EXPECT_EQ(child->Font()->Height(), -30);
    EXPECT_EQ(child->Font()->Color(), parent.Font()->Color());
}

TEST(ControlParentValues, ColorFollowsTheParentUntilSetOwn) {
    TPanel parent(nullptr);
    auto* label = new TLabel(&parent);
    label->SetParent(&parent);
    EXPECT_EQ(label->Color(), clBtnFace);
    parent.SetColor(clNavy);
    EXPECT_EQ(label->Color(), clNavy);
    // The same colour does not count as the control's own.
    label->SetColor(clNavy);
    EXPECT_TRUE(label->ParentColor());
    label->SetColor(clYellow);
    EXPECT_FALSE(label->ParentColor());
    parent.SetColor(clTeal);
    EXPECT_EQ(label->Color(), clYellow);
    label->SetParentColor(true);
    EXPECT_EQ(label->Color(), clTeal);
}

TEST(ControlParentValues, ChildTakesTheNewParentsValuesWhenMoved) {
    TPanel a(nullptr), b(nullptr);
    a.SetColor(clRed);
    b.SetColor(clLime);
    b.Font()->SetName(QStringLiteral("Courier New"));
    auto* label = new TLabel(nullptr);
    std::unique_ptr<TLabel> owner(label);
    label->SetParent(&a);
    EXPECT_EQ(label->Color(), clRed);
    label->SetParent(&b);
    EXPECT_EQ(label->Color(), clLime);
    EXPECT_EQ(label->Font()->Name(), QStringLiteral("Courier New"));
    label->SetParent(nullptr);
}

TEST(ControlParent, ACycleIsRefused) {
    TPanel outer(nullptr);
    auto* inner = new TPanel(&outer);
    inner->SetParent(&outer);
    EXPECT_THROW(outer.SetParent(inner), EInvalidOperation);
    EXPECT_THROW(outer.SetParent(&outer), EInvalidOperation);
}

TEST(ControlWindows, GraphicControlsStackBelowWindowedOnes) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* label1 = new TLabel(&form);
    label1->SetParent(&form);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* label2 = new TLabel(&form);
    label2->SetParent(&form);
    form.HandleNeeded();
    const QObjectList kids = form.Widget()->children();
    std::vector<QWidget*> order;
    for (QObject* o : kids)
        if (auto* w = qobject_cast<QWidget*>(o)) order.push_back(w);
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0], label1->Widget());
    EXPECT_EQ(order[1], label2->Widget());
    EXPECT_EQ(order[2], panel->Widget());
    EXPECT_EQ(order[3], edit->Widget());
    EXPECT_EQ(label1->Widget()->focusPolicy(), Qt::NoFocus);
}

TEST(ControlWindows, RecreateWndKeepsChildrenAndState) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* edit = new TEdit(&form);
    edit->SetParent(panel);
    edit->SetText(QStringLiteral("kept"));
    edit->SetBounds(7, 8, 90, 21);
    form.HandleNeeded();
    // Marks rather than addresses: a new window may be allocated where the old one was.
    panel->Widget()->setProperty("oldWindow", true);
    edit->Widget()->setProperty("oldWindow", true);
    panel->RecreateWnd();
    EXPECT_FALSE(panel->Widget()->property("oldWindow").isValid());
    ASSERT_TRUE(edit->HandleAllocated());
    EXPECT_FALSE(edit->Widget()->property("oldWindow").isValid());
    EXPECT_EQ(edit->Widget()->parentWidget(), panel->Widget());
    EXPECT_EQ(edit->Widget()->geometry(), QRect(7, 8, 90, 21));
    EXPECT_EQ(static_cast<QLineEdit*>(edit->Widget())->text(), QStringLiteral("kept"));
}

TEST(ControlEvents, HandlerExceptionReachesTheApplicationAndInputGoesOn) {
    ReportCapture capture;
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1) throw EConvertError(QStringLiteral("'x' is not a valid integer value"));
    };
    form.Show();
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    ASSERT_EQ(capture.Reports.size(), 1u);
    EXPECT_EQ(capture.Reports[0], QStringLiteral("'x' is not a valid integer value."));
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(capture.Reports.size(), 1u);
}

TEST(ControlEvents, OnExceptionTakesOverTheReportAndAbortIsSilent) {
    ReportCapture capture;
    TObject* seenSender = nullptr;
    String seen;
    Application->OnException = [&](TObject* sender, const Exception& e) {
        seenSender = sender;
        seen = e.Message();
    };
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
        throw std::runtime_error("plain failure");
    };
    label->OnMouseUp = [](TObject*, TMouseButton, TShiftState, int, int) { Abort(); };
    form.Show();
    QTest::mouseClick(label->Widget(), Qt::LeftButton);
    Application->OnException = nullptr;
    EXPECT_EQ(seenSender, label);
    EXPECT_EQ(seen, QStringLiteral("plain failure"));
    EXPECT_TRUE(capture.Reports.empty());
}

TEST(ControlEvents, MouseEventsCarryClientCoordinatesAndClickFollowsRelease) {
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 50, 20);
    std::vector<std::string> log;
    label->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," +
                      std::to_string(y) + (s.Contains(ssShift) ? " shift" : ""));
    };
    label->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    label->OnClick = [&](TObject*) { log.push_back("click"); };
    label->OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
    form.Show();
    QTest::mouseClick(label->Widget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    QTest::mouseDClick(label->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 2));
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "down 0 5,6 shift");
    EXPECT_EQ(log[1], "up 5,6");
    EXPECT_EQ(log[2], "click");
    EXPECT_NE(std::find(log.begin(), log.end(), "dblclick"), log.end());
}

TEST(ControlKeys, VirtualKeysFollowThePlatformNumbers) {
    struct Row {
        int qt;
        Qt::KeyboardModifiers mods;
        uint16_t vk;
    };
    const Row rows[] = {
        {Qt::Key_A, Qt::NoModifier, 'A'},      {Qt::Key_7, Qt::NoModifier, '7'},
        {Qt::Key_Return, Qt::NoModifier, 13},  {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Left, Qt::NoModifier, 37},    {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_PageUp, Qt::NoModifier, 33},  {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_F1, Qt::NoModifier, 112},     {Qt::Key_F12, Qt::NoModifier, 123},
        {Qt::Key_7, Qt::KeypadModifier, 0x67}, {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Minus, Qt::NoModifier, 0xBD}, {Qt::Key_Tab, Qt::NoModifier, 9},
        {Qt::Key_Space, Qt::NoModifier, 32},   {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(VirtualKeyFromQt(r.qt, r.mods), r.vk) << r.qt;
}

TEST(ControlCursor, ScreenCursorOverridesAndRestores) {
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    Screen->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crHSplit);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::SplitHCursor);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ControlHint, TooltipShowsTheShortHintOnlyWithShowHint) {
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetHint(QStringLiteral("Short|Long help"));
    form.HandleNeeded();
    EXPECT_TRUE(button->Widget()->toolTip().isEmpty());
    form.SetShowHint(true);
    EXPECT_TRUE(button->ShowHint());
    EXPECT_EQ(button->Widget()->toolTip(), QStringLiteral("Short"));
}
