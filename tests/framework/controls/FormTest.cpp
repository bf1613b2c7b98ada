// Forms: reading a description, showing and closing, the modal loop with its default and cancel
// buttons, accelerators and the application's form list.
#include "framework/classes/FormWriter.h"
#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/ModalSession.h"
#include "framework/controls/Screen.h"
#include "framework/stdctrls/StdCtrls.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class TLoginFm : public TForm {
    VQ_CLASS(TLoginFm, TForm)
public:
    using TForm::TForm;
    TLabel* NameLb = nullptr;
    TEdit* NameEd = nullptr;
    TButton* OkBt = nullptr;
    TButton* CancelBt = nullptr;
    TCheckBox* RememberCb = nullptr;
    std::vector<std::string> Log;

    void FormCreate(TObject*) { Log.push_back("create"); }
    void FormShow(TObject*) { Log.push_back("show"); }
    void FormHide(TObject*) { Log.push_back("hide"); }
    void FormClose(TObject*, TCloseAction& action) {
        Log.push_back("close");
        action = CloseAction;
    }
    void OkBtClick(TObject*) { Log.push_back("ok"); }
    TCloseAction CloseAction = caHide;
};

VQ_PUBLISH(TLoginFm) {
    P.Inherit();
    P.ComponentField("NameLb", &TLoginFm::NameLb);
    P.ComponentField("NameEd", &TLoginFm::NameEd);
    P.ComponentField("OkBt", &TLoginFm::OkBt);
    P.ComponentField("CancelBt", &TLoginFm::CancelBt);
    P.ComponentField("RememberCb", &TLoginFm::RememberCb);
    P.Handler("FormCreate", &TLoginFm::FormCreate);
    P.Handler("FormShow", &TLoginFm::FormShow);
    P.Handler("FormHide", &TLoginFm::FormHide);
    P.Handler("FormClose", &TLoginFm::FormClose);
    P.Handler("OkBtClick", &TLoginFm::OkBtClick);
}

const char* const LoginText = R"(object LoginFm: TLoginFm
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Log in'
  ClientHeight = 90
  ClientWidth = 240
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  OnCreate = FormCreate
  OnShow = FormShow
  OnHide = FormHide
  OnClose = FormClose
  object NameLb: TLabel
    Left = 8
    Top = 12
    Width = 30
    Height = 13
    Caption = '&Name'
    FocusControl = NameEd
  end
  object NameEd: TEdit
    Left = 60
    Top = 8
    Width = 170
    Height = 21
    TabOrder = 0
  end
  object RememberCb: TCheckBox
    Left = 60
    Top = 34
    Width = 120
    Height = 17
    Caption = '&Remember me'
    TabOrder = 3
  end
  object OkBt: TButton
    Left = 74
    Top = 58
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
    TabOrder = 1
    OnClick = OkBtClick
  end
  object CancelBt: TButton
    Left = 156
    Top = 58
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = mrCancel
    TabOrder = 2
  end
end
)";

struct Registered {
    Registered() {
        RegisterControlsClasses();
        RegisterStdCtrlsClasses();
    }
};

std::unique_ptr<TLoginFm> MakeLogin() {
    static Registered once;
    auto form = std::make_unique<TLoginFm>(nullptr);
    form->ReadFromText(LoginText, QStringLiteral("login"));
    return form;
}

// Runs f once the modal loop has started.
void WhenModal(std::function<void()> f) {
    QTimer::singleShot(0, qApp, std::move(f));
}

} // namespace

TEST(FormReading, TabOrderWhileLoadingIsThePlaceAskedFor) {
    // A tree built in the loading state (as the reader builds one) writes the tab orders it was
    // given, not the places its children hold before Loaded sorts them.
    TForm form(nullptr);
    form.BeginLoading();
    auto* first = new TEdit(&form);
    auto* second = new TEdit(&form);
    for (TEdit* e : {first, second}) {
        e->BeginLoading();
        e->SetParent(&form);
    }
    first->SetTabOrder(5);
    second->SetTabOrder(0);
    EXPECT_EQ(first->TabOrder(), 5);
    EXPECT_NE(TFormWriter::Write(&form).find("TabOrder = 5"), std::string::npos);
    for (TComponent* c : {static_cast<TComponent*>(&form), static_cast<TComponent*>(first),
                          static_cast<TComponent*>(second)})
        c->Loaded();
    EXPECT_EQ(first->TabOrder(), 1);
    EXPECT_EQ(second->TabOrder(), 0);
}

TEST(FormReading, BuildsTheControlTreeFromText) {
    auto form = MakeLogin();
    ASSERT_TRUE(form->NameEd && form->OkBt && form->CancelBt && form->NameLb);
    EXPECT_EQ(form->Caption(), QStringLiteral("Log in"));
    EXPECT_EQ(form->ClientWidth(), 240);
    EXPECT_EQ(form->ClientHeight(), 90);
    EXPECT_EQ(form->ControlCount(), 5);
    EXPECT_EQ(form->NameEd->Parent(), form.get());
    EXPECT_EQ(form->NameLb->FocusControl(), form->NameEd);
    EXPECT_EQ(form->OkBt->ModalResult(), mrOk);
    // Tab orders from the description, whatever the order of the objects.
    EXPECT_EQ(form->NameEd->TabOrder(), 0);
    EXPECT_EQ(form->OkBt->TabOrder(), 1);
    EXPECT_EQ(form->CancelBt->TabOrder(), 2);
    EXPECT_EQ(form->RememberCb->TabOrder(), 3);
    EXPECT_EQ(form->Log, std::vector<std::string>{"create"});
    EXPECT_FALSE(form->Visible());
    // Written and read again, a dialog frame keeps its client size.
    const std::string written = TFormWriter::Write(form.get());
    TLoginFm again(nullptr);
    again.ReadFromText(written);
    EXPECT_EQ(again.ClientWidth(), 240);
    EXPECT_EQ(again.ClientHeight(), 90);
    EXPECT_EQ(TFormWriter::Write(&again), written);
}

TEST(FormReading, MissingResourceIsAReadError) {
    TLoginFm form(nullptr);
    EXPECT_EQ(form.FormResourceName(), QStringLiteral(":/forms/LoginFm.vqf"));
    EXPECT_THROW(form.ReadFromResource(), EReadError);
}

TEST(FormShowing, ShowAndCloseFireTheirEvents) {
    auto form = MakeLogin();
    form->Show();
    EXPECT_TRUE(form->Widget()->isVisible());
    EXPECT_EQ(form->Widget()->windowTitle(), QStringLiteral("Log in"));
    form->Close();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_EQ(form->Log, (std::vector<std::string>{"create", "show", "close", "hide"}));

    form->CloseAction = caNone;
    form->Show();
    form->Close();
    EXPECT_TRUE(form->Widget()->isVisible());
}

TEST(FormShowing, CloseQueryCanRefuse) {
    auto form = MakeLogin();
    bool allow = false;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->Show();
    form->Close();
    EXPECT_TRUE(form->Visible());
    allow = true;
    form->Close();
    EXPECT_FALSE(form->Visible());
}

TEST(FormShowing, ScreenCenterPlacesTheFormOnFirstShow) {
    auto form = MakeLogin();
    form->SetPosition(poScreenCenter);
    form->Show();
    EXPECT_EQ(form->Left(), (Screen->Width() - form->Width()) / 2);
    EXPECT_EQ(form->Top(), (Screen->Height() - form->Height()) / 2);
}

TEST(FormShowing, BorderStyleAndIconsChooseTheTitleBarButtons) {
    struct Case {
        TFormBorderStyle style;
        TBorderIcons icons;
        Qt::WindowType type;
        bool minimize, maximize, close, fixed;
    };
    const TBorderIcons all{biSystemMenu, biMinimize, biMaximize};
    const Case cases[] = {
        {bsSizeable, all, Qt::Window, true, true, true, false},
        {bsSingle, all, Qt::Window, true, false, true, true},
        {bsSingle, TBorderIcons{biSystemMenu, biMinimize}, Qt::Window, true, false, true, true},
        {bsDialog, all, Qt::Dialog, false, false, true, true},
        {bsDialog, TBorderIcons{}, Qt::Dialog, false, false, false, true},
        {bsToolWindow, all, Qt::Tool, false, false, true, true},
        {bsSizeToolWin, all, Qt::Tool, false, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        TForm form(nullptr);
        form.SetBorderStyle(c.style);
        form.SetBorderIcons(c.icons);
        form.Show();
        QWidget* w = form.Widget();
        const Qt::WindowFlags f = w->windowFlags();
        EXPECT_EQ(w->windowType(), c.type);
        EXPECT_EQ(f.testFlag(Qt::WindowMinimizeButtonHint), c.minimize);
        EXPECT_EQ(f.testFlag(Qt::WindowMaximizeButtonHint), c.maximize);
        EXPECT_EQ(f.testFlag(Qt::WindowCloseButtonHint), c.close);
        // A fixed size (minimum = maximum) is what tells a window manager not to offer resizing.
        EXPECT_EQ(w->minimumSize() == w->maximumSize(), c.fixed);
    }
}

TEST(FormModal, ModalResultEndsTheLoopAndHidesTheForm) {
    auto form = MakeLogin();
    WhenModal([&] {
        EXPECT_TRUE(form->Modal());
        form->SetModalResult(mrRetry);
    });
    EXPECT_EQ(form->ShowModal(), mrRetry);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
    EXPECT_NE(std::find(form->Log.begin(), form->Log.end(), "close"), form->Log.end());
    // Shown again, the same form runs another loop.
    WhenModal([&] { QTest::mouseClick(form->OkBt->Widget(), Qt::LeftButton); });
    EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST(FormModal, BelongsToTheWindowInUseWhichTakesNoInputAndRefusesToClose) {
    auto other = MakeLogin();
    other->Show();
    other->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(other->Widget()));
    QWidget tray;
    TModalSession::KeepLive(&tray);
    tray.show();
    int otherPresses = 0;
    other->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++otherPresses; };
    auto form = MakeLogin();
    WhenModal([&] {
        QWindow* handle = form->Widget()->windowHandle();
        EXPECT_EQ(handle->transientParent(), other->Widget()->windowHandle());
        EXPECT_EQ(handle->modality(), Qt::WindowModal);
        EXPECT_EQ(TModalSession::Front(), form->Widget());
        EXPECT_FALSE(other->Widget()->isEnabled());
        EXPECT_TRUE(tray.isEnabled());
        // The window manager's close request and a press reach the disabled window for nothing.
        QCloseEvent close;
        QApplication::sendEvent(other->Widget(), &close);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(other->Widget(), &press);
        EXPECT_TRUE(other->Visible());
        EXPECT_TRUE(form->Modal());
        form->SetModalResult(mrOk);
    });
    form->ShowModal();
    EXPECT_EQ(otherPresses, 0);
    EXPECT_TRUE(other->Widget()->isEnabled());
    EXPECT_EQ(TModalSession::Front(), nullptr);
    // Shown again without a loop, it is an ordinary window.
    EXPECT_EQ(form->Widget()->windowModality(), Qt::NonModal);
    EXPECT_EQ(form->Widget()->windowHandle()->transientParent(), nullptr);
}

TEST(FormModal, EscapeClicksTheCancelButton) {
    auto form = MakeLogin();
    WhenModal([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
        form->NameEd->SetFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST(FormModal, EscapeLeavesAModalWindowWithoutCancelButtonButNotAnOrdinaryOne) {
    auto form = MakeLogin();
    form->CancelBt->SetCancel(false);
    form->CancelBt->SetModalResult(mrNone);
    form->Show();
    form->NameEd->SetFocus();
    QTest::keyClick(form->NameEd->Widget(), Qt::Key_Escape);
    EXPECT_TRUE(form->Visible());
    form->Hide();
    WhenModal([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
        form->NameEd->SetFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST(FormModal, EnterClicksTheDefaultButtonUnlessAButtonHasFocus) {
    auto form = MakeLogin();
    WhenModal([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
        form->NameEd->SetFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("bob"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(form->NameEd->Text(), QStringLiteral("bob"));
    EXPECT_NE(std::find(form->Log.begin(), form->Log.end(), "ok"), form->Log.end());
}

TEST(FormModal, EnterClicksTheFocusedButtonRatherThanTheDefault) {
    auto form = MakeLogin();
    WhenModal([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
        form->CancelBt->SetFocus();
        ASSERT_TRUE(form->CancelBt->Focused());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST(FormModal, CloseRefusedByOnCloseKeepsTheLoopRunning) {
    auto form = MakeLogin();
    form->CloseAction = caNone;
    int attempts = 0;
    WhenModal([&] {
        form->SetModalResult(mrOk); // refused: the form stays
        QTimer::singleShot(0, qApp, [&] {
            attempts = form->Modal() ? 1 : 0;
            form->CloseAction = caHide;
            form->SetModalResult(mrYes);
        });
    });
    EXPECT_EQ(form->ShowModal(), mrYes);
    EXPECT_EQ(attempts, 1);
}

TEST(FormKeys, KeyPreviewSeesKeysFirstAndCanSwallowThem) {
    auto form = MakeLogin();
    form->SetKeyPreview(true);
    std::vector<std::string> seen;
    form->OnKeyDown = [&](TObject* sender, uint16_t& key, TShiftState) {
        seen.push_back(sender == form.get() ? "form" : "?");
        if (key == 'X') key = 0;
    };
    form->NameEd->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { seen.push_back("edit"); };
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    form->NameEd->SetFocus();
    QTest::keyClick(form->NameEd->Widget(), Qt::Key_A);
    QTest::keyClick(form->NameEd->Widget(), Qt::Key_X);
    EXPECT_EQ(seen, (std::vector<std::string>{"form", "edit", "form"}));
    EXPECT_EQ(form->NameEd->Text(), QStringLiteral("a"));
}

TEST(FormKeys, AltAcceleratorsFocusOrClick) {
    auto form = MakeLogin();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    form->OkBt->SetFocus();
    // The label's letter focuses its FocusControl; the check box's toggles it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(form->NameEd->Focused());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(form->RememberCb->Checked());
    EXPECT_TRUE(form->RememberCb->Focused());
}

// Run ends the application for good, so it runs in a child process of its own.
TEST(FormApplication, RunShowsTheMainFormAndEndsWhenItCloses) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto form = MakeLogin();
            Application->SetMainForm(form.get());
            bool shownInRun = false;
            QTimer::singleShot(0, qApp, [&] {
                shownInRun = form->Visible();
                form->Close();
            });
            Application->Run();
            const bool ok =
                shownInRun && Application->Terminated() && Application->MainForm() == form.get();
            form.reset();
            std::exit(ok && Application->MainForm() == nullptr ? 3 : 4);
        },
        testing::ExitedWithCode(3), "");
}

TEST(FormApplication, HelpContextCallsTheInstalledHandler) {
    // Without a handler and without a help file the user is told so.
    QStringList told;
    const TMessageDlgHook previous = SetMessageDlgHook([&](const TMessageDlgRequest& r) {
        told << r.Message;
        return mrOk;
    });
    EXPECT_FALSE(Application->HelpContext(10));
    SetMessageDlgHook(previous);
    EXPECT_EQ(told, QStringList{"No help file is set."});
    int asked = 0;
    TApplication::SetHelpHandler([&](int context) {
        asked = context;
        return true;
    });
    EXPECT_TRUE(Application->HelpContext(42));
    EXPECT_EQ(asked, 42);
    TApplication::SetHelpHandler(nullptr);
}

TEST(FormApplication, ScreenKnowsTheForms) {
    const int before = Screen->FormCount();
    {
        auto form = MakeLogin();
        EXPECT_EQ(Screen->FormCount(), before + 1);
        EXPECT_EQ(Screen->Forms(before), form.get());
    }
    EXPECT_EQ(Screen->FormCount(), before);
}
