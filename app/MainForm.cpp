#include "app/MainForm.h"

#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Form6.h"
#include "app/Form7.h"
#include "app/MakerSite.h"
#include "app/OrderForm.h"
#include "components/dialogs/VQAbtDlg/VQAbtDlg.h"
#include "components/dialogs/VQTipDlg/VQTipDlg.h"
#include "components/gfx/VQAnimImage.h"
#include "components/std/VQHotKey.h"
#include "components/std/VQShellFunctions.h"
#include "components/std/VQTrayIcon.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/MenuItem.h"
#include "framework/controls/PopupMenu.h"
#include "framework/services/DesktopEntry.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Edit.h"

TMainFm* MainFm = nullptr;

VQ_PUBLISH(TMainFm) {
    P.Inherit();
    P.ComponentField("MainPc", &TMainFm::MainPc);
    P.ComponentField("WelcomeWp", &TMainFm::WelcomeWp);
    P.ComponentField("VQAnimImage1", &TMainFm::VQAnimImage1);
    P.ComponentField("AnimateCb", &TMainFm::AnimateCb);
    P.ComponentField("VQAboutDialog1", &TMainFm::VQAboutDialog1);
    P.ComponentField("VQTipDialog1", &TMainFm::VQTipDialog1);
    P.ComponentField("TabSheet9", &TMainFm::TabSheet9);
    P.Handler("FormCreate", &TMainFm::FormCreate);
    P.Handler("WebSiteBtClick", &TMainFm::WebSiteBtClick);
    P.Handler("Form2BtClick", &TMainFm::Form2BtClick);
    P.Handler("Form3BtClick", &TMainFm::Form3BtClick);
    P.Handler("Form4BtClick", &TMainFm::Form4BtClick);
    P.Handler("Button1Click", &TMainFm::Button1Click);
    P.Handler("Button2Click", &TMainFm::Button2Click);
    P.Handler("Button3Click", &TMainFm::Button3Click);
    P.Handler("Button5Click", &TMainFm::Button5Click);
    P.Handler("AnimateCbClick", &TMainFm::AnimateCbClick);
    P.ComponentField("TrayIconTi", &TMainFm::TrayIconTi);
    P.ComponentField("ShowTrayIconCb", &TMainFm::ShowTrayIconCb);
    P.ComponentField("PopupMenu1", &TMainFm::PopupMenu1);
    P.ComponentField("A1", &TMainFm::A1);
    P.ComponentField("VQHotKey1", &TMainFm::VQHotKey1);
    P.ComponentField("VQHotKey2", &TMainFm::VQHotKey2);
    P.ComponentField("ProgramsEd", &TMainFm::ProgramsEd);
    P.ComponentField("FoldersEd", &TMainFm::FoldersEd);
    P.ComponentField("ShortcutEd", &TMainFm::ShortcutEd);
    P.Handler("ShowTrayIconCbClick", &TMainFm::ShowTrayIconCbClick);
    P.Handler("TrayIconTiDblClick", &TMainFm::TrayIconTiDblClick);
    P.Handler("A1Click", &TMainFm::A1Click);
    P.Handler("VQHotKey1HotKey", &TMainFm::VQHotKey1HotKey);
    P.Handler("VQHotKey2HotKey", &TMainFm::VQHotKey2HotKey);
    P.Handler("BrowseFoldersBtClick", &TMainFm::BrowseFoldersBtClick);
    P.Handler("BrowseProgramsBtClick", &TMainFm::BrowseProgramsBtClick);
    P.Handler("ShortcutBtClick", &TMainFm::ShortcutBtClick);
    P.Handler("AboutBtClick", &TMainFm::AboutBtClick);
    P.Handler("TipsBtClick", &TMainFm::TipsBtClick);
    P.Handler("VQAboutDialog1CustomClick", &TMainFm::VQAboutDialog1CustomClick);
    P.Handler("VQAboutDialog1IconDblClick", &TMainFm::VQAboutDialog1IconDblClick);
}

TMainFm::TMainFm(TComponent* AOwner) : TForm(AOwner) {}

String TMainFm::FormResourceName() const {
    return QStringLiteral(":/forms/MainForm.vqf");
}

void TMainFm::FormCreate(TObject*) {
    MainPc->SetActivePage(WelcomeWp);
    // The notice follows the page and the hot key's state, whichever is known last.
    MainPc->OnChange = [this, described = MainPc->OnChange](TObject* sender) {
        if (described) described(sender);
        HotKeyPageNotice();
    };
    if (VQHotKey2) VQHotKey2->OnStateChange = [this](TObject*) { HotKeyPageNotice(); };
}

void TMainFm::WebSiteBtClick(TObject*) {
    OpenMakerPage(this, "/index.htm");
}

namespace {
// The demonstration windows exist from start to exit; a window missing (a failed start) is
// no reason to fail a click.
void ShowModalIfExists(TForm* form) {
    if (form) form->ShowModal();
}
} // namespace

void TMainFm::Form2BtClick(TObject*) {
    ShowModalIfExists(Form2Fm);
}
void TMainFm::Form3BtClick(TObject*) {
    ShowModalIfExists(Form3Fm);
}
void TMainFm::Form4BtClick(TObject*) {
    ShowModalIfExists(Form4Fm);
}
void TMainFm::Button1Click(TObject*) {
    ShowModalIfExists(Form5Fm);
}
void TMainFm::Button2Click(TObject*) {
    ShowModalIfExists(Form6Fm);
}
void TMainFm::Button3Click(TObject*) {
    ShowModalIfExists(Form7Fm);
}
void TMainFm::Button5Click(TObject*) {
    ShowModalIfExists(OrderFm);
}

void TMainFm::AnimateCbClick(TObject*) {
    VQAnimImage1->SetAnimate(AnimateCb->Checked());
}

namespace {
void Information(const String& text) {
    MessageDlg(text, mtInformation, {mbOK}, 0);
}
} // namespace

void TMainFm::ShowTrayIconCbClick(TObject*) {
    TrayIconTi->SetVisible(ShowTrayIconCb->Checked());
}

void TMainFm::TrayIconTiDblClick(TObject*) {
    Information(QStringLiteral("Try using the right mouse button on the icon!"));
}

void TMainFm::A1Click(TObject*) {
    Information(QStringLiteral("If this was enabled, I'd be activated!"));
}

void TMainFm::VQHotKey1HotKey(TObject*, uint16_t&, TShiftState) {
    Information(QStringLiteral("The local hot key was pressed!"));
}

void TMainFm::VQHotKey2HotKey(TObject*, uint16_t&, TShiftState) {
    Application->BringToFront();
    Information(QStringLiteral("The global hot key was pressed!"));
}

void TMainFm::HotKeyPageNotice() {
    if (FHotKeyNoticeShown || !VQHotKey2 || !TabSheet9 || MainPc->ActivePage() != TabSheet9) return;
    const THotKeyState state = VQHotKey2->State();
    if (state != THotKeyState::Unavailable && state != THotKeyState::Refused) return;
    FHotKeyNoticeShown = true;
    Information(state == THotKeyState::Unavailable
                    ? QStringLiteral("Ctrl+G cannot work as a global hot key in this session: the "
                                     "desktop offers programs no system-wide keys.")
                    : QStringLiteral("Ctrl+G cannot work as a global hot key in this session: the "
                                     "desktop did not grant it."));
}

void TMainFm::BrowseFoldersBtClick(TObject*) {
    // The root of the file system is where the picker starts.
    String path = QStringLiteral("/");
    if (BrowseForFolder(QStringLiteral("Select a folder to install files to."), path))
        FoldersEd->SetText(path);
}

void TMainFm::BrowseProgramsBtClick(TObject*) {
    String path;
    if (BrowseForProgramFolder(QStringLiteral("Select a folder to create the group in."), path))
        ProgramsEd->SetText(path);
}

void TMainFm::ShortcutBtClick(TObject*) {
    String desktop;
    if (!GetSpecialFolderPath(vqsfDesktop, desktop)) return;
    // The desktop's own text editor, or what stands in for it where there is none.
    const TDesktopEntry target = TextEditorTarget();
    const String name = ShortcutEd->Text();
    CreateShortcut(desktop + QLatin1Char('/') + name, name, target.Program, target.Arguments,
                   String(), target.Icon, 0, 1);
}

void TMainFm::AboutBtClick(TObject*) {
    VQAboutDialog1->Execute();
}

void TMainFm::TipsBtClick(TObject*) {
    VQTipDialog1->Execute();
}

void TMainFm::VQAboutDialog1CustomClick(TObject*) {
    Information(
        QStringLiteral("Use this button for a registration form, system information, or "
                       "contact/tech support information.\r\rFor something really "
                       "interesting, try double clicking on the icon in the about dialog."));
}

void TMainFm::VQAboutDialog1IconDblClick(TObject*) {
    Information(QStringLiteral("This is a secret message!"));
}
