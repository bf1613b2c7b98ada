#pragma once
// Unit VQStdCmp: the standard components. Including this header gives all of them;
// RegisterVQStdCmpClasses() makes them known to form descriptions.

#include "components/std/VQBitmapButton.h"
#include "components/std/VQCalendar.h"
#include "components/std/VQCustomRichEdit.h"
#include "components/std/VQHotKey.h"
#include "components/std/VQMenuButton.h"
#include "components/std/VQPane.h"
#include "components/std/VQRichEdit.h"
#include "components/std/VQRichLabel.h"
#include "components/std/VQShellFunctions.h"
#include "components/std/VQSplitter.h"
#include "components/std/VQTrayIcon.h"
#include "components/std/VQWizard.h"
#include "components/std/VQWizardPage.h"
#include "components/std/VQWizardPanel.h"

// Registers the unit's component classes with the class registry (idempotent).
void RegisterVQStdCmpClasses();
