#pragma once
// Unit VQStdCmp: the standard components. Including this header gives all of them;
// RegisterVQStdCmpClasses() makes them known to form descriptions.

#include "components/std/VQCalendar.h"

// Registers the unit's component classes with the class registry (idempotent).
void RegisterVQStdCmpClasses();
