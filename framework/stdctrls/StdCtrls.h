#pragma once
// The standard controls: one include for all of them, and their registration.

#include "framework/stdctrls/BitBtn.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/DirectoryListBox.h"
#include "framework/stdctrls/DriveComboBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/FileListBox.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/SpeedButton.h"

// Registers the standard controls with the class registry.
void RegisterStdCtrlsClasses();
