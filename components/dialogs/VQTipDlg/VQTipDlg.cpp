#include "components/dialogs/VQTipDlg/VQTipDlg.h"

#include "framework/classes/ClassRegistry.h"

void RegisterVQTipDlgClasses() {
    RegisterClassesOf<TVQTipDialog, TVQTipDialogFm>();
}
