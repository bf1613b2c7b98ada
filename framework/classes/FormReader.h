#pragma once
// Reading form descriptions. The whole text is parsed before any component is made, so a syntax
// error builds nothing; an error while building frees what was built. Errors are EReadError
// with "source(line): message".

#include "framework/classes/Component.h"

#include <string_view>

class TFormReader {
public:
    // Fills an existing root (a form constructed by code) from a description whose top object
    // must be of the root's class. Children are created through the class registry, owned by
    // the root; component fields and event handlers of the root are bound by name.
    static void ReadInto(TComponent* root, std::string_view text, const String& source);
    // Creates the root from the description's top class (registered), owned by owner.
    static TComponent* ReadNew(std::string_view text, const String& source, TComponent* owner);
    // Parses only: raises EReadError for malformed text, builds nothing.
    static void Check(std::string_view text, const String& source);
};
