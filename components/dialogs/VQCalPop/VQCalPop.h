#pragma once
// Unit VQCalPop: the drop-down calendar component and its dialog form.

#include "components/dialogs/VQCalPop/VQCalendarFm.h"
#include "components/dialogs/VQCalPop/VQCalendarPopup.h"

// Registers the unit's component and form classes with the class registry.
void RegisterVQCalPopClasses();
