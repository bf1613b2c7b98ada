// The splitter: layout and clamping, pane borders, dragging with real (synthetic) mouse input in
// both update modes, the tracking line's pixels over a child window, and form descriptions.
#include "components/gfx/VQGfxUnit.h"
#include "components/std/VQStdCmp.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/comctrls/ListView.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/Panel.h"
#include "support/ScreenImage.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeVQGfxCmp();
        RegisterVQStdCmpClasses();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 460, 200);
        S = new TVQSplitter(Form);
        S->SetParent(Form);
        S->SetBounds(20, 20, 413, 125);
        S->OnResize = [this](TObject*) { ++Resizes; };
    }
    void TearDown() override {
        delete Form;
        FinalizeVQGfxCmp();
    }

    void ShowForm() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        QCoreApplication::processEvents();
    }
    // A child window filling pane 1, so drawing over it can be checked.
    TPanel* FillPane1() {
        auto* p = new TPanel(Form);
        p->SetParent(S->Pane1());
        p->SetAlign(alClient);
        p->SetBevelOuter(bvNone);
        p->SetColor(clRed);
        return p;
    }
    QImage Shot() {
        QCoreApplication::processEvents();
        return Form->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QWidget* W() const { return S->Widget(); }
    void Press(int x, int y) { QTest::mousePress(W(), Qt::LeftButton, {}, QPoint(x, y)); }
    void Move(int x, int y) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), W()->mapToGlobal(QPointF(x, y)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(W(), &e);
    }
    void Release(int x, int y) { QTest::mouseRelease(W(), Qt::LeftButton, {}, QPoint(x, y)); }

    TForm* Form = nullptr;
    TVQSplitter* S = nullptr;
    int Resizes = 0;
};

TRect B(const TControl* c) {
    return c->BoundsRect();
}

TEST_F(SplitterTest, NewSplitterAndTheWorkedExample) {
    TVQSplitter fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 300);
    EXPECT_EQ(fresh.Height(), 200);
    EXPECT_EQ(fresh.Position(), 100);
    EXPECT_EQ(fresh.SplitterSize(), 3);
    EXPECT_EQ(fresh.Orientation(), vqoVertical);
    EXPECT_FALSE(fresh.AutoUpdate());
    EXPECT_EQ(fresh.BorderSpace(), 0u);
    EXPECT_EQ(fresh.Pane1()->Index(), 1);
    EXPECT_EQ(fresh.Pane2()->Index(), 2);
    EXPECT_EQ(fresh.Pane1()->Border(), vqbsLowered);
    EXPECT_EQ(fresh.Pane1()->Owner(), &fresh);

    EXPECT_EQ(B(S->Pane1()), Rect(0, 0, 100, 125));
    EXPECT_EQ(S->BarRect(), Rect(100, 0, 103, 125));
    EXPECT_EQ(B(S->Pane2()), Rect(103, 0, 413, 125));
}

TEST_F(SplitterTest, PositionIsClampedByTheLayoutAndByTheDrag) {
    struct Case {
        const char* Name;
        int Min1, Min2, Space, Position, Expected;
    } cases[] = {
        {"inside", 0, 0, 0, 200, 200},
        {"far end leaves pane 2 its minimum", 0, 50, 0, 500, 413 - 3 - 50},
        {"far end counts the margin on both sides", 0, 50, 5, 500, 413 - 2 * 5 - 3 - 50},
        {"near end leaves pane 1 its minimum", 40, 0, 0, -20, 40},
        {"both minimums cannot be met: pane 1 wins", 300, 300, 0, 150, 300},
    };
    ShowForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        S->SetPane1MinSize(c.Min1);
        S->SetPane2MinSize(c.Min2);
        S->SetBorderSpace(c.Space);
        S->SetPosition(c.Position);
        EXPECT_EQ(S->Position(), c.Expected);
        EXPECT_EQ(S->Pane1()->Width(), c.Expected);
        EXPECT_EQ(S->Pane2()->Left(), c.Space + c.Expected + 3);
        EXPECT_GE(S->Pane2()->Width(), 0);

        // Dragging the tracking line towards the same position stops it at the same place.
        const int x = S->BarRect().Left + 1;
        Press(x, 60);
        Move(x - c.Expected + c.Position, 60);
        EXPECT_EQ(S->TrackPosition(), c.Expected);
        Release(x - c.Expected + c.Position, 60);
        EXPECT_EQ(S->Position(), c.Expected);
    }
}

TEST_F(SplitterTest, ShrinkingAndSwitchingOrientationReclamp) {
    S->SetPane2MinSize(30);
    S->SetPosition(300);
    S->SetWidth(250); // pane 1 gives way only once pane 2 is at its minimum
    EXPECT_EQ(S->Position(), 250 - 3 - 30);
    EXPECT_EQ(S->Pane2()->Width(), 30);

    S->SetOrientation(vqoHorizontal); // the same position now measures heights, up to 125
    EXPECT_EQ(S->Position(), 125 - 3 - 30);
    EXPECT_EQ(B(S->Pane1()), Rect(0, 0, 250, 92));
    EXPECT_EQ(S->BarRect(), Rect(0, 92, 250, 95));
    EXPECT_EQ(B(S->Pane2()), Rect(0, 95, 250, 125));
}

TEST_F(SplitterTest, BorderSpaceLeavesAMarginAndShortensTheBar) {
    S->SetBorderSpace(5);
    EXPECT_EQ(B(S->Pane1()), Rect(5, 5, 105, 120));
    EXPECT_EQ(S->BarRect(), Rect(105, 5, 108, 120));
    EXPECT_EQ(B(S->Pane2()), Rect(108, 5, 408, 120));
    // A margin beyond any size leaves the panes empty rather than negative.
    S->SetBorderSpace(2147483647u);
    EXPECT_EQ(S->Pane1()->Width(), 0);
    EXPECT_EQ(S->Pane2()->Width(), 0);
    EXPECT_EQ(S->Pane2()->Height(), 0);
}

TEST_F(SplitterTest, EveryLayoutPassFiresOnResize) {
    Resizes = 0;
    S->SetPane1MinSize(0); // unchanged, still a pass
    S->SetPane2MinSize(0);
    EXPECT_EQ(Resizes, 2);
    S->SetPosition(100); // unchanged: no pass
    EXPECT_EQ(Resizes, 2);
    S->SetPosition(150);
    S->SetWidth(400);
    EXPECT_EQ(Resizes, 4);
}

TEST_F(SplitterTest, PaneBordersReduceTheChildrensArea) {
    struct Case {
        TVQBorderStyle Style;
        TVQOrientation Orientation;
        TRect Child1, Child2; // an alClient child of each pane, in pane coordinates
    } cases[] = {
        {vqbsNone, vqoVertical, Rect(0, 0, 100, 125), Rect(0, 0, 310, 125)},
        {vqbsSingle, vqoVertical, Rect(1, 1, 99, 124), Rect(1, 1, 309, 124)},
        {vqbsStatus, vqoVertical, Rect(1, 1, 99, 124), Rect(1, 1, 309, 124)},
        {vqbsLowered, vqoVertical, Rect(2, 2, 98, 123), Rect(2, 2, 308, 123)},
        {vqbsGroup, vqoVertical, Rect(2, 2, 98, 123), Rect(2, 2, 308, 123)},
        // The line styles draw on the bar's side whatever their name.
        {vqbsHorizLine, vqoVertical, Rect(0, 0, 99, 125), Rect(1, 0, 310, 125)},
        {vqbsVertLine, vqoVertical, Rect(0, 0, 99, 125), Rect(1, 0, 310, 125)},
        {vqbsVertLine, vqoHorizontal, Rect(0, 0, 413, 99), Rect(0, 1, 413, 22)},
    };
    auto* c1 = FillPane1();
    auto* c2 = new TPanel(Form);
    c2->SetParent(S->Pane2());
    c2->SetAlign(alClient);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.Style) * 10 + int(c.Orientation));
        S->SetOrientation(c.Orientation);
        S->SetPane1Border(c.Style);
        S->SetPane2Border(c.Style);
        EXPECT_EQ(B(c1), c.Child1);
        EXPECT_EQ(B(c2), c.Child2);
    }
}

TEST_F(SplitterTest, LineStyleIsDrawnOnTheBarSide) {
    S->SetPane1Border(vqbsHorizLine);
    S->SetPane2Border(vqbsHorizLine);
    S->SetPane1Color(clRed);
    S->SetPane2Color(clRed);
    ShowForm();
    const QImage img = Shot();
    const QRgb red = qRgb(255, 0, 0);
    const int y = 20 + 60;
    EXPECT_NE(img.pixel(20 + 99, y), red);  // pane 1's right edge
    EXPECT_EQ(img.pixel(20 + 50, 20), red); // not its top
    EXPECT_EQ(img.pixel(20 + 98, y), red);
    EXPECT_NE(img.pixel(20 + 103, y), red); // pane 2's left edge
    EXPECT_EQ(img.pixel(20 + 104, y), red);
    EXPECT_EQ(img.pixel(20 + 412, y), red);
}

// Drags ----------------------------------------------------------------------------------------

TEST_F(SplitterTest, LiveDragFollowsTheMouseWithinTheMinimums) {
    S->SetAutoUpdate(true);
    S->SetPane2MinSize(20);
    ShowForm();
    Press(101, 60); // offset 1 into the bar
    EXPECT_TRUE(S->DraggingBar());
    EXPECT_EQ(W()->cursor().shape(), Qt::SplitHCursor);
    Move(151, 60);
    EXPECT_EQ(S->Position(), 150);
    EXPECT_EQ(S->Pane2()->Left(), 153);
    Move(1000, 60);
    EXPECT_EQ(S->Position(), 413 - 3 - 20);
    Move(-50, 60);
    EXPECT_EQ(S->Position(), 0);
    Release(-50, 60);
    EXPECT_FALSE(S->DraggingBar());

    // A horizontal bar shows the other split cursor, and only over the bar.
    S->SetOrientation(vqoHorizontal);
    const TRect bar = S->BarRect();
    Move(50, bar.Top + 1);
    EXPECT_EQ(W()->cursor().shape(), Qt::SplitVCursor);
    S->SetBorderSpace(4);
    Move(1, 1);
    EXPECT_NE(W()->cursor().shape(), Qt::SplitVCursor);
}

// The panes copy their pixels as the bar moves and repaint only what is exposed and the
// borders and frames that moved: after each leg of a live drag the window shows exactly what a
// fresh paint of it gives, whatever the bar's direction, the panes' borders and the margin.
TEST_F(SplitterTest, LiveDragLeavesWhatAFreshPaintShows) {
    struct Case {
        const char* Name;
        TVQOrientation Orientation;
        TVQPaneBorderStyle Border;
        uint32_t Space;
    } cases[] = {
        {"vertical bar, lowered panes", vqoVertical, vqbsLowered, 0},
        {"vertical bar, line borders, a margin", vqoVertical, vqbsVertLine, 4},
        {"horizontal bar, single borders", vqoHorizontal, vqbsSingle, 0},
        {"horizontal bar, lowered panes, a margin", vqoHorizontal, vqbsLowered, 3},
    };
    S->SetAutoUpdate(true);
    // A list in columns in each pane: its items and frame are copied along with the pane.
    for (TVQPane* pane : {S->Pane1(), S->Pane2()}) {
        auto* list = new TListView(Form);
        list->SetParent(pane);
        list->SetAlign(alClient);
        list->SetViewStyle(vsList);
        for (const char* caption : {"First", "Second", "Third"})
            list->Add(QString::fromLatin1(caption));
    }
    ShowForm();
    QWidget* window = Form->Widget();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        S->SetOrientation(c.Orientation);
        S->SetPane1Border(c.Border);
        S->SetPane2Border(c.Border);
        S->SetBorderSpace(c.Space);
        S->SetPosition(60);
        ASSERT_EQ(ImageDifference(ShownImage(window), FreshImage(window)), "");
        const bool vertical = c.Orientation == vqoVertical;
        const TRect bar = S->BarRect();
        const int across = vertical ? bar.Top + 30 : bar.Left + 30;
        int at = vertical ? bar.Left + 1 : bar.Top + 1;
        const auto point = [&](int p) { return vertical ? QPoint(p, across) : QPoint(across, p); };
        struct Leg {
            int By, Step, MovesPerPaint;
        } legs[] = {{90, 1, 1}, {-70, -1, 1}, {80, 7, 3}, {-75, -9, 2}};
        Press(point(at).x(), point(at).y());
        for (const Leg& leg : legs) {
            SCOPED_TRACE(leg.By);
            const int to = at + leg.By;
            for (int i = 1; at != to; ++i) {
                at = leg.Step > 0 ? std::min(at + leg.Step, to) : std::max(at + leg.Step, to);
                Move(point(at).x(), point(at).y());
                if (i % leg.MovesPerPaint == 0) QCoreApplication::processEvents();
            }
            EXPECT_EQ(ImageDifference(ShownImage(window), FreshImage(window)), "");
        }
        Release(point(at).x(), point(at).y());
    }
}

TEST_F(SplitterTest, AHandlerMayFreeTheSplitterDuringADrag) {
    // OnResize frees it from inside a live move, then from inside a tracking release; the
    // mouse handlers touch nothing of it afterwards (the sanitizer build checks).
    for (const bool live : {true, false}) {
        SCOPED_TRACE(live ? "live" : "tracking");
        if (!S) {
            S = new TVQSplitter(Form);
            S->SetParent(Form);
            S->SetBounds(20, 20, 413, 125);
        }
        S->SetAutoUpdate(live);
        ShowForm();
        QWidget* w = W();
        Press(101, 60);
        S->OnResize = [this](TObject*) {
            delete S;
            S = nullptr;
        };
        if (live) {
            Move(151, 60);
        } else {
            Move(151, 60);
            EXPECT_TRUE(S && S->DraggingBar());
            QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(151, 60));
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(S, nullptr);
    }
}

TEST_F(SplitterTest, TheSplitCursorShowsOverTheBarOnly) {
    TPanel* child = FillPane1();
    ShowForm();
    QWidget* const pane2 = S->Pane2()->Widget();
    // The mouse goes from the bar into the panes' windows, which would take the cursor of the
    // splitter's window if it kept the bar's, and out of the splitter past the bar's end.
    const struct {
        QWidget* Over;
        QPoint At;
        Qt::CursorShape Expected;
    } moves[] = {
        {pane2, QPoint(100, 60), Qt::ArrowCursor},
        {W(), QPoint(101, 60), Qt::SplitHCursor},
        {child->Widget(), QPoint(50, 60), Qt::ArrowCursor},
        {W(), QPoint(101, 60), Qt::SplitHCursor},
        {pane2, QPoint(100, 60), Qt::ArrowCursor},
        {W(), QPoint(101, 1), Qt::SplitHCursor},
        {Form->Widget(), QPoint(121, 10), Qt::ArrowCursor},
        {child->Widget(), QPoint(50, 60), Qt::ArrowCursor},
    };
    QWindow* window = Form->Widget()->windowHandle();
    for (const auto& m : moves) {
        SCOPED_TRACE(&m - moves);
        // Routed by the window, as real moves are, so the widgets hear the mouse enter.
        QTest::mouseMove(window, m.Over->mapTo(Form->Widget(), m.At));
        QCoreApplication::processEvents();
        EXPECT_EQ(m.Over->cursor().shape(), m.Expected);
        EXPECT_EQ(W()->cursor().shape(),
                  m.Expected == Qt::SplitHCursor ? Qt::SplitHCursor : Qt::ArrowCursor);
    }
}

TEST_F(SplitterTest, RightButtonAndPressesBesideTheBarDoNothing) {
    ShowForm();
    QTest::mousePress(W(), Qt::RightButton, {}, QPoint(101, 60));
    EXPECT_FALSE(S->DraggingBar());
    QTest::mouseRelease(W(), Qt::RightButton, {}, QPoint(101, 60));
    S->SetBorderSpace(4);
    Press(2, 2); // in the margin, not on the bar
    EXPECT_FALSE(S->DraggingBar());
    Release(2, 2);
}

TEST_F(SplitterTest, TrackingLineDragMovesThePanesOnRelease) {
    FillPane1();
    ShowForm();
    const QImage before = Shot();
    Resizes = 0;
    Press(101, 60);
    ASSERT_TRUE(S->DraggingBar());
    EXPECT_EQ(S->TrackPosition(), 100);
    Move(61, 60);
    EXPECT_EQ(S->TrackPosition(), 60);
    EXPECT_EQ(S->Position(), 100); // nothing moves yet
    EXPECT_EQ(Resizes, 0);

    // The line is drawn over the red child: every other pixel inverted (red -> cyan).
    const QImage during = Shot();
    int inverted = 0;
    for (int y = 40; y < 48; ++y)
        inverted += during.pixel(20 + 60, y) == qRgb(0, 255, 255);
    EXPECT_EQ(inverted, 4);
    EXPECT_EQ(during.pixel(20 + 30, 40), before.pixel(20 + 30, 40));

    Release(61, 60);
    EXPECT_EQ(S->Position(), 60);
    EXPECT_EQ(Resizes, 1);
    EXPECT_EQ(B(S->Pane1()), Rect(0, 0, 60, 125));
    // No line is left: the area where it was shows the panes' own pixels.
    const QImage after = Shot();
    for (int y = 24; y < 140; ++y)
        ASSERT_EQ(after.pixel(20 + 61, y), after.pixel(20 + 70, y)) << y;
}

TEST_F(SplitterTest, ReleaseWhereItWasPressedChangesNothing) {
    FillPane1();
    ShowForm();
    const QImage before = Shot();
    Resizes = 0;
    Press(101, 60);
    Move(80, 60);
    Move(101, 60);
    Release(101, 60);
    EXPECT_EQ(S->Position(), 100);
    EXPECT_EQ(Resizes, 0);
    EXPECT_TRUE(Shot() == before);
}

TEST_F(SplitterTest, SwitchingAutoUpdateDuringADragFinishesItTheWayItBegan) {
    FillPane1();
    ShowForm();
    const QImage before = Shot();
    Press(101, 60);
    Move(70, 60);
    S->SetAutoUpdate(true);
    Move(60, 60);
    EXPECT_EQ(S->Position(), 100); // still only the line moves
    Release(60, 60);
    EXPECT_EQ(S->Position(), 59);
    S->SetPosition(100);
    EXPECT_TRUE(Shot() == before);
}

TEST_F(SplitterTest, EveryWayADragEndsInBothModes) {
    FillPane1();
    ShowForm();
    const QImage before = Shot();
    const auto release = [this](Qt::MouseButton button) {
        return [this, button] { QTest::mouseRelease(W(), button, {}, QPoint(50, 60)); };
    };
    // A release of any button applies where the mouse is; a lost capture applies nothing.
    const struct {
        const char* Name;
        bool Release;
        std::function<void()> End;
    } ways[] = {
        {"left release", true, release(Qt::LeftButton)},
        {"right release", true, release(Qt::RightButton)},
        {"middle release", true, release(Qt::MiddleButton)},
        {"Escape", false, [this] { QTest::keyClick(W(), Qt::Key_Escape); }},
        {"released elsewhere", false,
         [this] {
             QMouseEvent e(QEvent::MouseMove, QPointF(40, 60), W()->mapToGlobal(QPointF(40, 60)),
                           Qt::NoButton, Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(W(), &e);
         }},
        {"window deactivated", false,
         [this] {
             QEvent e(QEvent::WindowDeactivate);
             QApplication::sendEvent(Form->Widget(), &e);
         }},
        {"hidden", false, [this] { S->Hide(); }},
    };
    for (bool live : {false, true})
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(way.Name) + (live ? ", live" : ", tracking line"));
            S->SetAutoUpdate(live);
            S->Show();
            S->SetPosition(100);
            Press(101, 60);
            Move(50, 60);
            ASSERT_EQ(live ? S->Position() : S->TrackPosition(), 49);
            way.End();
            EXPECT_FALSE(S->DraggingBar());
            // A lost live drag stays where its last move put the panes; a lost tracking line
            // leaves them where the drag began.
            const int expected = way.Release || live ? 49 : 100;
            EXPECT_EQ(S->Position(), expected);
            S->Show();
            Release(30, 60); // a late release changes nothing
            EXPECT_EQ(S->Position(), expected);
            S->SetPosition(100);
            EXPECT_TRUE(Shot() == before); // and no line is left
        }
}

// Form descriptions ----------------------------------------------------------------------------

class TSplitterTestFm : public TForm {
    VQ_CLASS(TSplitterTestFm, TForm)
public:
    using TForm::TForm;
    TVQSplitter* VQSplitter1 = nullptr;
    TPanel* Left1 = nullptr;
};

const char* const kSplitterForm = R"(object SplitterTestFm: TSplitterTestFm
  Left = 0
  Top = 0
  Width = 460
  Height = 200
  object VQSplitter1: TVQSplitter
    Left = 20
    Top = 20
    Width = 413
    Height = 125
    AutoUpdate = False
    BorderSpace = 0
    object TVQPane
      Border = vqbsNone
      Index = 1
      MinSize = 10
      object Left1: TPanel
        Left = 0
        Top = 0
        Width = 100
        Height = 125
        Align = alClient
      end
    end
    object TVQPane
      Border = vqbsSingle
      Index = 2
    end
  end
end
)";

} // namespace

VQ_PUBLISH(TSplitterTestFm) {
    P.Inherit();
    P.ComponentField("VQSplitter1", &TSplitterTestFm::VQSplitter1);
    P.ComponentField("Left1", &TSplitterTestFm::Left1);
}

TEST_F(SplitterTest, FormRoundTripKeepsPanesChildrenAndSize) {
    RegisterClassesOf<TSplitterTestFm, TPanel>();
    TSplitterTestFm form(nullptr);
    form.ReadFromText(kSplitterForm);
    TVQSplitter* s = form.VQSplitter1;
    ASSERT_NE(s, nullptr);
    // The loaded panes replaced the constructed ones and belong to the splitter.
    ASSERT_EQ(s->ControlCount(), 2);
    EXPECT_EQ(s->Pane1()->Border(), vqbsNone);
    EXPECT_EQ(s->Pane1()->MinSize(), 10);
    EXPECT_EQ(s->Pane2()->Border(), vqbsSingle);
    EXPECT_EQ(s->Pane1()->Owner(), s);
    EXPECT_EQ(form.Left1->Parent(), s->Pane1());
    EXPECT_EQ(form.Left1->Owner(), &form);
    EXPECT_EQ(B(form.Left1), Rect(0, 0, 100, 125));
    EXPECT_EQ(B(s->Pane2()), Rect(103, 0, 413, 125));

    const std::string text = TFormWriter::Write(&form);
    EXPECT_EQ(text.find("Pane1"), std::string::npos);
    // Exactly two unnamed panes, no pane properties on the splitter itself.
    size_t panes = 0;
    for (size_t at = text.find("object TVQPane\n"); at != std::string::npos;
         at = text.find("object TVQPane\n", at + 1))
        ++panes;
    EXPECT_EQ(panes, 2u);
    TSplitterTestFm again(nullptr);
    again.ReadFromText(text);
    EXPECT_EQ(TFormWriter::Write(&again), text);
    EXPECT_EQ(again.VQSplitter1->Width(), 413);
    EXPECT_EQ(again.VQSplitter1->Height(), 125);
    EXPECT_EQ(again.VQSplitter1->ControlCount(), 2);

    // A splitter of any size survives, the constructed size included.
    for (const TPoint size : {Point(300, 200), Point(200, 300)}) {
        s->SetBounds(0, 0, size.X, size.Y);
        TSplitterTestFm copy(nullptr);
        copy.ReadFromText(TFormWriter::Write(&form));
        EXPECT_EQ(copy.VQSplitter1->Width(), size.X);
        EXPECT_EQ(copy.VQSplitter1->Height(), size.Y);
    }
}
