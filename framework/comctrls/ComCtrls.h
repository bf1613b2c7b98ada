#pragma once
// The common controls: one include for the page control, tool bar, rich edit and memo, and
// their registration.

#include "framework/comctrls/ListView.h"
#include "framework/comctrls/Memo.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/RichEdit.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/comctrls/TreeView.h"
#include "framework/comctrls/UpDown.h"

// Registers the common controls with the class registry (idempotent).
void RegisterComCtrlsClasses();
