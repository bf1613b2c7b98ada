#include "components/dialogs/VQAbtDlg/VQAboutDialog.h"

#include "components/dialogs/VQAbtDlg/VQAboutDialogFm.h"
#include "components/dialogs/VQAbtDlg/VQFreeResources.h"
#include "components/gfx/VQImage.h"
#include "framework/controls/Application.h"
#include "framework/controls/ExecutionForm.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Label.h"
#include "framework/system/FormatFloat.h"
#include "framework/system/MemoryStatus.h"

const char16_t* const TVQAboutDialog::DefaultCopyright = u"\u00A9 Copyright 2026";

VQ_PUBLISH(TVQAboutDialog) {
    P.Inherit();
    P.Field("About", &TVQAboutDialog::FAbout).Stored(false);
    P.Property("Caption", &TVQAboutDialog::Caption, &TVQAboutDialog::SetCaption);
    P.Property("Copyright", &TVQAboutDialog::Copyright, &TVQAboutDialog::SetCopyright);
    P.Property("CustomButton", &TVQAboutDialog::CustomButton, &TVQAboutDialog::SetCustomButton);
    P.Property("Description", &TVQAboutDialog::Description, &TVQAboutDialog::SetDescription);
    P.Property("Product", &TVQAboutDialog::Product, &TVQAboutDialog::SetProduct);
    P.Property("Serial", &TVQAboutDialog::Serial, &TVQAboutDialog::SetSerial);
    P.Event("OnCustomClick", &TVQAboutDialog::OnCustomClick, "TNotifyEvent");
    P.Event("OnIconDblClick", &TVQAboutDialog::OnIconDblClick, "TNotifyEvent");
}

TVQAboutDialog::TVQAboutDialog(TComponent* AOwner) : TComponent(AOwner) {}

TVQAboutDialog::~TVQAboutDialog() = default;

void TVQAboutDialog::Execute() {
    TExecutionForm<TVQAboutDialogFm> form(this);
    const TLifeToken self = LifeToken();
    FForm = form.Get();
    struct TForget {
        TVQAboutDialog* Dialog;
        const TLifeToken& Self;
        ~TForget() {
            if (Self) Dialog->FForm = nullptr;
        }
    } forget{this, self};
    const String title = Application->Title();

    form->SetCaption(FCaption.isEmpty() ? QStringLiteral("About ") + title : FCaption);
    form->CopyrightLb->SetCaption(FCopyright.isEmpty() ? String::fromUtf16(DefaultCopyright)
                                                       : FCopyright);
    form->DescriptionLb->SetCaption(FDescription);
    form->ProductLb->SetCaption(FProduct.isEmpty() ? title : FProduct);
    form->SerialLb->SetCaption(FSerial);
    if (!Application->Icon()->Empty()) form->AboutIm->Picture()->Assign(Application->Icon());
    form->AboutIm->OnDblClick = OnIconDblClick;
    form->CustomBt->SetVisible(!FCustomButton.isEmpty());
    form->CustomBt->SetCaption(FCustomButton);
    form->CustomBt->OnClick = OnCustomClick;

    // Kilobytes of physical memory through the label's own number format.
    const double kb = double(GlobalMemoryStatus().TotalPhys) * 0.0009765625;
    form->MemoryLb->SetCaption(FormatFloat(form->MemoryLb->Caption(), kb));
    form->ResourcesLb->SetCaption(
        FormatPercent(form->ResourcesLb->Caption(), QueryFreeSystemResources()));

    form->ShowModal();
}
