#include "components/dialogs/VQAbtDlg/VQAboutDialogFm.h"

#include "components/gfx/VQBorder.h"
#include "components/gfx/VQImage.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Label.h"

VQ_PUBLISH(TVQAboutDialogFm) {
    P.Inherit();
    P.ComponentField("OKBt", &TVQAboutDialogFm::OKBt);
    P.ComponentField("CustomBt", &TVQAboutDialogFm::CustomBt);
    P.ComponentField("ProductLb", &TVQAboutDialogFm::ProductLb);
    P.ComponentField("CopyrightLb", &TVQAboutDialogFm::CopyrightLb);
    P.ComponentField("DescriptionLb", &TVQAboutDialogFm::DescriptionLb);
    P.ComponentField("SerialLb", &TVQAboutDialogFm::SerialLb);
    P.ComponentField("MemoryLb", &TVQAboutDialogFm::MemoryLb);
    P.ComponentField("ResourcesLb", &TVQAboutDialogFm::ResourcesLb);
    P.ComponentField("AboutIm", &TVQAboutDialogFm::AboutIm);
}

TVQAboutDialogFm::TVQAboutDialogFm(TComponent* AOwner) : TForm(AOwner) {
    // The description names these classes; a program need not have registered them.
    RegisterClassesOf<TButton, TLabel, TVQImage, TVQBorder>();
}
