#pragma once
// Unit VQAbtDlg: the about box component, its window and the free-resources query.
// RegisterVQAbtDlgClasses() makes the component known to form descriptions.

#include "components/dialogs/VQAbtDlg/VQAboutDialog.h"
#include "components/dialogs/VQAbtDlg/VQAboutDialogFm.h"
#include "components/dialogs/VQAbtDlg/VQFreeResources.h"

// Registers the unit's classes with the class registry (idempotent).
void RegisterVQAbtDlgClasses();
