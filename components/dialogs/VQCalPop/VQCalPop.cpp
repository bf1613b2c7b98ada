#include "components/dialogs/VQCalPop/VQCalPop.h"

#include "framework/classes/ClassRegistry.h"

void RegisterVQCalPopClasses() {
    RegisterClassesOf<TVQCalendarPopup, TVQCalendarFm>();
}
