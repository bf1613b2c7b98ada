#include "framework/rtf/RtfReader.h"

#include <QColor>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Code page 1252 differs from Latin-1 only in 0x80-0x9F; undefined bytes keep their value.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

using TCodeTable = std::array<char16_t, 256>;

const TCodeTable& Cp1252Table() {
    static const TCodeTable table = [] {
        TCodeTable t{};
        for (int i = 0; i < 256; ++i)
            t[i] = (i >= 0x80 && i < 0xA0) ? Cp1252High[i - 0x80] : char16_t(i);
        return t;
    }();
    return table;
}

// The symbol character set: 0x20-0xFE as the Symbol font draws them, in Unicode. Bytes the
// set leaves undefined become U+F0xx, the private-use codes the platform gives symbol text.
constexpr char16_t SymbolHigh[95] =
    {
        0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660,
        0x2194, 0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D,
        0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135,
        0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284,
        0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A,
        0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329,
        0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7,
        0x23A8, 0x23A9, 0x23AA, 0xF0F0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,
        0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD}; // 0xA0-0xFE

const TCodeTable& SymbolTable() {
    static const TCodeTable table = [] {
        // 0x20-0x7E: ASCII punctuation and digits, Greek for the letters.
        constexpr char16_t low[95] = {
            0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217,
            0x002B, 0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035,
            0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245,
            0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A,
            0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2,
            0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1,
            0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB,
            0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,
            0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C};
        TCodeTable t{};
        for (int i = 0; i < 256; ++i) {
            if (i < 0x20)
                t[size_t(i)] = char16_t(i);
            else if (i < 0x7F)
                t[size_t(i)] = low[i - 0x20];
            else if (i >= 0xA0 && i < 0xFF)
                t[size_t(i)] = SymbolHigh[i - 0xA0];
            else
                t[size_t(i)] = char16_t(0xF000 + i);
        }
        return t;
    }();
    return table;
}

// The platform's code page number for the symbol character set.
constexpr int SymbolCodePage = 42;

// Code page of a \fcharset; 0 means "the document's".
int CharsetCodePage(int charset) {
    switch (charset) {
    case 2:
        return SymbolCodePage;
    case 77:
        return 10000;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

enum TKeyword : uint8_t {
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

struct TKeywordEntry {
    TKeyword Kw;
    char16_t Char; // kwChar: the character it stands for
};

const std::unordered_map<std::string_view, TKeywordEntry>& Keywords() {
    static const std::unordered_map<std::string_view, TKeywordEntry> table = [] {
        std::unordered_map<std::string_view, TKeywordEntry> t;
        auto add = [&](std::string_view w, TKeyword k, char16_t c = 0) { t[w] = {k, c}; };
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

// Bounds that keep nonsense values from reaching the layout.
constexpr int MaxTwips = 31680;     // 22 inches
constexpr int MaxHalfPoints = 3276; // 1638 points
constexpr int NoColor = 0x7FFF;
constexpr double TwipsPerPixel = 15.0; // 1440 twips an inch, 96 pixels an inch

} // namespace

char16_t TRtfReader::Cp1252ToUnicode(unsigned char byte) {
    return Cp1252Table()[byte];
}

QString TRtfReader::FontFamilyFor(const QString& rtfName) {
    static const QHash<QString, QString> map = {
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("ms serif"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
    };
    const QString trimmed = rtfName.trimmed();
    return map.value(trimmed.toLower(), trimmed);
}

// The parse runs in two steps: the bytes become paragraphs of runs with interned formats, and
// only a complete, well-formed result is put into the document, so a rejected input leaves the
// document as it was.
struct TRtfReader::TParser {
    enum TDest : uint8_t { dNormal, dFontTable, dColorTable, dPn, dIgnoreText };
    enum TListKind : uint8_t {
        lkNone,
        lkBullet,
        lkDecimal,
        lkLowerAlpha,
        lkUpperAlpha,
        lkLowerRoman,
        lkUpperRoman
    };
    enum TFlag : uint8_t {
        fBold = 1,
        fItalic = 2,
        fUnderline = 4,
        fStrike = 8,
        fSuper = 16,
        fSub = 32,
        fHidden = 64
    };

    struct TChar {
        int Font = 0;
        int Size = 24;
        uint8_t Flags = 0;
        int Fg = NoColor;
        int Bg = NoColor;
        uint64_t Key() const {
            return uint64_t(uint16_t(Font)) | (uint64_t(Size & 0xFFF) << 16) |
                   (uint64_t(Flags & 0x3F) << 28) | (uint64_t(Fg & 0x7FFF) << 34) |
                   (uint64_t(Bg & 0x7FFF) << 49);
        }
    };

    struct TPara {
        uint8_t Align = 0; // 0 left, 1 centre, 2 right, 3 justify
        TListKind List = lkNone;
        uint8_t Level = 1;
        int Ls = 0;
        int Li = 0, Ri = 0, Fi = 0, Sb = 0, Sa = 0;
        int PnIndent = 0;
        int Tabs = -1; // index into FTabLists
        bool operator==(const TPara&) const = default;
    };
    struct TParaHash {
        size_t operator()(const TPara& p) const {
            size_t h = p.Align | (size_t(p.List) << 2) | (size_t(p.Level) << 5);
            for (int v : {p.Ls, p.Li, p.Ri, p.Fi, p.Sb, p.Sa, p.PnIndent, p.Tabs})
                h = h * 1000003u ^ size_t(unsigned(v));
            return h;
        }
    };

    struct TTab {
        int Twips;
        uint8_t Kind; // 0 left, 1 right, 2 centre, 3 decimal
    };

    struct TState {
        TChar Chr;
        TPara Para;
        TDest Dest = dNormal;
        uint8_t Uc = 1;
        uint8_t PendingTabKind = 0;
    };

    struct TRun {
        uint32_t Begin, End;
        int Fmt;
    };
    struct TParagraph {
        size_t RunBegin, RunEnd;
        int ParaFmt;
        int CharFmt; // format of the paragraph mark
    };

    struct TFont {
        QString Name;
        int Charset = 0;
    };

    TRtfReader& Owner;
    const unsigned char* Begin;
    const unsigned char* End;
    const unsigned char* P;

    std::vector<TState> Stack;
    int SkipDepth = 0; // > 0 while a skipped destination's groups are passed over
    int UcSkip = 0;    // fallback characters still to drop after \u
    bool IgnorableNext = false;
    bool Done = false;

    int DocCodePage = 1252;
    int DefaultFont = 0;
    const TCodeTable* Table = &Cp1252Table();
    std::map<int, std::unique_ptr<TCodeTable>> Tables;

    std::map<int, TFont> Fonts;
    int FontEntry = 0;         // number of the font table entry being read
    size_t FontTableDepth = 0; // depth of the font table group; its entries are one deeper
    QString FontName;
    std::vector<QColor> Colors;
    int Red = -1, Green = -1, Blue = -1;
    std::vector<std::vector<TTab>> TabLists;
    int OpenTabList = -1; // the list that may still grow in place

    std::u16string Text;
    std::vector<TRun> Runs;
    std::vector<TParagraph> Paras;
    size_t ParaRunBegin = 0;
    int CurFmt = -1;
    std::unordered_map<uint64_t, int> CharIndex;
    std::vector<TChar> CharFmts;
    std::unordered_map<TPara, int, TParaHash> ParaIndex;
    std::vector<TPara> ParaFmts;

    TParser(TRtfReader& owner, QByteArrayView rtf)
        : Owner(owner), Begin(reinterpret_cast<const unsigned char*>(rtf.data())),
          End(Begin + rtf.size()), P(Begin) {}

    bool Fail(const unsigned char* at, const QString& message) {
        Owner.FErrorOffset = at - Begin;
        Owner.FErrorMessage = message;
        return false;
    }

    TState& Top() { return Stack.back(); }
    const TState& Top() const { return Stack.back(); }

    // ---- code pages

    const TCodeTable* TableFor(int codePage) {
        if (codePage == 1252 || codePage <= 0) return &Cp1252Table();
        if (codePage == SymbolCodePage) return &SymbolTable();
        auto it = Tables.find(codePage);
        if (it != Tables.end()) return it->second ? it->second.get() : &Cp1252Table();
        const TCodeTable* result = &Cp1252Table();
        QStringDecoder decoder(QByteArray("windows-") + QByteArray::number(codePage));
        if (codePage == 10000) decoder = QStringDecoder("macintosh");
        if (codePage == 437 || codePage == 850)
            decoder = QStringDecoder(QByteArray("IBM") + QByteArray::number(codePage));
        std::unique_ptr<TCodeTable> table;
        if (decoder.isValid()) {
            table = std::make_unique<TCodeTable>();
            for (int i = 0; i < 256; ++i) {
                const char byte = char(i);
                const QString s = decoder.decode(QByteArrayView(&byte, 1));
                (*table)[i] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
                decoder.resetState();
            }
            result = table.get();
        }
        Tables.emplace(codePage, std::move(table));
        return result;
    }

    void UpdateTable() {
        int cp = DocCodePage;
        if (Top().Dest == dNormal) {
            auto it = Fonts.find(Top().Chr.Font);
            if (it != Fonts.end()) {
                const int fcp = CharsetCodePage(it->second.Charset);
                if (fcp) cp = fcp;
            }
        }
        Table = TableFor(cp);
    }

    // ---- interning

    int InternChar(const TChar& c) {
        const uint64_t key = c.Key();
        auto [it, inserted] = CharIndex.try_emplace(key, int(CharFmts.size()));
        if (inserted) CharFmts.push_back(c);
        return it->second;
    }
    int InternPara(const TPara& p) {
        OpenTabList = -1;
        auto [it, inserted] = ParaIndex.try_emplace(p, int(ParaFmts.size()));
        if (inserted) ParaFmts.push_back(p);
        return it->second;
    }

    // ---- text

    bool ShowsText() const { return Top().Dest == dNormal && !(Top().Chr.Flags & fHidden); }

    void BeginRun() {
        if (CurFmt < 0) CurFmt = InternChar(Top().Chr);
        const uint32_t pos = uint32_t(Text.size());
        if (Runs.size() > ParaRunBegin && Runs.back().Fmt == CurFmt && Runs.back().End == pos)
            return;
        Runs.push_back({pos, pos, CurFmt});
    }

    static bool Unwanted(char16_t u) {
        // C0 controls would split blocks or confuse layout; the others are Qt's own markers
        // (frame boundaries, object replacement, paragraph separator).
        return (u < 0x20 && u != u'\t') || u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC || u == 0x2029;
    }

    void AppendUnit(char16_t u) {
        switch (Top().Dest) {
        case dNormal:
            if (!ShowsText() || Unwanted(u)) return;
            BeginRun();
            Text.push_back(u);
            Runs.back().End = uint32_t(Text.size());
            return;
        case dFontTable:
            if (u == u';')
                CommitFont();
            else if (!Unwanted(u))
                FontName.append(QChar(u));
            return;
        case dColorTable:
            if (u == u';') CommitColor();
            return;
        default:
            return;
        }
    }

    // A byte of text or a \'hh escape: dropped when it is a \u fallback.
    void AppendByte(unsigned char b) {
        if (UcSkip > 0) {
            --UcSkip;
            return;
        }
        AppendUnit((*Table)[b]);
    }

    // Plain text bytes [from, to): the hot path of the reader.
    void AppendBytes(const unsigned char* from, const unsigned char* to) {
        while (UcSkip > 0 && from < to) {
            --UcSkip;
            ++from;
        }
        if (from == to) return;
        if (!ShowsText() || Top().Dest != dNormal) {
            for (; from < to; ++from)
                AppendUnit((*Table)[*from]);
            return;
        }
        BeginRun();
        const TCodeTable& table = *Table;
        for (; from < to; ++from) {
            const char16_t u = table[*from];
            if (!Unwanted(u)) Text.push_back(u);
        }
        Runs.back().End = uint32_t(Text.size());
    }

    void EndParagraph() {
        if (Top().Dest != dNormal) return;
        TParagraph para;
        para.RunBegin = ParaRunBegin;
        para.RunEnd = Runs.size();
        para.ParaFmt = InternPara(Top().Para);
        para.CharFmt = InternChar(Top().Chr);
        Paras.push_back(para);
        ParaRunBegin = Runs.size();
    }

    // ---- tables

    void CommitFont() {
        const QString name = FontName.trimmed();
        if (!name.isEmpty()) Fonts[FontEntry].Name = name;
        FontName.clear();
    }
    void CommitColor() {
        if (Red < 0 && Green < 0 && Blue < 0)
            Colors.push_back(QColor()); // "auto"
        else
            Colors.push_back(QColor(std::max(Red, 0), std::max(Green, 0), std::max(Blue, 0)));
        Red = Green = Blue = -1;
    }

    // ---- groups

    bool PushGroup() {
        if (int(Stack.size()) >= Owner.FMaxDepth)
            return Fail(P - 1, QStringLiteral("Groups nested deeper than %1").arg(Owner.FMaxDepth));
        if (Stack.empty())
            Stack.emplace_back();
        else
            Stack.push_back(Stack.back());
        OpenTabList = -1;
        UcSkip = 0;
        return true;
    }

    void PopGroup() {
        const TState popped = Stack.back();
        if (Stack.size() == 1) {
            // The document's own group: what follows the last \par is a last paragraph.
            if (Runs.size() > ParaRunBegin || Paras.empty()) EndParagraph();
            Stack.pop_back();
            Done = true;
            return;
        }
        // Tables whose last entry lacks its ';'.
        if (popped.Dest == dFontTable && Stack.size() <= FontTableDepth + 1) CommitFont();
        if (popped.Dest == dColorTable && (Red >= 0 || Green >= 0 || Blue >= 0)) CommitColor();
        Stack.pop_back();
        if (popped.Dest == dPn) {
            // \pn is a paragraph property written as a destination: it outlives its group.
            TPara& para = Top().Para;
            para.List = popped.Para.List;
            para.Level = popped.Para.Level;
            para.PnIndent = popped.Para.PnIndent;
        }
        UcSkip = 0;
        CurFmt = -1;
        UpdateTable();
    }

    // ---- control words

    void Keyword(std::string_view word, bool hasParam, int param) {
        auto it = Keywords().find(word);
        const TKeywordEntry entry =
            it == Keywords().end() ? TKeywordEntry{kwUnknown, 0} : it->second;
        const bool ignorable = IgnorableNext;
        IgnorableNext = false;

        if (entry.Kw == kwBin) {
            // Binary data is raw bytes; never parse it (it may hold braces).
            const qsizetype n = hasParam && param > 0 ? param : 0;
            P += std::min<qsizetype>(n, End - P);
            return;
        }
        if (UcSkip > 0 && entry.Kw != kwU) {
            --UcSkip;
            return;
        }

        TState& st = Top();
        TChar& chr = st.Chr;
        TPara& para = st.Para;
        const int value = hasParam ? param : 1;
        const auto twips = [&] { return std::clamp(hasParam ? param : 0, -MaxTwips, MaxTwips); };
        const auto setFlag = [&](uint8_t flag, bool on) {
            chr.Flags = on ? uint8_t(chr.Flags | flag) : uint8_t(chr.Flags & ~flag);
            CurFmt = -1;
        };

        if (ignorable && entry.Kw != kwPn && entry.Kw != kwFonttbl && entry.Kw != kwColortbl) {
            SkipDepth = 1;
            return;
        }

        switch (entry.Kw) {
        case kwUnknown:
        case kwRtf:
            return;
        case kwSkipDest:
            SkipDepth = 1;
            return;
        case kwIgnoreGroupText:
            st.Dest = dIgnoreText;
            return;
        case kwAnsi:
            DocCodePage = 1252;
            break;
        case kwMac:
            DocCodePage = 10000;
            break;
        case kwPc:
            DocCodePage = 437;
            break;
        case kwPca:
            DocCodePage = 850;
            break;
        case kwAnsicpg:
            DocCodePage = hasParam ? param : 1252;
            break;
        case kwDeff:
            DefaultFont = hasParam ? param : 0;
            chr.Font = DefaultFont;
            CurFmt = -1;
            break;
        case kwFonttbl:
            st.Dest = dFontTable;
            FontTableDepth = Stack.size();
            FontName.clear();
            break;
        case kwColortbl:
            st.Dest = dColorTable;
            Red = Green = Blue = -1;
            break;
        case kwFcharset:
            if (st.Dest == dFontTable) Fonts[FontEntry].Charset = value;
            break;
        case kwRed:
            Red = std::clamp(value, 0, 255);
            break;
        case kwGreen:
            Green = std::clamp(value, 0, 255);
            break;
        case kwBlue:
            Blue = std::clamp(value, 0, 255);
            break;
        case kwF:
            if (st.Dest == dFontTable) {
                CommitFont();
                FontEntry = hasParam ? param : 0;
                FontName.clear();
            } else {
                chr.Font = std::clamp(hasParam ? param : 0, 0, 0xFFFF);
                CurFmt = -1;
            }
            break;
        case kwFs:
            chr.Size = std::clamp(hasParam ? param : 24, 1, MaxHalfPoints);
            CurFmt = -1;
            break;
        case kwB:
            setFlag(fBold, value != 0);
            break;
        case kwI:
            setFlag(fItalic, value != 0);
            break;
        case kwUl:
            setFlag(fUnderline, value != 0);
            break;
        case kwUlnone:
            setFlag(fUnderline, false);
            break;
        case kwStrike:
            setFlag(fStrike, value != 0);
            break;
        case kwHidden:
            setFlag(fHidden, value != 0);
            break;
        case kwSuper:
            setFlag(fSub, false);
            setFlag(fSuper, true);
            break;
        case kwSub:
            setFlag(fSuper, false);
            setFlag(fSub, true);
            break;
        case kwNosupersub:
            setFlag(fSuper | fSub, false);
            break;
        case kwCf:
            // Entry 0 is a colour of its own unless the table leaves it empty ("auto").
            chr.Fg = hasParam && param >= 0 && param < NoColor ? param : NoColor;
            CurFmt = -1;
            break;
        case kwHighlight:
        case kwCb:
            // Here 0 always means none, as writers use it to end highlighting.
            chr.Bg = hasParam && param > 0 && param < NoColor ? param : NoColor;
            CurFmt = -1;
            break;
        case kwPlain:
            chr = TChar();
            chr.Font = DefaultFont;
            CurFmt = -1;
            break;
        case kwPar:
            EndParagraph();
            break;
        case kwRow:
            EndParagraph();
            break;
        case kwPard:
            para = TPara();
            break;
        case kwQl:
            para.Align = 0;
            break;
        case kwQc:
            para.Align = 1;
            break;
        case kwQr:
            para.Align = 2;
            break;
        case kwQj:
            para.Align = 3;
            break;
        case kwLi:
            para.Li = twips();
            break;
        case kwRi:
            para.Ri = twips();
            break;
        case kwFi:
            para.Fi = twips();
            break;
        case kwSb:
            para.Sb = std::max(twips(), 0);
            break;
        case kwSa:
            para.Sa = std::max(twips(), 0);
            break;
        case kwTqr:
            st.PendingTabKind = 1;
            break;
        case kwTqc:
            st.PendingTabKind = 2;
            break;
        case kwTqdec:
            st.PendingTabKind = 3;
            break;
        case kwTx: {
            const TTab tab{std::clamp(twips(), 0, MaxTwips), st.PendingTabKind};
            st.PendingTabKind = 0;
            // A list no paragraph or outer group refers to yet grows in place; others are
            // copied, so the cost stays linear in the number of tab stops.
            if (para.Tabs < 0 || para.Tabs != OpenTabList) {
                TabLists.push_back(para.Tabs >= 0 ? TabLists[size_t(para.Tabs)]
                                                  : std::vector<TTab>());
                para.Tabs = OpenTabList = int(TabLists.size() - 1);
            }
            std::vector<TTab>& tabs = TabLists[size_t(para.Tabs)];
            if (tabs.size() < 64) tabs.push_back(tab);
            break;
        }
        case kwTab:
        case kwCell:
            AppendUnit(u'\t');
            break;
        case kwLine:
            AppendUnit(0x2028);
            break;
        case kwChar:
            AppendUnit(entry.Char);
            break;
        case kwPn:
            st.Dest = dPn;
            para.List = lkBullet;
            para.Level = 1;
            break;
        case kwPnlvlblt:
            para.List = lkBullet;
            break;
        case kwPnlvlbody:
            if (para.List == lkNone || para.List == lkBullet) para.List = lkDecimal;
            break;
        case kwPnlvlcont:
            para.List = lkNone;
            break;
        case kwPnlvl:
            para.Level = uint8_t(std::clamp(value, 1, 9));
            if (para.List == lkNone || para.List == lkBullet) para.List = lkDecimal;
            break;
        case kwPnindent:
            para.PnIndent = std::clamp(twips(), 0, MaxTwips);
            break;
        case kwPndec:
            para.List = lkDecimal;
            break;
        case kwPnlcltr:
            para.List = lkLowerAlpha;
            break;
        case kwPnucltr:
            para.List = lkUpperAlpha;
            break;
        case kwPnlcrm:
            para.List = lkLowerRoman;
            break;
        case kwPnucrm:
            para.List = lkUpperRoman;
            break;
        case kwLs:
            para.Ls = std::max(value, 0);
            break;
        case kwU: {
            UcSkip = 0;
            int v = hasParam ? param : 0;
            if (v < 0) v += 65536;
            AppendUnit(v >= 0 && v <= 0xFFFF ? char16_t(v) : char16_t(0xFFFD));
            UcSkip = Top().Uc;
            break;
        }
        case kwUc:
            st.Uc = uint8_t(std::clamp(hasParam ? param : 1, 0, 255));
            break;
        case kwBin:
            break;
        }
        if (entry.Kw == kwF || entry.Kw == kwPlain || entry.Kw == kwDeff || entry.Kw == kwAnsicpg ||
            entry.Kw == kwAnsi || entry.Kw == kwMac || entry.Kw == kwPc || entry.Kw == kwPca)
            UpdateTable();
    }

    // After a backslash. Returns false at a truncated escape.
    bool Control() {
        if (P >= End) return false;
        const unsigned char c = *P;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            const unsigned char* wordBegin = P;
            while (P < End && ((*P >= 'a' && *P <= 'z') || (*P >= 'A' && *P <= 'Z')))
                ++P;
            const size_t wordLen = size_t(P - wordBegin);
            bool negative = false;
            bool hasParam = false;
            int64_t param = 0;
            if (P < End && *P == '-' && P + 1 < End && P[1] >= '0' && P[1] <= '9') {
                negative = true;
                ++P;
            }
            while (P < End && *P >= '0' && *P <= '9') {
                hasParam = true;
                if (param < INT_MAX) param = param * 10 + (*P - '0');
                ++P;
            }
            if (P < End && *P == ' ') ++P;
            param = std::min<int64_t>(param, INT_MAX);
            if (negative) param = -param;
            const std::string_view word(reinterpret_cast<const char*>(wordBegin),
                                        std::min<size_t>(wordLen, 32));
            if (SkipDepth > 0) {
                // Only \bin matters inside a skipped destination.
                if (word == "bin" && hasParam && param > 0)
                    P += std::min<qsizetype>(qsizetype(param), End - P);
                return true;
            }
            Keyword(wordLen > 32 ? std::string_view() : word, hasParam, int(param));
            return true;
        }
        ++P;
        if (c == '\'') {
            if (End - P < 2) return false;
            const int hi = QByteArrayView("0123456789abcdef").indexOf(char(P[0] | 0x20));
            const int lo = QByteArrayView("0123456789abcdef").indexOf(char(P[1] | 0x20));
            P += 2;
            if (SkipDepth > 0 || hi < 0 || lo < 0) return true;
            IgnorableNext = false;
            AppendByte(static_cast<unsigned char>(hi * 16 + lo));
            return true;
        }
        if (SkipDepth > 0) return true;
        if (c == '*') {
            IgnorableNext = true;
            return true;
        }
        IgnorableNext = false;
        char16_t ch = 0;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            ch = c;
            break;
        case '~':
            ch = 0x00A0;
            break;
        case '-':
            ch = 0x00AD;
            break;
        case '_':
            ch = 0x2011;
            break;
        case '\r':
        case '\n':
            if (UcSkip > 0)
                --UcSkip;
            else
                EndParagraph();
            return true;
        default:
            break; // \| \: and others carry nothing we show
        }
        if (UcSkip > 0) {
            --UcSkip;
            return true;
        }
        if (ch) AppendUnit(ch);
        return true;
    }

    bool Run() {
        if (End - Begin < 5 || std::memcmp(Begin, "{\\rtf", 5) != 0)
            return Fail(Begin, QStringLiteral("Not an RTF document: it must begin with {\\rtf"));
        while (P < End && !Done) {
            const unsigned char c = *P;
            if (SkipDepth > 0) {
                // Inside a skipped destination only the group structure and escapes matter.
                ++P;
                if (c == '{') {
                    ++SkipDepth;
                } else if (c == '}') {
                    if (--SkipDepth == 0) PopGroup();
                } else if (c == '\\') {
                    if (!Control()) break;
                } else if (c == 0) {
                    --P;
                    break;
                }
                continue;
            }
            switch (c) {
            case '{':
                ++P;
                IgnorableNext = false;
                if (!PushGroup()) return false;
                break;
            case '}':
                ++P;
                IgnorableNext = false;
                PopGroup();
                break;
            case '\\':
                ++P;
                if (!Control()) return Truncated();
                break;
            case '\r':
            case '\n':
                ++P;
                break;
            case 0:
                return Truncated();
            default: {
                if (Stack.empty()) return Fail(P, QStringLiteral("Text outside the document"));
                const unsigned char* from = P;
                // A literal tab is text too; \r and \n are not.
                while (P < End && *P != '\\' && *P != '{' && *P != '}' && *P != '\r' &&
                       *P != '\n' && *P != 0)
                    ++P;
                IgnorableNext = false;
                AppendBytes(from, P);
                break;
            }
            }
        }
        // The document ends with its outer group. Some writers close that group early and go on
        // writing; what follows is not read (the platform's rich edit control stops there too),
        // since it lies outside every group the header set up.
        return Done || Truncated();
    }

    bool Truncated() {
        return Fail(P, QStringLiteral("Truncated document: %1 group(s) still open")
                           .arg(Stack.size() + size_t(std::max(SkipDepth - 1, 0))));
    }

    // ---- building the document

    QTextCharFormat CharFormat(const TChar& c) const {
        QTextCharFormat f;
        auto font = Fonts.find(c.Font);
        if (font == Fonts.end()) font = Fonts.find(DefaultFont);
        if (font != Fonts.end() && !font->second.Name.isEmpty())
            f.setFontFamilies({FontFamilyFor(font->second.Name)});
        f.setFontPointSize(c.Size / 2.0);
        if (c.Flags & fBold) f.setFontWeight(QFont::Bold);
        if (c.Flags & fItalic) f.setFontItalic(true);
        if (c.Flags & fUnderline) f.setFontUnderline(true);
        if (c.Flags & fStrike) f.setFontStrikeOut(true);
        if (c.Flags & fSuper) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        if (c.Flags & fSub) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        // Colour 0 of the table is "auto"; indexes count from it.
        if (c.Fg != NoColor && size_t(c.Fg) < Colors.size() && Colors[size_t(c.Fg)].isValid())
            f.setForeground(Colors[size_t(c.Fg)]);
        if (c.Bg != NoColor && size_t(c.Bg) < Colors.size() && Colors[size_t(c.Bg)].isValid())
            f.setBackground(Colors[size_t(c.Bg)]);
        return f;
    }

    static TListKind ListKind(const TPara& p) {
        if (p.List != lkNone) return p.List;
        return p.Ls > 0 ? lkBullet : lkNone;
    }

    QTextBlockFormat BlockFormat(const TPara& p) const {
        QTextBlockFormat f;
        static constexpr Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                   Qt::AlignJustify};
        if (p.Align) f.setAlignment(aligns[p.Align & 3]);
        if (p.Li) f.setLeftMargin(p.Li / TwipsPerPixel);
        if (p.Ri) f.setRightMargin(p.Ri / TwipsPerPixel);
        // A list item's first-line indent is where its bullet hangs, not where its text starts.
        if (p.Fi && ListKind(p) == lkNone) f.setTextIndent(p.Fi / TwipsPerPixel);
        if (p.Sb) f.setTopMargin(p.Sb / TwipsPerPixel);
        if (p.Sa) f.setBottomMargin(p.Sa / TwipsPerPixel);
        if (p.Tabs >= 0) {
            QList<QTextOption::Tab> tabs;
            for (const TTab& t : TabLists[size_t(p.Tabs)]) {
                static constexpr QTextOption::TabType types[] = {
                    QTextOption::LeftTab, QTextOption::RightTab, QTextOption::CenterTab,
                    QTextOption::DelimiterTab};
                tabs.append(QTextOption::Tab(t.Twips / TwipsPerPixel, types[t.Kind & 3],
                                             t.Kind == 3 ? QChar(u'.') : QChar()));
            }
            f.setTabPositions(tabs);
        }
        return f;
    }

    QTextListFormat ListFormat(const TPara& p) const {
        static constexpr QTextListFormat::Style styles[] = {
            QTextListFormat::ListStyleUndefined, QTextListFormat::ListDisc,
            QTextListFormat::ListDecimal,        QTextListFormat::ListLowerAlpha,
            QTextListFormat::ListUpperAlpha,     QTextListFormat::ListLowerRoman,
            QTextListFormat::ListUpperRoman};
        QTextListFormat f;
        f.setStyle(styles[ListKind(p)]);
        // The paragraph's left margin already places the text; Qt's default of one indent
        // level would move it further.
        f.setIndent(0);
        const int hanging = p.Fi < 0 ? -p.Fi : p.PnIndent;
        f.setProperty(HangingIndentProperty, hanging);
        return f;
    }

    void Build(QTextDocument* doc) const {
        std::vector<QTextCharFormat> charFormats;
        charFormats.reserve(CharFmts.size());
        for (const TChar& c : CharFmts)
            charFormats.push_back(CharFormat(c));
        std::vector<QTextBlockFormat> blockFormats;
        blockFormats.reserve(ParaFmts.size());
        for (const TPara& p : ParaFmts)
            blockFormats.push_back(BlockFormat(p));

        const bool undo = doc->isUndoRedoEnabled();
        doc->setUndoRedoEnabled(false);
        doc->clear();
        QTextCursor cursor(doc);
        cursor.beginEditBlock();
        QTextList* list = nullptr;
        QTextListFormat listFormat;
        const QTextBlockFormat* listBlock = nullptr;
        QString piece;
        for (size_t i = 0; i < Paras.size(); ++i) {
            const TParagraph& para = Paras[i];
            const TPara& props = ParaFmts[size_t(para.ParaFmt)];
            const QTextBlockFormat& bf = blockFormats[size_t(para.ParaFmt)];
            const QTextCharFormat& cf = charFormats[size_t(para.CharFmt)];
            if (i == 0) {
                cursor.setBlockFormat(bf);
                cursor.setBlockCharFormat(cf);
            } else {
                cursor.insertBlock(bf, cf);
            }
            if (ListKind(props) != lkNone) {
                // Consecutive items whose paragraph and list formats are the same form one list
                // (as a writer continues a list: by not repeating its paragraph properties).
                const QTextListFormat lf = ListFormat(props);
                if (list && listFormat == lf && *listBlock == bf) {
                    list->add(cursor.block());
                } else {
                    list = cursor.createList(lf);
                    listFormat = lf;
                    listBlock = &bf;
                }
            } else {
                list = nullptr;
            }
            for (size_t r = para.RunBegin; r < para.RunEnd; ++r) {
                const TRun& run = Runs[r];
                if (run.End == run.Begin) continue;
                piece.setUnicode(reinterpret_cast<const QChar*>(Text.data() + run.Begin),
                                 qsizetype(run.End - run.Begin));
                cursor.insertText(piece, charFormats[size_t(run.Fmt)]);
            }
        }
        cursor.endEditBlock();
        doc->setUndoRedoEnabled(undo);
    }
};

TRtfReader::TRtfReader() = default;
TRtfReader::~TRtfReader() = default;

bool TRtfReader::Read(QByteArrayView rtf, QTextDocument* doc) {
    FErrorMessage.clear();
    FErrorOffset = -1;
    TParser parser(*this, rtf);
    if (!parser.Run()) return false;
    if (doc) parser.Build(doc);
    return true;
}
