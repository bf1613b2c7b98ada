// The page control: pages from a description, switching by click, key and property, the rows
// of a multi-line tab strip; and the tool bar's grouped buttons.
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/Panel.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>

namespace {

const char* const kPagesForm = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 420
  Height = 300
  object Pc: TPageControl
    Left = 8
    Top = 8
    Width = 300
    Height = 200
    ActivePage = Second
    MultiLine = True
    TabOrder = 0
    object First: TTabSheet
      Caption = 'First'
      object Inner1: TPanel
        Left = 4
        Top = 4
        Width = 50
        Height = 20
      end
    end
    object Second: TTabSheet
      Caption = '&Second'
      object Inner2: TPanel
        Left = 8
        Top = 8
        Width = 50
        Height = 20
      end
    end
    object Third: TTabSheet
      Caption = 'Third'
      TabVisible = False
    end
    object Fourth: TTabSheet
      Caption = 'Fourth'
    end
  end
end)";

class PageControl : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterComCtrlsClasses();
        RegisterClassesOf<TPanel>();
        Form = std::make_unique<TForm>(nullptr);
        Form->ReadFromText(kPagesForm, QStringLiteral("pages"));
        Pc = dynamic_cast<TPageControl*>(Form->FindComponent(QStringLiteral("Pc")));
        ASSERT_NE(Pc, nullptr);
        Pc->OnChanging = [this](TObject*, bool& allow) {
            Log.push_back("changing " + Name(Pc->ActivePage()));
            allow = !Refuse;
        };
        Pc->OnChange = [this](TObject*) { Log.push_back("change " + Name(Pc->ActivePage())); };
    }

    TTabSheet* Page(const char* name) const {
        return dynamic_cast<TTabSheet*>(Form->FindComponent(QString::fromLatin1(name)));
    }
    static std::string Name(const TComponent* c) { return c ? c->Name().toStdString() : "nil"; }

    void Show() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    }

    void ClickTab(TTabSheet* page) {
        const TRect r = Pc->TabRect(page);
        QTest::mouseClick(Pc->Widget(), Qt::LeftButton, {},
                          QPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2));
    }

    std::unique_ptr<TForm> Form;
    TPageControl* Pc = nullptr;
    std::vector<std::string> Log;
    bool Refuse = false;
};

TEST_F(PageControl, PagesComeFromTheDescription) {
    ASSERT_EQ(Pc->PageCount(), 4);
    EXPECT_EQ(Pc->Pages(0), Page("First"));
    EXPECT_EQ(Pc->Pages(3), Page("Fourth"));
    EXPECT_EQ(Pc->ActivePage(), Page("Second"));
    EXPECT_EQ(Pc->ActivePageIndex(), 1);
    for (int i = 0; i < Pc->PageCount(); ++i)
        EXPECT_EQ(Pc->Pages(i)->Visible(), i == 1) << i;
    EXPECT_EQ(Form->FindComponent(QStringLiteral("Inner2"))->GetParentComponent(), Page("Second"));
    EXPECT_EQ(Page("Third")->TabIndex(), -1);
    EXPECT_EQ(Page("Fourth")->TabIndex(), 2);
    // Every page fills the area below the tabs.
    const TRect display = Pc->DisplayRect();
    EXPECT_EQ(Page("First")->BoundsRect(), display);
    EXPECT_GT(display.Top, 10);
    EXPECT_THROW(Pc->Pages(4), EListError);
}

TEST_F(PageControl, WrittenDescriptionReadsBackTheSame) {
    const std::string text = TFormWriter::Write(Form.get());
    EXPECT_NE(text.find("ActivePage = Second"), std::string::npos);
    EXPECT_NE(text.find("TabVisible = False"), std::string::npos);
    // The page control places its pages: their bounds are not stored.
    const size_t sheet = text.find("object First: TTabSheet");
    ASSERT_NE(sheet, std::string::npos);
    EXPECT_EQ(text.find("Left", sheet), text.find("Left = 4", sheet));
    auto again = std::make_unique<TForm>(nullptr);
    again->ReadFromText(text, QStringLiteral("written"));
    EXPECT_EQ(TFormWriter::Write(again.get()), text);
}

TEST_F(PageControl, HiddenPagesGetTheirWindowsWhenFirstShown) {
    Show();
    auto* inner1 = dynamic_cast<TWinControl*>(Form->FindComponent(QStringLiteral("Inner1")));
    auto* inner2 = dynamic_cast<TWinControl*>(Form->FindComponent(QStringLiteral("Inner2")));
    ASSERT_TRUE(inner1 && inner2);
    EXPECT_TRUE(inner2->HandleAllocated());
    EXPECT_TRUE(Page("First")->HandleAllocated());
    EXPECT_FALSE(inner1->HandleAllocated());

    // A control added to a hidden page waits too.
    auto* late = new TPanel(Form.get());
    late->SetParent(Page("Fourth"));
    EXPECT_FALSE(late->HandleAllocated());

    Pc->SetActivePage(Page("First"));
    ASSERT_TRUE(inner1->HandleAllocated());
    EXPECT_EQ(inner1->Widget()->parentWidget(), Page("First")->Widget());
    EXPECT_EQ(inner1->Widget()->geometry(), QRect(4, 4, 50, 20));
    EXPECT_TRUE(inner1->Widget()->isVisible());

    // Asked for, a window is made at once, hidden page or not.
    late->HandleNeeded();
    ASSERT_TRUE(late->HandleAllocated());
    EXPECT_EQ(late->Widget()->parentWidget(), Page("Fourth")->Widget());
    EXPECT_FALSE(late->Widget()->isVisible());
    Pc->SetActivePage(Page("Fourth"));
    EXPECT_TRUE(late->Widget()->isVisible());
}

TEST_F(PageControl, ClickOnATabAsksThenChanges) {
    Show();
    ClickTab(Page("Fourth"));
    EXPECT_EQ(Pc->ActivePage(), Page("Fourth"));
    EXPECT_EQ(Log, (std::vector<std::string>{"changing Second", "change Fourth"}));
    EXPECT_TRUE(Page("Fourth")->Visible());
    EXPECT_FALSE(Page("Second")->Visible());
    EXPECT_TRUE(Pc->Focused());

    Log.clear();
    Refuse = true;
    ClickTab(Page("First"));
    EXPECT_EQ(Pc->ActivePage(), Page("Fourth"));
    EXPECT_EQ(Log, (std::vector<std::string>{"changing Fourth"}));

    // A click on the active tab or beside the tabs changes nothing.
    Log.clear();
    Refuse = false;
    ClickTab(Page("Fourth"));
    QTest::mouseClick(Pc->Widget(), Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_TRUE(Log.empty());
}

TEST_F(PageControl, PropertyChangesFireNoEvents) {
    Pc->SetActivePage(Page("First"));
    EXPECT_EQ(Pc->ActivePageIndex(), 0);
    Pc->SetActivePageIndex(3);
    EXPECT_EQ(Pc->ActivePage(), Page("Fourth"));
    // A sheet of another page control is no page of this one.
    TPageControl other(nullptr);
    auto* foreign = new TTabSheet(&other);
    foreign->SetPageControl(&other);
    Pc->SetActivePage(foreign);
    EXPECT_EQ(Pc->ActivePage(), Page("Fourth"));
    EXPECT_TRUE(Log.empty());
}

TEST_F(PageControl, KeysSkipHiddenTabs) {
    Show();
    Pc->SetFocus();
    QTest::keyClick(Pc->Widget(), Qt::Key_Right);
    EXPECT_EQ(Pc->ActivePage(), Page("Fourth"));
    QTest::keyClick(Pc->Widget(), Qt::Key_Right);
    EXPECT_EQ(Pc->ActivePage(), Page("First"));
    QTest::keyClick(Pc->Widget(), Qt::Key_Left);
    EXPECT_EQ(Pc->ActivePage(), Page("Fourth"));
    EXPECT_EQ(Log.size(), 6u);
}

TEST_F(PageControl, RemovingTheActivePageActivatesTheNext) {
    delete Page("Second");
    EXPECT_EQ(Pc->PageCount(), 3);
    EXPECT_EQ(Pc->ActivePage(), Page("Fourth"));
    EXPECT_TRUE(Page("Fourth")->Visible());
    Page("First")->SetPageIndex(2);
    EXPECT_EQ(Pc->Pages(2), Page("First"));
}

TEST_F(PageControl, MultiLineTabsWrapIntoRowsAndTheActiveRowMovesDown) {
    for (const char* caption : {"Border, Image, and Meter", "Bitmap button",
                                "Menu button and Splitter", "Calendar", "Rich label"}) {
        auto* sheet = new TTabSheet(Form.get());
        sheet->SetCaption(QString::fromLatin1(caption));
        sheet->SetPageControl(Pc);
    }
    // Without a window the tabs are laid out when first needed: reading a page's bounds
    // first finds them placed below all the rows.
    const TRect page = Pc->Pages(0)->BoundsRect();
    ASSERT_GT(Pc->RowCount(), 1);
    EXPECT_EQ(page, Pc->DisplayRect());
    const int rows = Pc->RowCount();
    Pc->SetActivePage(Pc->Pages(0));
    TTabSheet* last = Pc->Pages(Pc->PageCount() - 1);
    EXPECT_EQ(Pc->TabRow(Pc->Pages(0)), 0);
    const int lastRow = Pc->TabRow(last);
    EXPECT_GT(lastRow, 0);
    const int rowTop = Pc->TabRect(last).Top;

    Pc->SetActivePage(last);
    EXPECT_EQ(Pc->TabRow(last), 0);
    // The row next to the page is the lowest one.
    EXPECT_GT(Pc->TabRect(last).Top, rowTop);
    EXPECT_EQ(Pc->TabRect(last).Bottom, Pc->DisplayRect().Top - 4);
    // The rows keep their cyclic order: the first row is now just above.
    EXPECT_EQ(Pc->TabRow(Pc->Pages(0)), (0 - lastRow + rows) % rows);
    EXPECT_EQ(Pc->RowCount(), rows);

    // Every row spans the full width.
    std::map<int, int> rightmost;
    for (int i = 0; i < Pc->PageCount(); ++i) {
        const TRect r = Pc->TabRect(Pc->Pages(i));
        if (r.Width() > 0) rightmost[r.Top] = std::max(rightmost[r.Top], r.Right);
    }
    for (const auto& [top, right] : rightmost)
        EXPECT_EQ(right, Pc->Width() - 2) << top;

    // One line: all tabs in one row, the active one scrolled into view.
    Pc->SetMultiLine(false);
    EXPECT_EQ(Pc->RowCount(), 1);
    const TRect r = Pc->TabRect(last);
    EXPECT_LE(r.Right, Pc->Width());
    EXPECT_GE(r.Left, 0);
    EXPECT_EQ(Pc->PageAt(r.Left + 2, r.Top + 2), last);
}

TEST_F(PageControl, TabClickInAnUpperRowMovesThatRowToThePage) {
    for (const char* caption : {"A long caption one", "A long caption two", "A long caption three",
                                "A long caption four"}) {
        auto* sheet = new TTabSheet(Form.get());
        sheet->SetCaption(QString::fromLatin1(caption));
        sheet->SetPageControl(Pc);
    }
    Show();
    TTabSheet* target = nullptr;
    for (int i = 0; i < Pc->PageCount(); ++i)
        if (Pc->TabRow(Pc->Pages(i)) == Pc->RowCount() - 1) target = Pc->Pages(i);
    ASSERT_NE(target, nullptr);
    ClickTab(target);
    EXPECT_EQ(Pc->ActivePage(), target);
    EXPECT_EQ(Pc->TabRow(target), 0);
}

TEST_F(PageControl, OneRowThatDoesNotFitScrollsWithItsButtons) {
    for (const char* caption : {"Border, Image, and Meter", "Bitmap button",
                                "Menu button and Splitter", "Calendar", "Rich label"}) {
        auto* sheet = new TTabSheet(Form.get());
        sheet->SetCaption(QString::fromLatin1(caption));
        sheet->SetPageControl(Pc);
    }
    Pc->SetMultiLine(false);
    Pc->SetActivePage(Pc->Pages(0));
    Show();
    const TRect back = Pc->ScrollButtonRect(false);
    const TRect forward = Pc->ScrollButtonRect(true);
    ASSERT_GT(forward.Width(), 0);
    EXPECT_EQ(back.Right, forward.Left);
    EXPECT_EQ(forward.Right, Pc->Width() - 2);
    // No tab can be picked under the buttons.
    EXPECT_EQ(Pc->PageAt(back.Left + 2, back.Top + 2), nullptr);

    // A click scrolls by one tab and leaves the page as it is; no events.
    const TRect second = Pc->TabRect(Pc->Pages(1));
    QTest::mouseClick(Pc->Widget(), Qt::LeftButton, {},
                      QPoint(forward.Left + forward.Width() / 2, forward.Top + 4));
    EXPECT_EQ(Pc->TabRect(Pc->Pages(1)).Left, 2);
    EXPECT_EQ(Pc->TabRect(Pc->Pages(1)).Width(), second.Width());
    EXPECT_EQ(Pc->ActivePage(), Pc->Pages(0));
    EXPECT_TRUE(Log.empty());
    // At the end of the row the forward button stops; back returns to the start.
    while (Pc->ScrollTabs(true)) {
    }
    TTabSheet* last = Pc->Pages(Pc->PageCount() - 1);
    EXPECT_LE(Pc->TabRect(last).Right, back.Left);
    while (Pc->ScrollTabs(false)) {
    }
    EXPECT_EQ(Pc->TabRect(Pc->Pages(0)).Left, 2);
    EXPECT_FALSE(Pc->ScrollTabs(false));

    // Activating a page brings its tab into view, clear of the buttons.
    Pc->SetActivePage(last);
    EXPECT_LE(Pc->TabRect(last).Right, back.Left);
    EXPECT_GE(Pc->TabRect(last).Left, 2);

    // Wide enough, the row fits and the buttons go.
    Pc->SetWidth(2000);
    EXPECT_EQ(Pc->ScrollButtonRect(true).Width(), 0);
    EXPECT_EQ(Pc->TabRect(Pc->Pages(0)).Left, 2);
}

// Tool bar -------------------------------------------------------------------------------------

TEST(ToolBar, GroupedCheckButtonsActAsRadioButtons) {
    RegisterComCtrlsClasses();
    auto form = std::make_unique<TForm>(nullptr);
    form->ReadFromText(R"(object F: TForm
  Width = 300
  Height = 100
  object Bar: TToolBar
    Height = 26
    object BoldBt: TToolButton
      Caption = 'B'
      Style = tbsCheck
    end
    object LeftBt: TToolButton
      Caption = 'Left'
      Grouped = True
      Style = tbsCheck
      Down = True
    end
    object CenterBt: TToolButton
      Caption = 'Center aligned'
      Grouped = True
      Style = tbsCheck
    end
  end
end)");
    auto button = [&](const char* name) {
        return dynamic_cast<TToolButton*>(form->FindComponent(QString::fromLatin1(name)));
    };
    TToolButton* bold = button("BoldBt");
    TToolButton* left = button("LeftBt");
    TToolButton* center = button("CenterBt");
    ASSERT_TRUE(bold && left && center);
    // Laid out from the left; a long caption widens its button.
    EXPECT_EQ(bold->Left(), 0);
    EXPECT_EQ(left->Left(), bold->Width());
    EXPECT_EQ(center->Left(), left->Left() + left->Width());
    EXPECT_GT(center->Width(), 23);
    EXPECT_EQ(bold->Height(), 22);

    int clicks = 0;
    center->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    QTest::mouseClick(center->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(center->Down());
    EXPECT_FALSE(left->Down());
    // The down button of a group stays down; an ungrouped check button toggles.
    center->Click();
    EXPECT_TRUE(center->Down());
    bold->Click();
    EXPECT_TRUE(bold->Down());
    bold->Click();
    EXPECT_FALSE(bold->Down());
    center->SetAllowAllUp(true);
    center->Click();
    EXPECT_FALSE(center->Down());
    left->SetDown(true);
    center->SetDown(true);
    EXPECT_FALSE(left->Down());
    EXPECT_FALSE(bold->Down());
}

} // namespace
