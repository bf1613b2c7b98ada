// Drag and drop between controls: automatic drags that start on a press, drags begun by code
// past a threshold, the order of the events on both sides, the control found under the pointer
// on every kind of surface, refusal, Escape, and a target that goes away during the drag.
#include "framework/controls/Form.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

class DragDrop : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 200);
        Source = Panel("Source", 10, 10);
        Target = Panel("Target", 150, 10);
        Other = Panel("Other", 290, 10);
        Source->SetDragMode(dmAutomatic);
        Source->OnStartDrag = [this](TObject*, TObject*&) { Log.push_back("start"); };
        Source->OnEndDrag = [this](TObject*, TObject* target, int x, int y) {
            Log.push_back("end " + NameOf(target) + " " + std::to_string(x) + "," +
                          std::to_string(y));
        };
        Source->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
            Log.push_back("mousedown");
        };
        Source->OnClick = [this](TObject*) { Log.push_back("click"); };
        Target->OnDragOver = [this](TObject*, TObject* source, int x, int y, TDragState state,
                                    bool& accept) {
            static const char* const names[] = {"enter", "leave", "move"};
            Log.push_back(std::string("over ") + names[state] + " " + NameOf(source) + " " +
                          std::to_string(x) + "," + std::to_string(y));
            accept = Accept;
        };
        Target->OnDragDrop = [this](TObject*, TObject* source, int x, int y) {
            Log.push_back("drop " + NameOf(source) + " " + std::to_string(x) + "," +
                          std::to_string(y));
        };
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    }

    TPanel* Panel(const char* name, int left, int top) {
        auto* p = new TPanel(Form.get());
        p->SetName(QString::fromLatin1(name));
        p->SetParent(Form.get());
        p->SetBounds(left, top, 100, 100);
        return p;
    }

    static std::string NameOf(TObject* o) {
        auto* c = dynamic_cast<TComponent*>(o);
        return c ? c->Name().toStdString() : "nil";
    }

    // Mouse input as the source's window receives it while it holds the mouse: positions are
    // given in the client coordinates of the control they lie over.
    QPoint At(TControl* over, int x, int y) const {
        return Source->Widget()->mapFromGlobal(over->Widget()->mapToGlobal(QPoint(x, y)));
    }
    void Press(int x, int y) { QTest::mousePress(Source->Widget(), Qt::LeftButton, {}, {x, y}); }
    void Move(TControl* over, int x, int y) { QTest::mouseMove(Source->Widget(), At(over, x, y)); }
    void Release(TControl* over, int x, int y) {
        QTest::mouseRelease(Source->Widget(), Qt::LeftButton, {}, At(over, x, y));
    }

    std::unique_ptr<TForm> Form;
    TPanel* Source = nullptr;
    TPanel* Target = nullptr;
    TPanel* Other = nullptr;
    std::vector<std::string> Log;
    bool Accept = true;
};

} // namespace

TEST_F(DragDrop, AutomaticDragStartsOnThePressAndDropsOnTheTarget) {
    Press(20, 20);
    EXPECT_TRUE(Source->Dragging());
    Move(Target, 5, 6);
    Move(Target, 7, 8);
    Move(Other, 3, 3);
    Move(Target, 9, 9);
    Release(Target, 40, 30);
    EXPECT_FALSE(Source->Dragging());
    // The press is the drag's, not a press or a click of the source.
    EXPECT_EQ(Log,
              (std::vector<std::string>{"start", "over enter Source 5,6", "over move Source 7,8",
                                        "over leave Source 143,3" /* in the target's coordinates */,
                                        "over enter Source 9,9", "over move Source 40,30",
                                        "drop Source 40,30", "end Target 40,30"}))
        << ::testing::PrintToString(Log);
}

TEST_F(DragDrop, OneDragAcrossEverySurfaceMeetsTheControlUnderThePointer) {
    // A graphic control's widget is lowered to the front of the form's children, ahead of
    // everything else the form's widget holds.
    auto* label = new TLabel(Form.get());
    label->SetName(QStringLiteral("Label1"));
    label->SetParent(Form.get());
    label->SetBounds(10, 150, 80, 20);
    TForm window(nullptr);
    window.SetName(QStringLiteral("Window2"));
    window.SetBounds(550, 100, 150, 100);
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
    Form->SetName(QStringLiteral("Form1"));
    static const char* const names[] = {"enter", "leave", "move"};
    for (TControl* c : std::initializer_list<TControl*>{Form.get(), label, Other, &window, Target})
        c->OnDragOver = [this](TObject* sender, TObject*, int x, int y, TDragState state,
                               bool& accept) {
            std::string line = NameOf(sender) + " " + names[state];
            if (state != dsDragLeave) line += " " + std::to_string(x) + "," + std::to_string(y);
            Log.push_back(line);
            accept = sender == Target;
        };
    Press(20, 20);
    Move(Form.get(), 200, 150);
    Move(label, 5, 5);
    Move(Other, 5, 5);
    Move(&window, 10, 10);
    QTest::mouseMove(Source->Widget(), Source->Widget()->mapFromGlobal(QPoint(20, 20)));
    Move(Target, 5, 5);
    Release(Target, 6, 6);
    EXPECT_EQ(Log, (std::vector<std::string>{
                       "start", "Form1 enter 200,150", "Form1 leave", "Label1 enter 5,5",
                       "Label1 leave", "Other enter 5,5", "Other leave", "Window2 enter 10,10",
                       "Window2 leave" /* nothing outside the windows */, "Target enter 5,5",
                       "Target move 6,6", "drop Source 6,6", "end Target 6,6"}))
        << ::testing::PrintToString(Log);
}

TEST_F(DragDrop, RefusedOrMissedDropEndsWithoutATarget) {
    Accept = false;
    Press(20, 20);
    Move(Target, 5, 5);
    Release(Target, 6, 6);
    ASSERT_FALSE(Log.empty());
    EXPECT_EQ(Log.back(), "end nil 0,0");
    EXPECT_EQ(std::count_if(Log.begin(), Log.end(),
                            [](const std::string& s) { return s.rfind("drop", 0) == 0; }),
              0);
    // The target still hears that the drag left it.
    EXPECT_EQ(Log[Log.size() - 2].rfind("over leave", 0), 0u) << Log[Log.size() - 2];

    // Released over a control without OnDragOver: nothing accepts.
    Log.clear();
    Accept = true;
    Press(20, 20);
    Release(Other, 5, 5);
    EXPECT_EQ(Log, (std::vector<std::string>{"start", "end nil 0,0"}));
}

TEST_F(DragDrop, EscapeCancelsAndTheTargetHearsItLeave) {
    Press(20, 20);
    Move(Target, 5, 5);
    QTest::keyClick(Form->Widget(), Qt::Key_Escape);
    EXPECT_FALSE(Source->Dragging());
    EXPECT_EQ(Log, (std::vector<std::string>{"start", "over enter Source 5,5",
                                             "over leave Source 5,5", "end nil 0,0"}));
    // The release that follows is an ordinary one.
    Log.clear();
    Release(Target, 5, 5);
    EXPECT_TRUE(Log.empty()) << ::testing::PrintToString(Log);
}

TEST_F(DragDrop, ManualDragWaitsForItsThreshold) {
    Source->SetDragMode(dmManual);
    Source->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
        Log.push_back("mousedown");
        Source->BeginDrag(false, 5);
    };
    // A small move and a release: a click, no drag.
    Press(20, 20);
    Move(Source, 23, 22);
    EXPECT_FALSE(Source->Dragging());
    Release(Source, 23, 22);
    EXPECT_EQ(Log, (std::vector<std::string>{"mousedown", "click"}));

    Log.clear();
    Press(20, 20);
    Move(Target, 5, 5);
    EXPECT_TRUE(Source->Dragging());
    Release(Target, 5, 5);
    EXPECT_EQ(Log, (std::vector<std::string>{"mousedown", "start", "over enter Source 5,5",
                                             "over move Source 5,5", "drop Source 5,5",
                                             "end Target 5,5"}));
}

TEST_F(DragDrop, DragObjectFromStartDragIsWhatTargetsSee) {
    TPanel token(nullptr);
    token.SetName(QStringLiteral("Token"));
    Source->OnStartDrag = [&](TObject*, TObject*& object) { object = &token; };
    Press(20, 20);
    Release(Target, 5, 5);
    EXPECT_EQ(Log[Log.size() - 2], "drop Token 5,5");
    EXPECT_EQ(Log.back(), "end Target 5,5");
}

TEST_F(DragDrop, TargetFreedDuringTheDragIsForgotten) {
    Press(20, 20);
    Move(Target, 5, 5);
    delete Target;
    Target = nullptr;
    Release(Other, 5, 5);
    EXPECT_EQ(Log.back(), "end nil 0,0");
    EXPECT_FALSE(Source->Dragging());
}

TEST_F(DragDrop, SourceFreedDuringTheDragEndsItQuietly) {
    Press(20, 20);
    Move(Target, 5, 5);
    delete Source;
    Source = nullptr;
    Log.clear();
    // A new drag can start afterwards.
    Other->SetDragMode(dmAutomatic);
    QTest::mousePress(Other->Widget(), Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(Other->Dragging());
    QTest::mouseRelease(Other->Widget(), Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(Other->Dragging());
    EXPECT_TRUE(Log.empty()) << ::testing::PrintToString(Log);
}

TEST_F(DragDrop, AutomaticDragFromAButtonNeverPushesIt) {
    auto* button = new TButton(Form.get());
    button->SetParent(Form.get());
    button->SetBounds(10, 150, 80, 25);
    button->SetName(QStringLiteral("Button1"));
    button->SetDragMode(dmAutomatic);
    button->OnClick = [this](TObject*) { Log.push_back("button click"); };
    button->OnEndDrag = [this](TObject*, TObject* target, int, int) {
        Log.push_back("button end " + NameOf(target));
    };
    QTest::mousePress(button->Widget(), Qt::LeftButton, {}, {10, 10});
    EXPECT_TRUE(button->Dragging());
    QTest::mouseRelease(
        button->Widget(), Qt::LeftButton, {},
        button->Widget()->mapFromGlobal(Target->Widget()->mapToGlobal(QPoint(5, 5))));
    // Released straight over the target: it hears the drag enter, then the drop.
    EXPECT_EQ(Log, (std::vector<std::string>{"over enter Button1 5,5", "drop Button1 5,5",
                                             "button end Target"}))
        << ::testing::PrintToString(Log);
}

TEST_F(DragDrop, FailingStartDragEndsTheDrag) {
    Source->OnStartDrag = [](TObject*, TObject*&) {
        throw Exception(QStringLiteral("no drag today"));
    };
    EXPECT_THROW(Source->BeginDrag(true), Exception);
    EXPECT_FALSE(Source->Dragging());
    // Nothing is left over: the next drag starts.
    Source->OnStartDrag = nullptr;
    Source->BeginDrag(true);
    EXPECT_TRUE(Source->Dragging());
    Source->EndDrag(false);
    EXPECT_EQ(Log.back(), "end nil 0,0");
}
