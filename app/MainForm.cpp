#include "app/MainForm.h"

#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Form6.h"
#include "app/Form7.h"
#include "app/MakerSite.h"
#include "app/OrderForm.h"
#include "components/gfx/VQAnimImage.h"
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
}

TMainFm::TMainFm(TComponent* AOwner) : TForm(AOwner) {}

String TMainFm::FormResourceName() const {
    return QStringLiteral(":/forms/MainForm.vqf");
}

void TMainFm::FormCreate(TObject*) {
    MainPc->SetActivePage(WelcomeWp);
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
