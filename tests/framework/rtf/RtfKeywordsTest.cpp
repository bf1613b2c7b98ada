// FindRtfKeyword: control words are found exactly as written and nothing else is.
#include "framework/rtf/RtfKeywords.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(RtfKeywords, WordsAreFoundExactlyAndOnlyAsWritten) {
    struct TCase {
        std::string_view Word;
        TRtfKeyword Kw;
    };
    static const TCase cases[] = {
        // Known words: short, long, mixed case, skipped destinations, the last ones in the table.
        {"b", kwB},
        {"u", kwU},
        {"par", kwPar},
        {"line", kwLine},
        {"fonttbl", kwFonttbl},
        {"pntext", kwIgnoreGroupText},
        {"emdash", kwChar},
        {"mmathPr", kwSkipDest},
        {"fname", kwSkipDest},
        // Near misses: another case, a prefix, a longer word, nothing.
        {"B", kwUnknown},
        {"PAR", kwUnknown},
        {"mmathpr", kwUnknown},
        {"fonttb", kwUnknown},
        {"pard2", kwUnknown},
        {"parx", kwUnknown},
        {"", kwUnknown},
        {"notarealcontrolwordatallreally", kwUnknown},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FindRtfKeyword(c.Word).Kw, c.Kw) << c.Word;
    EXPECT_EQ(FindRtfKeyword("emdash").Char, u'\u2014');
    EXPECT_EQ(FindRtfKeyword("parx").Kind, rkIgnored);
}

} // namespace
