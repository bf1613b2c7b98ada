#include "components/dialogs/VQTipDlg/VQTipDialog.h"

#include "components/dialogs/VQTipDlg/VQTipDialogFm.h"
#include "components/gfx/VQImage.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExecutionForm.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Label.h"

#include <random>

namespace {
TVQTipDialog::TRandomPick& RandomPick() {
    static TVQTipDialog::TRandomPick pick;
    return pick;
}

int PickTip(int count) {
    if (RandomPick()) {
        const int forced = RandomPick()(count);
        return forced >= 0 && forced < count ? forced : 0;
    }
    // Seeded from the clock and the system's entropy at each execution.
    static std::mt19937 engine(std::random_device{}());
    return std::uniform_int_distribution<int>(0, count - 1)(engine);
}
} // namespace

VQ_PUBLISH(TVQTipDialog) {
    using C = TVQTipDialog;
    P.Inherit();
    P.Field("About", &C::FAbout).Stored(false);
    P.Property("Caption", &C::Caption, &C::SetCaption);
    P.Property("HelpContext", &C::HelpContext, &C::SetHelpContext);
    P.Property("Picture", &C::Picture, &C::SetPicture);
    P.Property("MoreTipsContext", &C::MoreTipsContext, &C::SetMoreTipsContext);
    P.Property("ShowAtStartup", &C::ShowAtStartup, &C::SetShowAtStartup).Default(true);
    P.Property(
        "Tips", [](const C* c) -> TStrings* { return c->Tips(); }, &C::SetTips);
    P.Property("TipTitle", &C::TipTitle, &C::SetTipTitle);
}

TVQTipDialog::TVQTipDialog(TComponent* AOwner)
    : TComponent(AOwner), FPicture(std::make_unique<TPicture>()),
      FTips(std::make_unique<TStringList>()) {}

TVQTipDialog::~TVQTipDialog() = default;

void TVQTipDialog::SetPicture(TPicture* value) {
    FPicture->Assign(value);
}

TStrings* TVQTipDialog::Tips() const {
    return FTips.get();
}

void TVQTipDialog::SetTips(TStrings* value) {
    if (value)
        FTips->Assign(value);
    else
        FTips->Clear();
}

void TVQTipDialog::SetRandomPick(TRandomPick pick) {
    RandomPick() = std::move(pick);
}

void TVQTipDialog::ShowTip(int index) {
    FLastTip = index;
    if (FForm) FForm->TipLb->SetCaption(FTips->Get(index));
}

void TVQTipDialog::NextTip(TObject*) {
    if (FTips->Count() == 0) {
        if (FForm) FForm->TipLb->SetCaption(String());
        return;
    }
    int next = FLastTip + 1;
    if (next >= FTips->Count() || next < 0) next = 0;
    ShowTip(next);
}

void TVQTipDialog::Execute() {
    TExecutionForm<TVQTipDialogFm> form(this);
    const TLifeToken self = LifeToken();
    FForm = form.Get();
    struct TForget {
        TVQTipDialog* Dialog;
        const TLifeToken& Self;
        ~TForget() {
            if (Self) Dialog->FForm = nullptr;
        }
    } forget{this, self};

    if (FPicture->Graphic() && !FPicture->Graphic()->Empty())
        form->LightBulbIm->SetPicture(FPicture.get());
    form->TipTitleLb->SetLeft(form->LightBulbIm->Left() + form->LightBulbIm->Width() + 12);
    form->TipLb->SetLeft(form->TipTitleLb->Left());
    form->SetHelpContext(FHelpContext);
    form->HelpBt->SetVisible(FHelpContext != 0);
    form->HelpBt->SetHelpContext(FHelpContext);
    form->MoreTipsBt->SetVisible(FMoreTipsContext != 0);
    form->MoreTipsBt->SetHelpContext(FMoreTipsContext);
    form->ShowTipsCb->SetChecked(FShowAtStartup);
    if (form->HelpBt->Visible() && !form->MoreTipsBt->Visible())
        form->HelpBt->SetTop(form->MoreTipsBt->Top());
    if (!FCaption.isEmpty()) form->SetCaption(FCaption);
    if (!FTipTitle.isEmpty()) form->TipTitleLb->SetCaption(FTipTitle);
    form->NextTipBt->OnClick = [this](TObject* Sender) { NextTip(Sender); };
    if (FTips->Count() > 0) ShowTip(PickTip(FTips->Count()));

    form->ShowModal();
    // Closed by Close, the close box or Escape: the check box's state is the answer.
    if (form.Alive() && self) FShowAtStartup = form->ShowTipsCb->Checked();
}
