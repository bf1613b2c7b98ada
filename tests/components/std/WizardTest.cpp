// The wizard: navigation over included pages, activation events, DoneQuery and CheckDone, the
// button switches and layout, list maintenance, help, show requests and form descriptions.
#include "components/std/VQStdCmp.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/system/ResourceStrings.h"

#include <QWidget>

#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace {

class Wizard : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterVQStdCmpClasses();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetClientWidth(512);
        Form->SetClientHeight(300);
        W = new TVQWizard(Form.get());
        W->SetParent(Form.get());
        W->OnChanging = [this](TObject*) { Log.push_back("changing"); };
        W->OnChange = [this](TObject*) { Log.push_back("change " + Name(W->ActivePage())); };
        W->OnFinishClick = [this](TObject*) { Log.push_back("finish"); };
    }

    // Five pages named P1..P5; P1 is active afterwards.
    void AddPages(int count = 5) {
        for (int i = 1; i <= count; ++i) {
            auto* page = new TVQWizardPage(Form.get());
            page->SetName(QStringLiteral("P%1").arg(i));
            page->SetWizard(W);
            Page.push_back(page);
        }
        W->SetActivePage(Page[0]);
        Log.clear();
    }

    static std::string Name(const TComponent* c) { return c ? c->Name().toStdString() : "none"; }
    std::string Next() const { return W->NextButton()->Caption().toStdString(); }
    std::string Active() const { return Name(W->ActivePage()); }

    std::unique_ptr<TForm> Form;
    TVQWizard* W = nullptr;
    std::vector<TVQWizardPage*> Page;
    std::vector<std::string> Log;
};

TEST_F(Wizard, NextAndBackSkipExcludedPagesAndNextReadsFinishOnTheLastIncludedPage) {
    AddPages();
    Page[3]->SetInclude(false);
    // Each step: the button pressed, then the page, Back's state and Next's caption.
    struct Step {
        TButton* (TVQWizard::*Button)() const;
        const char* Active;
        bool BackEnabled;
        const char* NextCaption;
    };
    const Step steps[] = {
        {&TVQWizard::NextButton, "P2", true, "Next >"},
        {&TVQWizard::NextButton, "P3", true, "Next >"},
        {&TVQWizard::NextButton, "P5", true, "&Finish"},
        {&TVQWizard::BackButton, "P3", true, "Next >"},
        {&TVQWizard::BackButton, "P2", true, "Next >"},
        {&TVQWizard::BackButton, "P1", false, "Next >"},
    };
    for (const Step& s : steps) {
        (W->*s.Button)()->Click();
        EXPECT_EQ(Active(), s.Active);
        EXPECT_EQ(W->BackButton()->Enabled(), s.BackEnabled) << s.Active;
        EXPECT_EQ(Next(), s.NextCaption) << s.Active;
        EXPECT_TRUE(W->ActivePage()->Visible());
    }
    // Only the active page is on show.
    for (TVQWizardPage* p : Page)
        EXPECT_EQ(p->Visible(), p == W->ActivePage()) << Name(p);
    // Excluding the active first page moves on to the second, where Back has nowhere to go.
    Page[0]->SetInclude(false);
    EXPECT_EQ(Active(), "P2");
    EXPECT_FALSE(W->BackButton()->Enabled());
}

TEST_F(Wizard, FindNextPageLooksAtIncludedOrAllPagesInEitherDirection) {
    AddPages();
    Page[1]->SetInclude(false);
    auto* stranger = new TVQWizardPage(Form.get());
    struct Case {
        TVQWizardPage* From;
        bool Forward, IncludedOnly;
        TVQWizardPage* Expected;
    };
    const Case cases[] = {
        {Page[0], true, true, Page[2]},   {Page[0], true, false, Page[1]},
        {Page[2], false, true, Page[0]},  {Page[2], false, false, Page[1]},
        {Page[4], true, true, nullptr},   {Page[0], false, false, nullptr},
        {stranger, true, false, nullptr}, {nullptr, true, false, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(W->FindNextPage(c.From, c.Forward, c.IncludedOnly), c.Expected)
            << Name(c.From) << (c.Forward ? " forward" : " backward")
            << (c.IncludedOnly ? " included" : " all");
}

TEST_F(Wizard, EveryActivationFiresChangingThenChangeAndTheActivePageNone) {
    auto* first = new TVQWizardPage(Form.get());
    first->SetName("P1");
    first->SetWizard(W); // a page inserted outside loading becomes active at once
    EXPECT_EQ(W->FirstPage(), first);
    auto* second = new TVQWizardPage(Form.get());
    second->SetName("P2");
    second->SetWizard(W);
    W->SetActivePage(second); // already active: nothing
    W->SetActivePage(first);
    auto* stranger = new TVQWizardPage(Form.get());
    W->SetActivePage(stranger); // not one of ours: ignored
    EXPECT_EQ(Log, (std::vector<std::string>{"changing", "change P1", "changing", "change P2",
                                             "changing", "change P1"}));
    EXPECT_EQ(W->FirstPage(), first);
}

TEST_F(Wizard, OnChangingMayFreeOrMoveTheTargetPageOrFreeTheWizard) {
    AddPages(3);
    TVQWizard* other = new TVQWizard(Form.get());
    other->SetParent(Form.get());
    std::function<void()> act;
    W->OnChanging = [&](TObject*) {
        Log.push_back("changing");
        if (act) std::exchange(act, nullptr)();
    };
    act = [&] { delete Page[1]; };
    W->SetActivePage(Page[1]);
    act = [&] { Page[2]->SetWizard(other); };
    W->SetActivePage(Page[2]);
    // Neither became active; the wizard stays on its page, and the moved page is the other's.
    EXPECT_EQ(Active(), "P1");
    EXPECT_EQ(Page[2]->Wizard(), other);
    EXPECT_EQ(Log, (std::vector<std::string>{"changing", "changing"}));
    act = [&] { delete W; };
    auto* last = new TVQWizardPage(Form.get());
    const TLifeToken lastAlive = last->LifeToken();
    last->SetWizard(W); // becomes active, but OnChanging frees the wizard first
    // The page, parented to the wizard by then, went with it.
    EXPECT_FALSE(lastAlive);
}

TEST_F(Wizard, DoneQueryHoldsNextUntilCheckDoneAsksAgain) {
    AddPages(3);
    bool ready = false;
    int asked = 0;
    Page[1]->OnDoneQuery = [&](TObject* sender, bool& done) {
        EXPECT_EQ(sender, Page[1]);
        EXPECT_TRUE(done);
        ++asked;
        done = ready;
    };
    W->NextButton()->Click();
    EXPECT_EQ(Active(), "P2");
    EXPECT_FALSE(W->NextButton()->Enabled());
    W->NextButton()->Click(); // a click by code is refused too
    EXPECT_EQ(Active(), "P2");
    ready = true;
    EXPECT_FALSE(W->NextButton()->Enabled()); // nothing asks by itself
    W->CheckDone();
    EXPECT_TRUE(W->NextButton()->Enabled());
    ready = false;
    W->BackButton()->Click(); // Back never asks
    EXPECT_EQ(Active(), "P1");
    EXPECT_EQ(asked, 3);
}

TEST_F(Wizard, NextOnTheLastIncludedPageFiresOnlyTheFinishEvent) {
    AddPages(2);
    W->NextButton()->Click();
    Log.clear();
    W->NextButton()->Click();
    W->NextButton()->Click();
    EXPECT_EQ(Log, (std::vector<std::string>{"finish", "finish"}));
    EXPECT_EQ(Active(), "P2");
}

TEST_F(Wizard, ButtonsEnabledSwitchesAllFourAndRestoresBackAndNextFromThePage) {
    AddPages(3);
    W->SetOptions({vqwoHelpButton, vqwoCancelButton});
    W->NextButton()->Click();
    bool ready = true;
    Page[1]->OnDoneQuery = [&](TObject*, bool& done) { done = ready; };
    TButton* buttons[] = {W->HelpButton(), W->BackButton(), W->NextButton(), W->CancelButton()};
    W->SetButtonsEnabled(false);
    for (TButton* b : buttons)
        EXPECT_FALSE(b->Enabled()) << b->Caption().toStdString();
    W->SetActivePage(Page[2]); // activation keeps them off
    W->SetActivePage(Page[1]);
    EXPECT_FALSE(W->NextButton()->Enabled());
    EXPECT_FALSE(W->BackButton()->Enabled());
    W->SetButtonsEnabled(true);
    for (TButton* b : buttons)
        EXPECT_TRUE(b->Enabled()) << b->Caption().toStdString();
    W->SetButtonsEnabled(false);
    ready = false;
    W->SetButtonsEnabled(true);
    EXPECT_FALSE(W->NextButton()->Enabled());
    EXPECT_TRUE(W->CancelButton()->Enabled());
}

TEST_F(Wizard, PanelLaysTheVisibleButtonsOutFromTheRight) {
    W->SetBounds(0, 0, 512, 300);
    EXPECT_EQ(W->Panel()->BoundsRect(), Rect(0, 258, 512, 300));
    auto rects = [&] {
        std::vector<TRect> out;
        for (TButton* b : {W->HelpButton(), W->BackButton(), W->NextButton(), W->CancelButton()})
            out.push_back(b->Visible() ? b->BoundsRect() : TRect{});
        return out;
    };
    // Help, Back, Next, Cancel; an invisible button has an empty rectangle here.
    // From the right: an 8-pixel margin, Cancel, 8 pixels, Next and Back adjoining, 8, Help.
    const TRect help = Rect(188, 10, 263, 35), back = Rect(271, 10, 346, 35);
    const TRect next = Rect(346, 10, 421, 35), cancel = Rect(429, 10, 504, 35);
    EXPECT_EQ(rects(), (std::vector<TRect>{TRect{}, back, next, cancel}));
    W->SetOptions({vqwoHelpButton, vqwoCancelButton});
    EXPECT_EQ(rects(), (std::vector<TRect>{help, back, next, cancel}));
    W->SetOptions({vqwoHelpButton});
    const TRect right = Rect(429, 10, 504, 35), beside = Rect(354, 10, 429, 35);
    EXPECT_EQ(rects(), (std::vector<TRect>{Rect(271, 10, 346, 35), beside, right, TRect{}}));
    W->SetOptions({});
    EXPECT_EQ(rects(), (std::vector<TRect>{TRect{}, beside, right, TRect{}}));
}

TEST_F(Wizard, PageIndexMovesTheListEntryOnly) {
    AddPages(3);
    Page[2]->SetPageIndex(0);
    EXPECT_EQ(W->Pages(0), Page[2]);
    EXPECT_EQ(W->Pages(1), Page[0]);
    EXPECT_EQ(Page[0]->PageIndex(), 1);
    // Nothing else follows: P1 is still active and Back still off until the next activation.
    EXPECT_EQ(Active(), "P1");
    EXPECT_FALSE(W->BackButton()->Enabled());
    EXPECT_TRUE(Log.empty());
    EXPECT_THROW(Page[0]->SetPageIndex(3), EListError);
    EXPECT_THROW(Page[0]->SetPageIndex(-1), EListError);
    auto* loose = new TVQWizardPage(Form.get());
    EXPECT_EQ(loose->PageIndex(), -1);
    loose->SetPageIndex(2); // no wizard: nothing to move
}

TEST_F(Wizard, RemovingTheActivePageActivatesTheNextOrElseThePreviousOne) {
    AddPages(3);
    W->SetActivePage(Page[1]);
    Log.clear();
    delete Page[1]; // the page after it takes over
    EXPECT_EQ(Log, (std::vector<std::string>{"changing", "change P3"}));
    EXPECT_EQ(W->PageCount(), 2);
    Log.clear();
    Page[0]->SetWizard(nullptr); // not the active page: the active page stays
    EXPECT_TRUE(Log.empty());
    EXPECT_EQ(W->PageCount(), 1);
    EXPECT_EQ(Page[0]->Wizard(), nullptr);
    Page[0]->SetWizard(W); // back in, at the end, and active at once
    EXPECT_EQ(W->Pages(1), Page[0]);
    EXPECT_EQ(Active(), "P1");
    delete Page[0]; // the last page: the one before it takes over
    EXPECT_EQ(Active(), "P3");
    delete Page[2]; // the only page: none is left
    EXPECT_EQ(W->ActivePage(), nullptr);
    EXPECT_EQ(W->PageCount(), 0);
    EXPECT_EQ(W->FirstPage(), nullptr);
}

TEST_F(Wizard, ExcludingTheActivePageMovesToAnotherIncludedPage) {
    AddPages(1);
    W->NextButton()->SetEnabled(false);
    Page[0]->SetInclude(false); // the only page: none is active afterwards
    EXPECT_EQ(W->ActivePage(), nullptr);
    EXPECT_FALSE(Page[0]->Visible());
    EXPECT_FALSE(W->BackButton()->Enabled());
    EXPECT_EQ(Next(), "&Finish");
    EXPECT_FALSE(W->NextButton()->Enabled()); // kept as it was
    W->NextButton()->Click();                 // no page: nothing happens
    EXPECT_EQ(W->ActivePage(), nullptr);

    auto more = [&](int n) {
        for (int i = 0; i < n; ++i) {
            auto* page = new TVQWizardPage(Form.get());
            page->SetName(QStringLiteral("Q%1").arg(i + 1));
            page->SetWizard(W);
        }
    };
    more(3); // P1 (excluded), Q1..Q3; Q3 active
    W->SetActivePage(W->Pages(2));
    W->Pages(2)->SetInclude(false); // the next included page first
    EXPECT_EQ(Active(), "Q3");
    W->Pages(3)->SetInclude(false); // else the previous one
    EXPECT_EQ(Active(), "Q1");
    W->Pages(1)->SetInclude(false); // else none
    EXPECT_EQ(W->ActivePage(), nullptr);
}

TEST_F(Wizard, HelpAsksTheApplicationForTheFirstContextUpThePageParents) {
    AddPages(1);
    std::vector<int> shown;
    TApplication::SetHelpHandler([&](int context) {
        shown.push_back(context);
        return true;
    });
    W->HelpButton()->Click(); // no context anywhere
    Form->SetHelpContext(7);
    W->HelpButton()->Click();
    Page[0]->SetHelpContext(12);
    W->HelpButton()->Click();
    TApplication::SetHelpHandler(nullptr);
    EXPECT_EQ(shown, (std::vector<int>{7, 12}));
}

TEST_F(Wizard, ShowingAControlOnAPageActivatesThePage) {
    AddPages(3);
    auto* edit = new TEdit(Form.get());
    edit->SetParent(Page[2]);
    edit->SetVisible(false);
    edit->Show();
    EXPECT_EQ(Active(), "P3");
    EXPECT_TRUE(edit->Visible());
}

TEST_F(Wizard, EnterPressesNextAndEscapePressesCancel) {
    AddPages(2);
    W->SetBounds(0, 0, 512, 300);
    Form->Show();
    int cancelled = 0;
    W->SetOnCancelClick([&](TObject*) { ++cancelled; });
    EXPECT_TRUE(Form->DialogKey(VK_RETURN));
    EXPECT_EQ(Active(), "P2");
    EXPECT_TRUE(Form->DialogKey(VK_RETURN));
    EXPECT_EQ(Log.back(), "finish");
    EXPECT_TRUE(Form->DialogKey(VK_ESCAPE));
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(W->CancelButton()->ModalResult(), 2);
    Form->Hide();
}

TEST_F(Wizard, CaptionsComeFromTheProgramsStringsWhenItHasThem) {
    SetResourceStringSource([](int id) { return id == 5 ? QStringLiteral("Stop") : String(); });
    TVQWizard other(nullptr);
    SetResourceStringSource(nullptr);
    EXPECT_EQ(other.CancelButton()->Caption(), QStringLiteral("Stop"));
    EXPECT_EQ(other.BackButton()->Caption(), QStringLiteral("< &Back"));
    EXPECT_EQ(other.HelpButton()->Caption(), QStringLiteral("&Help"));
    EXPECT_FALSE(other.HelpButton()->Visible());
    EXPECT_EQ(other.Panel()->Height(), 42);
}

const char* const kWizardForm = R"(object WizardFm: TForm
  ClientHeight = 300
  ClientWidth = 512
  object VQWizard1: TVQWizard
    Left = 0
    Top = 0
    Width = 512
    Height = 300
    ActivePage = Second
    FirstPage = First
    Options = [vqwoHelpButton, vqwoCancelButton]
    object First: TVQWizardPage
      object Edit1: TEdit
        Left = 16
        Top = 16
        Width = 121
        Height = 21
        TabOrder = 0
      end
    end
    object Second: TVQWizardPage
      Include = False
      object Edit2: TEdit
        Left = 16
        Top = 40
        Width = 121
        Height = 21
        TabOrder = 0
      end
    end
  end
end
)";

TEST(WizardForm, RoundTripKeepsThePagesInOrderWritesNoButtonsAndStartsOnFirstPage) {
    RegisterVQStdCmpClasses();
    RegisterStdCtrlsClasses();
    auto form = std::make_unique<TForm>(nullptr);
    form->ReadFromText(kWizardForm, QStringLiteral("wizard"));
    auto* wizard = dynamic_cast<TVQWizard*>(form->FindComponent("VQWizard1"));
    ASSERT_TRUE(wizard);
    ASSERT_EQ(wizard->PageCount(), 2);
    EXPECT_EQ(wizard->Pages(0)->Name(), QStringLiteral("First"));
    EXPECT_EQ(wizard->Pages(0)->Owner(), form.get());
    EXPECT_EQ(wizard->ActivePage(), wizard->Pages(0));
    EXPECT_FALSE(wizard->Pages(1)->Visible());
    EXPECT_FALSE(wizard->Pages(1)->Include());
    EXPECT_EQ(wizard->Pages(0)->BoundsRect(), Rect(0, 0, 512, 258));
    EXPECT_EQ(wizard->NextButton()->Caption(), QStringLiteral("&Finish"));

    // Page order as the list has it; the active page is written as it is now.
    wizard->Pages(1)->SetPageIndex(0);
    const std::string text = TFormWriter::Write(form.get());
    EXPECT_EQ(text.find("TButton"), std::string::npos) << text;
    EXPECT_EQ(text.find("TVQWizardPanel"), std::string::npos) << text;
    EXPECT_LT(text.find("object Second"), text.find("object First")) << text;
    EXPECT_NE(text.find("ActivePage = First"), std::string::npos) << text;
    EXPECT_EQ(text.find("Height = 258"), std::string::npos) << text; // pages are placed

    auto again = std::make_unique<TForm>(nullptr);
    again->ReadFromText(text, QStringLiteral("written"));
    EXPECT_EQ(TFormWriter::Write(again.get()), text);
    auto* copy = dynamic_cast<TVQWizard*>(again->FindComponent("VQWizard1"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->ActivePage()->Name(), QStringLiteral("First"));
    EXPECT_EQ(copy->Pages(0)->Name(), QStringLiteral("Second"));
    EXPECT_TRUE(copy->HelpButton()->Visible());
}

} // namespace
