#pragma once
// The single-byte code pages of RTF text: a table of 256 UTF-16 units per code page, the code
// page a font's \fcharset names, and TRtfCodePages, which makes each table a document uses once.
// Code page 1252 is built in; the symbol set (\fcharset2) maps to the Unicode characters its
// font draws; the others come from Qt's codecs, and one Qt does not know reads as 1252.

#include <array>
#include <map>
#include <memory>

using TRtfCodeTable = std::array<char16_t, 256>;

// The platform's code page number for the symbol character set.
constexpr int RtfSymbolCodePage = 42;

// Code page 1252 (Latin-1 with the typographic characters in 0x80-0x9F).
const TRtfCodeTable& Cp1252CodeTable();

// The code page of a \fcharset; 0 means "the document's".
int RtfCharsetCodePage(int charset);

class TRtfCodePages {
public:
    // The table of a code page; 1252 for 0, negative and unknown ones.
    const TRtfCodeTable* TableFor(int codePage);

private:
    std::map<int, std::unique_ptr<TRtfCodeTable>> FTables;
};
