#include "framework/rtf/RtfKeywords.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

TRtfKeywordKind RtfKeywordKind(TRtfKeyword kw) {
    switch (kw) {
    case kwSkipDest:
    case kwIgnoreGroupText:
    case kwFonttbl:
    case kwColortbl:
    case kwPn:
        return rkDestination;
    case kwAnsi:
    case kwMac:
    case kwPc:
    case kwPca:
    case kwAnsicpg:
    case kwDeff:
        return rkDocument;
    case kwFcharset:
    case kwRed:
    case kwGreen:
    case kwBlue:
        return rkTable;
    case kwF:
    case kwFs:
    case kwB:
    case kwI:
    case kwUl:
    case kwUlnone:
    case kwStrike:
    case kwCf:
    case kwHighlight:
    case kwCb:
    case kwPlain:
    case kwSuper:
    case kwSub:
    case kwNosupersub:
    case kwHidden:
        return rkCharacter;
    case kwPar:
    case kwRow:
    case kwPard:
    case kwQl:
    case kwQc:
    case kwQr:
    case kwQj:
    case kwLi:
    case kwRi:
    case kwFi:
    case kwSb:
    case kwSa:
    case kwTx:
    case kwTqr:
    case kwTqc:
    case kwTqdec:
        return rkParagraph;
    case kwPnlvlblt:
    case kwPnlvlbody:
    case kwPnlvlcont:
    case kwPnlvl:
    case kwPnindent:
    case kwPndec:
    case kwPnlcltr:
    case kwPnucltr:
    case kwPnlcrm:
    case kwPnucrm:
    case kwLs:
        return rkList;
    case kwTab:
    case kwCell:
    case kwLine:
    case kwChar:
    case kwU:
    case kwUc:
        return rkText;
    default:
        return rkIgnored;
    }
}

const std::unordered_map<std::string_view, TRtfKeywordEntry>& Keywords() {
    static const std::unordered_map<std::string_view, TRtfKeywordEntry> table = [] {
        std::unordered_map<std::string_view, TRtfKeywordEntry> t;
        auto add = [&](std::string_view w, TRtfKeyword k, char16_t c = 0) {
            t[w] = {k, RtfKeywordKind(k), c};
        };
        add("rtf", kwRtf);
        add("ansi", kwAnsi);
        add("mac", kwMac);
        add("pc", kwPc);
        add("pca", kwPca);
        add("ansicpg", kwAnsicpg);
        add("deff", kwDeff);
        add("fonttbl", kwFonttbl);
        add("colortbl", kwColortbl);
        add("fcharset", kwFcharset);
        add("red", kwRed);
        add("green", kwGreen);
        add("blue", kwBlue);
        add("f", kwF);
        add("fs", kwFs);
        add("b", kwB);
        add("i", kwI);
        for (auto w : {"ul", "uld", "uldb", "uldash", "uldashd", "uldashdd", "ulth", "ulw",
                       "ulwave", "ulhair", "ulthd", "ulthdash", "ulldash", "ululdbwave"})
            add(w, kwUl);
        add("ulnone", kwUlnone);
        add("strike", kwStrike);
        add("striked", kwStrike);
        add("cf", kwCf);
        add("highlight", kwHighlight);
        add("cb", kwCb);
        add("chcbpat", kwCb);
        add("plain", kwPlain);
        add("super", kwSuper);
        add("sub", kwSub);
        add("nosupersub", kwNosupersub);
        add("v", kwHidden);
        add("par", kwPar);
        add("pard", kwPard);
        add("ql", kwQl);
        add("qc", kwQc);
        add("qr", kwQr);
        add("qj", kwQj);
        add("li", kwLi);
        add("ri", kwRi);
        add("fi", kwFi);
        add("sb", kwSb);
        add("sa", kwSa);
        add("tx", kwTx);
        add("tqr", kwTqr);
        add("tqc", kwTqc);
        add("tqdec", kwTqdec);
        add("tab", kwTab);
        add("line", kwLine);
        add("cell", kwCell);
        add("row", kwRow);
        add("pn", kwPn);
        add("pnlvlblt", kwPnlvlblt);
        add("pnlvlbody", kwPnlvlbody);
        add("pnlvlcont", kwPnlvlcont);
        add("pnlvl", kwPnlvl);
        add("pnindent", kwPnindent);
        add("pndec", kwPndec);
        add("pnlcltr", kwPnlcltr);
        add("pnucltr", kwPnucltr);
        add("pnlcrm", kwPnlcrm);
        add("pnucrm", kwPnucrm);
        add("ls", kwLs);
        add("u", kwU);
        add("uc", kwUc);
        add("bin", kwBin);
        add("pntext", kwIgnoreGroupText);
        add("listtext", kwIgnoreGroupText);
        add("emdash", kwChar, 0x2014);
        add("endash", kwChar, 0x2013);
        add("bullet", kwChar, 0x2022);
        add("lquote", kwChar, 0x2018);
        add("rquote", kwChar, 0x2019);
        add("ldblquote", kwChar, 0x201C);
        add("rdblquote", kwChar, 0x201D);
        add("emspace", kwChar, 0x2003);
        add("enspace", kwChar, 0x2002);
        add("qmspace", kwChar, 0x2005);
        add("zwj", kwChar, 0x200D);
        add("zwnj", kwChar, 0x200C);
        add("ltrmark", kwChar, 0x200E);
        add("rtlmark", kwChar, 0x200F);
        for (auto w : {"stylesheet",
                       "info",
                       "pict",
                       "object",
                       "objdata",
                       "result",
                       "header",
                       "headerl",
                       "headerr",
                       "headerf",
                       "footer",
                       "footerl",
                       "footerr",
                       "footerf",
                       "footnote",
                       "annotation",
                       "atnid",
                       "atnauthor",
                       "fldinst",
                       "xe",
                       "tc",
                       "txe",
                       "rxe",
                       "themedata",
                       "colorschememapping",
                       "datastore",
                       "latentstyles",
                       "listtable",
                       "listoverridetable",
                       "rsidtbl",
                       "generator",
                       "revtbl",
                       "filetbl",
                       "pgdsctbl",
                       "mmathPr",
                       "nonshppict",
                       "shppict",
                       "shp",
                       "shpinst",
                       "userprops",
                       "xmlnstbl",
                       "template",
                       "comment",
                       "title",
                       "subject",
                       "author",
                       "operator",
                       "keywords",
                       "doccomm",
                       "company",
                       "creatim",
                       "revtim",
                       "printim",
                       "buptim",
                       "upr",
                       "pntxtb",
                       "pntxta",
                       "bkmkstart",
                       "bkmkend",
                       "falt",
                       "panose",
                       "fname"})
            add(w, kwSkipDest);
        return t;
    }();
    return table;
}

uint32_t WordHash(std::string_view w) {
    uint32_t h = RtfWordHashSeed;
    for (const char c : w)
        h = RtfWordHashStep(h, uint8_t(c));
    return h;
}

// The keywords in an open-addressing table at most a quarter full: one control word in a few
// of the input's bytes is looked up.
struct TKeywordSlots {
    struct TSlot {
        std::string_view Word;
        TRtfKeywordEntry Entry{kwUnknown, rkIgnored, 0};
    };
    std::vector<TSlot> Slots;
    size_t Mask = 0;
};

const TKeywordSlots& KeywordSlots() {
    static const TKeywordSlots table = [] {
        TKeywordSlots t;
        size_t size = 64;
        while (size < 4 * Keywords().size())
            size *= 2;
        t.Slots.resize(size);
        t.Mask = size - 1;
        for (const auto& [word, entry] : Keywords()) {
            size_t i = WordHash(word) & t.Mask;
            while (!t.Slots[i].Word.empty())
                i = (i + 1) & t.Mask;
            t.Slots[i] = {word, entry};
        }
        return t;
    }();
    return table;
}

} // namespace

TRtfKeywordEntry FindRtfKeyword(std::string_view word) {
    return FindRtfKeyword(word, WordHash(word));
}

TRtfKeywordEntry FindRtfKeyword(std::string_view word, uint32_t hash) {
    static const TKeywordSlots& t = KeywordSlots();
    if (!word.empty()) {
        for (size_t i = hash & t.Mask; !t.Slots[i].Word.empty(); i = (i + 1) & t.Mask)
            if (t.Slots[i].Word == word) return t.Slots[i].Entry;
    }
    return TRtfKeywordEntry{kwUnknown, rkIgnored, 0};
}
