#pragma once
// Texts by id from the program's string table. The table is a resource of the program, so the
// program installs the lookup at start; library code asks with its own default text, which it
// gets when no lookup is installed or the table has no such id.

#include "framework/system/Exceptions.h"

#include <functional>

// The lookup: the text of id, empty when the table has none.
using TResourceStringSource = std::function<String(int id)>;

// Installs (or with an empty function removes) the program's lookup.
void SetResourceStringSource(TResourceStringSource source);

// The program's text for id, or fallback.
String LoadResString(int id, const String& fallback);
