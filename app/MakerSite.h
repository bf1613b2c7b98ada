#pragma once
// The maker's web server and the program's way of opening its pages: in the user's browser,
// with the error box when no browser starts.

#include "framework/system/Exceptions.h"

class TComponent;

// "https://www.example.com" followed by Path ("/index.htm").
String MakerPage(const char* Path);

// The error box's text when no browser starts.
extern const char* const BrowserFailedText;

// Opens the maker's page at Path and returns at once; if no browser starts, the error box
// follows (not when Context is gone by then).
void OpenMakerPage(TComponent* Context, const char* Path);
