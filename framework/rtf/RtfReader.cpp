#include "framework/rtf/RtfReader.h"

#include "framework/rtf/RtfCodePages.h"
#include "framework/rtf/RtfKeywords.h"

#include <QColor>
#include <QHash>
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

// Bounds that keep nonsense values from reaching the layout.
constexpr int MaxTwips = 31680;     // 22 inches
constexpr int MaxHalfPoints = 3276; // 1638 points
constexpr int NoColor = 0x7FFF;
constexpr double TwipsPerPixel = 15.0; // 1440 twips an inch, 96 pixels an inch

// The bytes that end a stretch of plain text.
constexpr auto EndsText = [] {
    std::array<bool, 256> t{};
    for (const unsigned char c : {'\\', '{', '}', '\r', '\n', '\0'})
        t[c] = true;
    return t;
}();

} // namespace

char16_t TRtfReader::Cp1252ToUnicode(unsigned char byte) {
    return Cp1252CodeTable()[byte];
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
    const TRtfCodeTable* Table = &Cp1252CodeTable();
    TRtfCodePages CodePages;

    std::map<int, TFont> Fonts;
    int FontEntry = 0;         // number of the font table entry being read
    size_t FontTableDepth = 0; // depth of the font table group; its entries are one deeper
    QString FontName;
    std::vector<QColor> Colors;
    int Red = -1, Green = -1, Blue = -1;
    std::vector<std::vector<TTab>> TabLists;
    int OpenTabList = -1; // the list that may still grow in place

    // The text of every paragraph. Each unit comes from at least one input byte, so room for the
    // input's length is made once and text is written without growing; GrowText is the fallback.
    std::unique_ptr<char16_t[]> Text;
    size_t TextLen = 0, TextCap = 0;
    // Per byte of the current code page: 0 ends a stretch of text, 1 is kept, 2 is left out.
    std::array<uint8_t, 256> TextClass{};
    const TRtfCodeTable* TextClassTable = nullptr;
    std::vector<TRun> Runs;
    std::vector<TParagraph> Paras;
    size_t ParaRunBegin = 0;
    int CurFmt = -1;
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

    // The table follows every font change and group end; it is looked up again only when the
    // font (or the document's code page, or a font's charset) changed since the last time.
    static constexpr int NoTableKey = INT_MIN;
    int TableKey = NoTableKey; // the font the table is for; -1 outside the document's text

    void UpdateTable() {
        const int key = Top().Dest == dNormal ? Top().Chr.Font : -1;
        if (key == TableKey) return;
        TableKey = key;
        int cp = DocCodePage;
        if (key >= 0) {
            auto it = Fonts.find(key);
            if (it != Fonts.end()) {
                const int fcp = RtfCharsetCodePage(it->second.Charset);
                if (fcp) cp = fcp;
            }
        }
        Table = CodePages.TableFor(cp);
    }

    // ---- interning

    // Character formats by key in an open-addressing table kept at most half full: runs look
    // their format up once each, so this is on the parse's hot path. No key has all bits set
    // (sizes stay below 0xFFF), which marks a free slot.
    struct TInternSlot {
        uint64_t Key = ~uint64_t(0);
        int Index = -1;
    };
    std::vector<TInternSlot> CharIndex = std::vector<TInternSlot>(256);

    static size_t SlotOf(uint64_t key, size_t mask) {
        return size_t((key * 0x9E3779B97F4A7C15u) >> 32) & mask;
    }

    int InternChar(const TChar& c) {
        const uint64_t key = c.Key();
        size_t mask = CharIndex.size() - 1;
        size_t i = SlotOf(key, mask);
        for (; CharIndex[i].Key != ~uint64_t(0); i = (i + 1) & mask)
            if (CharIndex[i].Key == key) return CharIndex[i].Index;
        const int index = int(CharFmts.size());
        CharFmts.push_back(c);
        if (2 * CharFmts.size() > CharIndex.size()) {
            std::vector<TInternSlot> grown(2 * CharIndex.size());
            mask = grown.size() - 1;
            for (const TInternSlot& slot : CharIndex) {
                if (slot.Index < 0) continue;
                size_t j = SlotOf(slot.Key, mask);
                while (grown[j].Index >= 0)
                    j = (j + 1) & mask;
                grown[j] = slot;
            }
            CharIndex = std::move(grown);
            i = SlotOf(key, mask);
            while (CharIndex[i].Index >= 0)
                i = (i + 1) & mask;
        }
        CharIndex[i] = {key, index};
        return index;
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
        const uint32_t pos = uint32_t(TextLen);
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
            GrowText(1);
            Text[TextLen++] = u;
            Runs.back().End = uint32_t(TextLen);
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

    void GrowText(size_t room) {
        if (TextCap - TextLen >= room) return;
        const size_t cap = std::max(TextCap * 2, TextLen + room);
        auto grown = std::make_unique_for_overwrite<char16_t[]>(cap);
        std::copy_n(Text.get(), TextLen, grown.get());
        Text = std::move(grown);
        TextCap = cap;
    }

    // Plain text from P up to the next byte that ends it: the hot path of the reader.
    void ReadText() {
        while (UcSkip > 0 && P < End && !EndsText[*P]) {
            --UcSkip;
            ++P;
        }
        if (P == End || EndsText[*P]) return;
        const TRtfCodeTable& table = *Table;
        if (!ShowsText()) {
            for (; P < End && !EndsText[*P]; ++P)
                AppendUnit(table[*P]);
            return;
        }
        if (TextClassTable != &table) {
            for (int c = 0; c < 256; ++c)
                TextClass[size_t(c)] = EndsText[size_t(c)] ? 0 : Unwanted(table[size_t(c)]) ? 2 : 1;
            TextClassTable = &table;
        }
        BeginRun();
        GrowText(size_t(End - P));
        char16_t* const begin = Text.get();
        char16_t* out = begin + TextLen;
        // Written in place; a unit left out is overwritten by the next.
        for (; P < End; ++P) {
            const uint8_t k = TextClass[*P];
            if (k == 0) break;
            *out = table[*P];
            out += k & 1;
        }
        TextLen = size_t(out - begin);
        Runs.back().End = uint32_t(TextLen);
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

    // A keyword's numeric parameter with the defaults and bounds its kind uses.
    struct TParam {
        bool Has;
        int Value;
        int Or(int fallback) const { return Has ? Value : fallback; }
        int Twips() const { return std::clamp(Or(0), -MaxTwips, MaxTwips); }
    };

    void Keyword(std::string_view word, uint32_t hash, bool hasParam, int param) {
        const TRtfKeywordEntry entry = FindRtfKeyword(word, hash);
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
        if (ignorable && entry.Kw != kwPn && entry.Kw != kwFonttbl && entry.Kw != kwColortbl) {
            SkipDepth = 1;
            return;
        }
        const TParam p{hasParam, param};
        switch (entry.Kind) {
        case rkIgnored:
            return;
        case rkDestination:
            return DestinationKeyword(entry.Kw);
        case rkDocument:
            return DocumentKeyword(entry.Kw, p);
        case rkTable:
            return TableKeyword(entry.Kw, p);
        case rkCharacter:
            return CharacterKeyword(entry.Kw, p);
        case rkParagraph:
            return ParagraphKeyword(entry.Kw, p);
        case rkList:
            return ListKeyword(entry.Kw, p);
        case rkText:
            return TextKeyword(entry, p);
        }
    }

    void DestinationKeyword(TRtfKeyword kw) {
        TState& st = Top();
        switch (kw) {
        case kwSkipDest:
            SkipDepth = 1;
            break;
        case kwIgnoreGroupText:
            st.Dest = dIgnoreText;
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
        case kwPn:
            st.Dest = dPn;
            st.Para.List = lkBullet;
            st.Para.Level = 1;
            break;
        default:
            break;
        }
    }

    void DocumentKeyword(TRtfKeyword kw, TParam p) {
        switch (kw) {
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
            DocCodePage = p.Or(1252);
            break;
        case kwDeff:
            DefaultFont = p.Or(0);
            Top().Chr.Font = DefaultFont;
            CurFmt = -1;
            break;
        default:
            break;
        }
        TableKey = NoTableKey;
        UpdateTable();
    }

    void TableKeyword(TRtfKeyword kw, TParam p) {
        switch (kw) {
        case kwFcharset:
            if (Top().Dest == dFontTable) {
                Fonts[FontEntry].Charset = p.Or(1);
                TableKey = NoTableKey;
            }
            break;
        case kwRed:
            Red = std::clamp(p.Or(1), 0, 255);
            break;
        case kwGreen:
            Green = std::clamp(p.Or(1), 0, 255);
            break;
        case kwBlue:
            Blue = std::clamp(p.Or(1), 0, 255);
            break;
        default:
            break;
        }
    }

    void CharacterKeyword(TRtfKeyword kw, TParam p) {
        TChar& chr = Top().Chr;
        const auto setFlag = [&](uint8_t flag, bool on) {
            chr.Flags = on ? uint8_t(chr.Flags | flag) : uint8_t(chr.Flags & ~flag);
        };
        switch (kw) {
        case kwF:
            if (Top().Dest == dFontTable) {
                // The start of a font table entry.
                CommitFont();
                FontEntry = p.Or(0);
                FontName.clear();
                UpdateTable();
                return;
            }
            chr.Font = std::clamp(p.Or(0), 0, 0xFFFF);
            UpdateTable();
            break;
        case kwFs:
            chr.Size = std::clamp(p.Or(24), 1, MaxHalfPoints);
            break;
        case kwB:
            setFlag(fBold, p.Or(1) != 0);
            break;
        case kwI:
            setFlag(fItalic, p.Or(1) != 0);
            break;
        case kwUl:
            setFlag(fUnderline, p.Or(1) != 0);
            break;
        case kwUlnone:
            setFlag(fUnderline, false);
            break;
        case kwStrike:
            setFlag(fStrike, p.Or(1) != 0);
            break;
        case kwHidden:
            setFlag(fHidden, p.Or(1) != 0);
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
            chr.Fg = p.Has && p.Value >= 0 && p.Value < NoColor ? p.Value : NoColor;
            break;
        case kwHighlight:
        case kwCb:
            // Here 0 always means none, as writers use it to end highlighting.
            chr.Bg = p.Has && p.Value > 0 && p.Value < NoColor ? p.Value : NoColor;
            break;
        case kwPlain:
            chr = TChar();
            chr.Font = DefaultFont;
            UpdateTable();
            break;
        default:
            return;
        }
        CurFmt = -1;
    }

    void ParagraphKeyword(TRtfKeyword kw, TParam p) {
        TState& st = Top();
        TPara& para = st.Para;
        switch (kw) {
        case kwPar:
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
            para.Li = p.Twips();
            break;
        case kwRi:
            para.Ri = p.Twips();
            break;
        case kwFi:
            para.Fi = p.Twips();
            break;
        case kwSb:
            para.Sb = std::max(p.Twips(), 0);
            break;
        case kwSa:
            para.Sa = std::max(p.Twips(), 0);
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
            const TTab tab{std::clamp(p.Twips(), 0, MaxTwips), st.PendingTabKind};
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
        default:
            break;
        }
    }

    void ListKeyword(TRtfKeyword kw, TParam p) {
        TPara& para = Top().Para;
        switch (kw) {
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
            para.Level = uint8_t(std::clamp(p.Or(1), 1, 9));
            if (para.List == lkNone || para.List == lkBullet) para.List = lkDecimal;
            break;
        case kwPnindent:
            para.PnIndent = std::clamp(p.Twips(), 0, MaxTwips);
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
            para.Ls = std::max(p.Or(1), 0);
            break;
        default:
            break;
        }
    }

    void TextKeyword(const TRtfKeywordEntry& entry, TParam p) {
        switch (entry.Kw) {
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
        case kwU: {
            UcSkip = 0;
            int v = p.Or(0);
            if (v < 0) v += 65536;
            AppendUnit(v >= 0 && v <= 0xFFFF ? char16_t(v) : char16_t(0xFFFD));
            UcSkip = Top().Uc;
            break;
        }
        case kwUc:
            Top().Uc = uint8_t(std::clamp(p.Or(1), 0, 255));
            break;
        default:
            break;
        }
    }

    // After a backslash. Returns false at a truncated escape.
    bool Control() {
        if (P >= End) return false;
        const unsigned char c = *P;
        const auto letter = [](unsigned char b) { return unsigned((b | 0x20) - 'a') < 26u; };
        if (letter(c)) {
            const unsigned char* wordBegin = P;
            uint32_t hash = RtfWordHashSeed;
            while (P < End && letter(*P))
                hash = RtfWordHashStep(hash, *P++);
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
            Keyword(wordLen > 32 ? std::string_view() : word, hash, hasParam, int(param));
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
        GrowText(size_t(End - Begin));
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
                // A literal tab is text too; \r and \n are not.
                IgnorableNext = false;
                ReadText();
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

    // Qt caches a format's hash in its shared data, but only once something asks for it. Every
    // insertion copies the format it is given and hands the copy to the document's format
    // collection, which hashes it; comparing the original with another format computes the
    // hash where all the copies share it, so each lookup finds it ready.
    template <class F> static F Hashed(F f) {
        static const F probe = [] {
            F p;
            p.setProperty(QTextFormat::UserProperty, true);
            return p;
        }();
        (void)(f == probe);
        return f;
    }

    void Build(QTextDocument* doc) const {
        std::vector<QTextCharFormat> charFormats;
        charFormats.reserve(CharFmts.size());
        for (const TChar& c : CharFmts)
            charFormats.push_back(Hashed(CharFormat(c)));
        std::vector<QTextBlockFormat> blockFormats;
        blockFormats.reserve(ParaFmts.size());
        for (const TPara& p : ParaFmts)
            blockFormats.push_back(Hashed(BlockFormat(p)));
        std::vector<QTextListFormat> listFormats;
        listFormats.reserve(ParaFmts.size());
        for (const TPara& p : ParaFmts)
            listFormats.push_back(ListKind(p) == lkNone ? QTextListFormat()
                                                        : Hashed(ListFormat(p)));

        const bool undo = doc->isUndoRedoEnabled();
        doc->setUndoRedoEnabled(false);
        doc->clear();
        QTextCursor cursor(doc);
        cursor.beginEditBlock();
        QTextList* list = nullptr;
        const QTextListFormat* listFormat = nullptr;
        const QTextBlockFormat* listBlock = nullptr;
        QString piece;
        QTextBlockFormat itemFormat; // an item of the open list: its paragraph format and the list
        for (size_t i = 0; i < Paras.size(); ++i) {
            const TParagraph& para = Paras[i];
            const TPara& props = ParaFmts[size_t(para.ParaFmt)];
            const QTextBlockFormat& bf = blockFormats[size_t(para.ParaFmt)];
            const QTextCharFormat& cf = charFormats[size_t(para.CharFmt)];
            const QTextListFormat& lf = listFormats[size_t(para.ParaFmt)];
            // Consecutive items whose paragraph and list formats are the same form one list (as a
            // writer continues a list: by not repeating its paragraph properties).
            const bool item = ListKind(props) != lkNone;
            const bool continues = item && list && *listFormat == lf && *listBlock == bf;
            if (continues) {
                // Inserted with the list's object index, the block joins the list as it is made
                // rather than by a second format change.
                cursor.insertBlock(itemFormat, cf);
            } else {
                if (i == 0) {
                    cursor.setBlockFormat(bf);
                    cursor.setBlockCharFormat(cf);
                } else {
                    cursor.insertBlock(bf, cf);
                }
                if (item) {
                    list = cursor.createList(lf);
                    listFormat = &lf;
                    listBlock = &bf;
                    itemFormat = Hashed(cursor.blockFormat());
                } else {
                    list = nullptr;
                }
            }
            for (size_t r = para.RunBegin; r < para.RunEnd; ++r) {
                const TRun& run = Runs[r];
                if (run.End == run.Begin) continue;
                piece.setUnicode(reinterpret_cast<const QChar*>(Text.get() + run.Begin),
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
