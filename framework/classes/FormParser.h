#pragma once
// The syntax of form descriptions, parsed into a tree before anything is built. Names and
// identifiers point into the source text, which outlives the tree.

#include "framework/system/Exceptions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TFormPropNode;

struct TFormValueNode {
    enum TKind : uint8_t {
        vkInteger,
        vkFloat,
        vkString,
        vkIdent,
        vkSet,
        vkList,
        vkBinary,
        vkCollection
    };
    TKind Kind = vkInteger;
    int Line = 0;
    int64_t Int = 0;
    double Float = 0;
    std::string Str;                                    // strings (UTF-8) and binary bytes
    std::string_view Ident;                             // identifiers, dotted names included
    std::vector<TFormValueNode> Items;                  // set elements and list entries
    std::vector<std::vector<TFormPropNode>> Collection; // the items of a collection
};

struct TFormPropNode {
    std::string_view Name; // dotted path: Font.Height
    int Line = 0;
    TFormValueNode Value;
};

struct TFormObjectNode {
    std::string_view Name; // empty for an unnamed object
    std::string_view ClassName;
    int Line = 0;
    std::vector<TFormPropNode> Props;
    std::vector<TFormObjectNode> Children;
};

class TFormParser {
public:
    // Parses one top object; raises EReadError "source(line): message" on malformed text.
    static TFormObjectNode Parse(std::string_view text, const String& source);
};

// "source(line): message", as every reading error is worded.
[[noreturn]] void RaiseReadError(const String& source, int line, const String& message);
