#include "app/MainForm.h"

#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Form6.h"
#include "app/Form7.h"
#include "app/OrderForm.h"
#include "components/dialogs/VQAbtDlg/VQAbtDlg.h"
#include "components/dialogs/VQTipDlg/VQTipDlg.h"
#include "components/gfx/VQAnimImage.h"
#include "framework/controls/Dialogs.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/PageControl.h"
#include "framework/stdctrls/TabSheet.h"

TMainFm* MainFm = nullptr;

VQ_PUBLISH(TMainFm) {
    P.Inherit();
    P.ComponentField("MainPc", &TMainFm::MainPc);
    P.ComponentField("WelcomeWp", &TMainFm::WelcomeWp);
    P.ComponentField("VQAnimImage1", &TMainFm::VQAnimImage1);
    P.ComponentField("AnimateCb", &TMainFm::AnimateCb);
    P.ComponentField("VQAboutDialog1", &TMainFm::VQAboutDialog1);
    P.ComponentField("VQTipDialog1", &TMainFm::VQTipDialog1);
    P.Handler("FormCreate", &TMainFm::FormCreate);
    P.Handler("Form2BtClick", &TMainFm::Form2BtClick);
    P.Handler("Form3BtClick", &TMainFm::Form3BtClick);
    P.Handler("Form4BtClick", &TMainFm::Form4BtClick);
    P.Handler("Button1Click", &TMainFm::Button1Click);
    P.Handler("Button2Click", &TMainFm::Button2Click);
    P.Handler("Button3Click", &TMainFm::Button3Click);
    P.Handler("Button5Click", &TMainFm::Button5Click);
    P.Handler("AnimateCbClick", &TMainFm::AnimateCbClick);
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

void TMainFm::AboutBtClick(TObject*) {
    VQAboutDialog1->Execute();
}

void TMainFm::TipsBtClick(TObject*) {
    VQTipDialog1->Execute();
}

void TMainFm::VQAboutDialog1CustomClick(TObject*) {
    MessageDlg(QStringLiteral("Use this button for a registration form, system information, or "
                              "contact/tech support information.\r\rFor something really "
                              "interesting, try double clicking on the icon in the about dialog."),
               mtInformation, {mbOK}, 0);
}

void TMainFm::VQAboutDialog1IconDblClick(TObject*) {
    MessageDlg(QStringLiteral("This is a secret message!"), mtInformation, {mbOK}, 0);
}
