#pragma once
// The free system resources of the about box: a percentage from 0 to 100 that the library
// libvqrsrc.so answers through its entry MyGetFreeSystemResources32 (selector 0: the smaller
// of the free share of this process's file descriptors and the share of physical memory still
// available). The library is loaded by name at each call and unloaded after it; a missing
// library, or one without the entry, gives 100. Answers above 100 count as 100.

#include "framework/system/Exceptions.h"

int QueryFreeSystemResources();

// The library's and the entry's names; tests point them elsewhere. Empty restores the default.
void SetFreeResourcesLibrary(const String& library, const char* entry = nullptr);

// The resources line's format: "%d" (with an optional width, "-" for left-aligned, "0" for
// zero padding) becomes the value and "%%" a percent sign; anything else stays as it is.
String FormatPercent(const String& format, int value);
