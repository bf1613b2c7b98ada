#pragma once
// The RTF control words the reader knows: each names a keyword and the kind of handler that
// applies it; a named character (\emdash, \bullet...) carries the character it stands for.

#include <cstdint>
#include <string_view>

enum TRtfKeyword : uint8_t {
    kwUnknown,
    kwSkipDest,        // a destination whose content we never show
    kwIgnoreGroupText, // a destination whose text is generated (\pntext, \listtext)
    kwRtf,
    kwAnsi,
    kwMac,
    kwPc,
    kwPca,
    kwAnsicpg,
    kwDeff,
    kwFonttbl,
    kwColortbl,
    kwFcharset,
    kwRed,
    kwGreen,
    kwBlue,
    kwF,
    kwFs,
    kwB,
    kwI,
    kwUl,
    kwUlnone,
    kwStrike,
    kwCf,
    kwHighlight,
    kwCb,
    kwPlain,
    kwSuper,
    kwSub,
    kwNosupersub,
    kwHidden,
    kwPar,
    kwPard,
    kwQl,
    kwQc,
    kwQr,
    kwQj,
    kwLi,
    kwRi,
    kwFi,
    kwSb,
    kwSa,
    kwTx,
    kwTqr,
    kwTqc,
    kwTqdec,
    kwTab,
    kwLine,
    kwCell,
    kwRow,
    kwChar,
    kwPn,
    kwPnlvlblt,
    kwPnlvlbody,
    kwPnlvlcont,
    kwPnlvl,
    kwPnindent,
    kwPndec,
    kwPnlcltr,
    kwPnucltr,
    kwPnlcrm,
    kwPnucrm,
    kwLs,
    kwU,
    kwUc,
    kwBin,
};

// What a keyword changes, which picks the reader's handler for it.
enum TRtfKeywordKind : uint8_t {
    rkIgnored,     // unknown words, \rtf, \bin (read before any handler)
    rkDestination, // starts a group's destination: skipped, generated text, tables, \pn
    rkDocument,    // the document's code page and default font
    rkTable,       // values of a font or colour table entry
    rkCharacter,   // the character format
    rkParagraph,   // the paragraph format and its end
    rkList,        // bullets and numbering
    rkText,        // characters: tabs, line breaks, named characters, \u and \uc
};

struct TRtfKeywordEntry {
    TRtfKeyword Kw;
    TRtfKeywordKind Kind;
    char16_t Char; // kwChar: the character it stands for
};

// The entry of a control word; an unknown word is kwUnknown.
TRtfKeywordEntry FindRtfKeyword(std::string_view word);
// The same with the word's hash already known: the reader folds each letter in as it scans.
TRtfKeywordEntry FindRtfKeyword(std::string_view word, uint32_t hash);

// FNV-1a over a word's letters: the words are short, and this is cheaper than the standard hash
// and its division.
constexpr uint32_t RtfWordHashSeed = 2166136261u;
constexpr uint32_t RtfWordHashStep(uint32_t h, unsigned char c) {
    return (h ^ c) * 16777619u;
}
