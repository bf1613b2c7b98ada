#pragma once
// The item lines of tree and list views as descriptions store them: a text, then optionally
// its image indexes as " [n]" (list items) or " [n,m]" (tree nodes: image, selected image).

#include "framework/system/Exceptions.h"

// Splits off a suffix of exactly count numbers: true with the text before it and the numbers
// in numbers[0, count); false, setting nothing, when the line does not end in one. A number
// beyond int's range reads as 0.
bool SplitIndexSuffix(const String& line, int count, String& text, int* numbers);
// Whether text would read back as a suffix (such a text is written with one of its own).
inline bool HasIndexSuffix(const String& text, int count) {
    String rest;
    int numbers[2];
    return count <= 2 && SplitIndexSuffix(text, count, rest, numbers);
}
