#include "components/dialogs/VQTipDlg/VQTipDialogFm.h"

#include "components/gfx/VQImage.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/Application.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Panel.h"

VQ_PUBLISH(TVQTipDialogFm) {
    P.Inherit();
    P.ComponentField("CloseBt", &TVQTipDialogFm::CloseBt);
    P.ComponentField("ShowTipsCb", &TVQTipDialogFm::ShowTipsCb);
    P.ComponentField("NextTipBt", &TVQTipDialogFm::NextTipBt);
    P.ComponentField("MoreTipsBt", &TVQTipDialogFm::MoreTipsBt);
    P.ComponentField("HelpBt", &TVQTipDialogFm::HelpBt);
    P.ComponentField("Panel1", &TVQTipDialogFm::Panel1);
    P.ComponentField("TipLb", &TVQTipDialogFm::TipLb);
    P.ComponentField("TipTitleLb", &TVQTipDialogFm::TipTitleLb);
    P.ComponentField("LightBulbIm", &TVQTipDialogFm::LightBulbIm);
    P.Handler("HelpContextClick", &TVQTipDialogFm::HelpContextClick);
}

TVQTipDialogFm::TVQTipDialogFm(TComponent* AOwner) : TForm(AOwner) {
    // The description names these classes; a program need not have registered them.
    RegisterClassesOnce<TButton, TCheckBox, TLabel, TPanel, TVQImage>();
}

void TVQTipDialogFm::HelpContextClick(TObject* Sender) {
    if (auto* control = dynamic_cast<TControl*>(Sender))
        Application->HelpContext(control->HelpContext());
}
