#pragma once
// Unit VQTipDlg: the tip-of-the-day component and its window. RegisterVQTipDlgClasses() makes
// the component known to form descriptions.

#include "components/dialogs/VQTipDlg/VQTipDialog.h"
#include "components/dialogs/VQTipDlg/VQTipDialogFm.h"

// Registers the unit's classes with the class registry (idempotent).
void RegisterVQTipDlgClasses();
