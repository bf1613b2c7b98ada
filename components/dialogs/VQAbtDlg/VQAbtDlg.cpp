#include "components/dialogs/VQAbtDlg/VQAbtDlg.h"

#include "framework/classes/ClassRegistry.h"

void RegisterVQAbtDlgClasses() {
    RegisterClassesOf<TVQAboutDialog, TVQAboutDialogFm>();
}
