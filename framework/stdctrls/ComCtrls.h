#pragma once
// The common controls: one include for the page control, tool bar, rich edit and memo, and
// their registration.

#include "framework/stdctrls/ListView.h"
#include "framework/stdctrls/Memo.h"
#include "framework/stdctrls/PageControl.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/stdctrls/TabSheet.h"
#include "framework/stdctrls/ToolBar.h"
#include "framework/stdctrls/ToolButton.h"
#include "framework/stdctrls/TreeView.h"
#include "framework/stdctrls/UpDown.h"

// Registers the common controls with the class registry (idempotent).
void RegisterComCtrlsClasses();
