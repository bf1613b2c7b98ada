#include "components/std/VQStdCmp.h"

#include "framework/classes/ClassRegistry.h"

void RegisterVQStdCmpClasses() {
    RegisterClassesOf<TVQCalendar>();
}
