#pragma once
// Writing form descriptions: the text form TFormReader reads back to the same components.

#include "framework/classes/Component.h"

#include <string>

class TFormWriter {
public:
    // Writes root and its children in published order, leaving out declared defaults and
    // unstored properties.
    static std::string Write(const TComponent* root);
};
