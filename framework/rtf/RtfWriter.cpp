#include "framework/rtf/RtfWriter.h"

#include "framework/rtf/RtfReader.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <array>
#include <cmath>

namespace {

constexpr double TwipsPerPixel = 15.0;

int Twips(double pixels) {
    return int(std::lround(pixels * TwipsPerPixel));
}

QString FamilyOf(const QTextCharFormat& f) {
    const QString family = f.property(QTextFormat::FontFamilies).toStringList().value(0);
    return family.isEmpty() ? f.property(QTextFormat::FontFamily).toString() : family;
}

// Byte of code page 1252 for a character, or -1.
int Cp1252Byte(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    static const auto high = [] {
        std::array<char16_t, 32> t{};
        for (int i = 0; i < 32; ++i)
            t[size_t(i)] = TRtfReader::Cp1252ToUnicode(static_cast<unsigned char>(0x80 + i));
        return t;
    }();
    for (int i = 0; i < 32; ++i)
        if (high[size_t(i)] == u && u > 0xFF) return 0x80 + i;
    return -1;
}

} // namespace

struct TRtfWriter::TState {
    enum TFlag : uint8_t {
        fBold = 1,
        fItalic = 2,
        fUnderline = 4,
        fStrike = 8,
        fSuper = 16,
        fSub = 32
    };
    struct TChar {
        int Font = -1;
        int Size = -1;
        uint8_t Flags = 0;
        int Fg = 0;
        int Bg = 0;
    };
    struct TPara {
        int Align = 0;
        int Li = 0, Ri = 0, Fi = 0, Sb = 0, Sa = 0;
        int List = 0; // QTextListFormat::Style, 0 for none
        int Hanging = 0;
        QList<QTextOption::Tab> Tabs;
        bool operator==(const TPara&) const = default;
    };

    const TRtfWriter& Owner;
    QStringList Fonts;
    int SymbolFont = -1;
    QList<QRgb> Colors;
    QByteArray Out;
    TChar Written;
    TPara WrittenPara;
    bool ParaWritten = false;
    bool NeedDelimiter = false;

    explicit TState(const TRtfWriter& owner) : Owner(owner) { Fonts << owner.FDefaultFontName; }

    void Word(const char* word) {
        Out += word;
        NeedDelimiter = true;
    }
    void Word(const char* word, int value) {
        Out += word;
        Out += QByteArray::number(value);
        NeedDelimiter = true;
    }
    void Raw(const char* text) {
        Out += text;
        NeedDelimiter = false;
    }

    void Hex(QByteArray& out, int byte) {
        static const char digits[] = "0123456789abcdef";
        out += "\\'";
        out += digits[(byte >> 4) & 15];
        out += digits[byte & 15];
    }

    void Text(QByteArray& out, QStringView text, bool& needDelimiter) {
        for (const QChar qc : text) {
            const char16_t u = qc.unicode();
            const char* symbol = nullptr;
            switch (u) {
            case u'\\':
                symbol = "\\\\";
                break;
            case u'{':
                symbol = "\\{";
                break;
            case u'}':
                symbol = "\\}";
                break;
            case 0x00A0:
                symbol = "\\~";
                break;
            case 0x00AD:
                symbol = "\\-";
                break;
            case 0x2011:
                symbol = "\\_";
                break;
            case u'\t':
                out += "\\tab";
                needDelimiter = true;
                continue;
            case 0x2028:
                out += "\\line";
                needDelimiter = true;
                continue;
            default:
                break;
            }
            if (symbol) {
                out += symbol;
                needDelimiter = false;
                continue;
            }
            if (u < 0x20 || u == 0xFFFC) continue; // controls and embedded objects carry no text
            if (u < 0x80) {
                if (needDelimiter) out += ' ';
                needDelimiter = false;
                out += char(u);
                continue;
            }
            const int byte = Cp1252Byte(u);
            if (byte >= 0) {
                Hex(out, byte);
            } else {
                out += "\\u";
                out += QByteArray::number(int(int16_t(u)));
                out += '?';
            }
            needDelimiter = false;
        }
    }

    int FontIndex(const QString& family) {
        if (family.isEmpty() || family == Owner.FDefaultFontName ||
            family == TRtfReader::FontFamilyFor(Owner.FDefaultFontName))
            return 0;
        // Text never goes into the symbol-set font: its bytes would read back as symbols.
        for (qsizetype i = 0; i < Fonts.size(); ++i)
            if (i != SymbolFont && Fonts[i] == family) return int(i);
        Fonts << family;
        return int(Fonts.size() - 1);
    }

    int ColorIndex(const QTextFormat& f, int property) {
        if (!f.hasProperty(property)) return 0;
        const QBrush brush = f.brushProperty(property);
        if (brush.style() == Qt::NoBrush) return 0;
        const QRgb rgb = brush.color().rgb() & 0xFFFFFF;
        qsizetype i = Colors.indexOf(rgb);
        if (i < 0) {
            Colors << rgb;
            i = Colors.size() - 1;
        }
        return int(i) + 1; // entry 0 is "auto"
    }

    TChar CharKey(const QTextCharFormat& f) {
        TChar c;
        c.Font = FontIndex(FamilyOf(f));
        const double size = f.fontPointSize();
        c.Size = size > 0 ? int(std::lround(size * 2)) : Owner.FDefaultFontSize;
        if (f.fontWeight() >= QFont::DemiBold) c.Flags |= fBold;
        if (f.fontItalic()) c.Flags |= fItalic;
        if (f.fontUnderline()) c.Flags |= fUnderline;
        if (f.fontStrikeOut()) c.Flags |= fStrike;
        if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) c.Flags |= fSuper;
        if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) c.Flags |= fSub;
        c.Fg = ColorIndex(f, QTextFormat::ForegroundBrush);
        c.Bg = ColorIndex(f, QTextFormat::BackgroundBrush);
        return c;
    }

    void WriteChar(const TChar& c) {
        if (c.Font != Written.Font) Word("\\f", c.Font);
        if (c.Size != Written.Size) Word("\\fs", c.Size);
        const uint8_t changed = c.Flags ^ Written.Flags;
        const auto flag = [&](uint8_t bit, const char* on, const char* off) {
            if (changed & bit) Word(c.Flags & bit ? on : off);
        };
        flag(fBold, "\\b", "\\b0");
        flag(fItalic, "\\i", "\\i0");
        flag(fUnderline, "\\ul", "\\ulnone");
        flag(fStrike, "\\strike", "\\strike0");
        if (changed & (fSuper | fSub)) {
            if (c.Flags & fSuper)
                Word("\\super");
            else if (c.Flags & fSub)
                Word("\\sub");
            else
                Word("\\nosupersub");
        }
        if (c.Fg != Written.Fg) Word("\\cf", c.Fg);
        if (c.Bg != Written.Bg) Word("\\highlight", c.Bg);
        Written = c;
    }

    TPara ParaKey(const QTextBlock& block) {
        const QTextDocument* doc = block.document();
        const QTextBlockFormat f = block.blockFormat();
        TPara p;
        switch (f.alignment() & Qt::AlignHorizontal_Mask) {
        case Qt::AlignHCenter:
            p.Align = 1;
            break;
        case Qt::AlignRight:
            p.Align = 2;
            break;
        case Qt::AlignJustify:
            p.Align = 3;
            break;
        default:
            break;
        }
        double left = f.leftMargin() + f.indent() * doc->indentWidth();
        if (const QTextList* list = block.textList()) {
            const QTextListFormat lf = list->format();
            left += lf.indent() * doc->indentWidth();
            p.List = lf.style() == QTextListFormat::ListStyleUndefined ? QTextListFormat::ListDisc
                                                                       : lf.style();
            p.Hanging = lf.hasProperty(TRtfReader::HangingIndentProperty)
                            ? lf.intProperty(TRtfReader::HangingIndentProperty)
                            : 360;
            p.Fi = -p.Hanging;
        } else {
            p.Fi = Twips(f.textIndent());
        }
        p.Li = Twips(left);
        p.Ri = Twips(f.rightMargin());
        p.Sb = Twips(f.topMargin());
        p.Sa = Twips(f.bottomMargin());
        p.Tabs = f.tabPositions();
        return p;
    }

    static bool IsBullet(int style) {
        return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
               style == QTextListFormat::ListSquare;
    }

    int Symbol() {
        if (SymbolFont < 0) {
            Fonts << QStringLiteral("Symbol");
            SymbolFont = int(Fonts.size() - 1);
        }
        return SymbolFont;
    }

    // The generated marker text a reader without list support shows instead.
    void WriteListText(const QTextBlock& block, const TPara& p) {
        if (IsBullet(p.List)) {
            Out += "{\\pntext\\f" + QByteArray::number(Symbol()) + "\\'b7\\tab}";
        } else {
            Out += "{\\pntext\\f0 ";
            bool delimiter = false;
            Text(Out, block.textList()->itemText(block), delimiter);
            Out += "\\tab}";
        }
        NeedDelimiter = false;
    }

    void WritePara(const QTextBlock& block, const TPara& p) {
        Word("\\pard");
        if (p.List) {
            WriteListText(block, p);
            if (IsBullet(p.List)) {
                Out += "{\\*\\pn\\pnlvlblt\\pnf" + QByteArray::number(Symbol()) + "\\pnindent" +
                       QByteArray::number(p.Hanging) + "{\\pntxtb\\'b7}}";
            } else {
                const char* style = "\\pndec";
                switch (p.List) {
                case QTextListFormat::ListLowerAlpha:
                    style = "\\pnlcltr";
                    break;
                case QTextListFormat::ListUpperAlpha:
                    style = "\\pnucltr";
                    break;
                case QTextListFormat::ListLowerRoman:
                    style = "\\pnlcrm";
                    break;
                case QTextListFormat::ListUpperRoman:
                    style = "\\pnucrm";
                    break;
                default:
                    break;
                }
                Out += QByteArray("{\\*\\pn\\pnlvlbody\\pnf0\\pnindent") +
                       QByteArray::number(p.Hanging) + "\\pnstart1" + style + "{\\pntxta.}}";
            }
            NeedDelimiter = false;
        }
        if (p.Fi) Word("\\fi", p.Fi);
        if (p.Li) Word("\\li", p.Li);
        if (p.Ri) Word("\\ri", p.Ri);
        if (p.Sb) Word("\\sb", p.Sb);
        if (p.Sa) Word("\\sa", p.Sa);
        static const char* const aligns[] = {"", "\\qc", "\\qr", "\\qj"};
        if (p.Align) Word(aligns[p.Align]);
        for (const QTextOption::Tab& tab : p.Tabs) {
            if (tab.type == QTextOption::RightTab) Word("\\tqr");
            if (tab.type == QTextOption::CenterTab) Word("\\tqc");
            if (tab.type == QTextOption::DelimiterTab) Word("\\tqdec");
            Word("\\tx", Twips(tab.position));
        }
    }

    void WriteBlock(const QTextBlock& block) {
        const TPara p = ParaKey(block);
        if (!ParaWritten || !(p == WrittenPara)) {
            WritePara(block, p);
            WrittenPara = p;
            ParaWritten = true;
        } else if (p.List) {
            WriteListText(block, p);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            WriteChar(CharKey(fragment.charFormat()));
            Text(Out, fragment.text(), NeedDelimiter);
        }
        // The paragraph mark keeps its own format (the caret's format in an empty paragraph).
        WriteChar(CharKey(block.charFormat()));
        Raw("\\par\r\n");
    }

    QByteArray Header() {
        QByteArray h = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl";
        for (qsizetype i = 0; i < Fonts.size(); ++i) {
            h += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" +
                 (i == SymbolFont ? "2 " : "0 ");
            QString name = Fonts[i];
            name.remove(u';');
            bool delimiter = false;
            Text(h, name, delimiter);
            h += ";}";
        }
        h += "}\r\n";
        if (!Colors.isEmpty()) {
            h += "{\\colortbl ;";
            for (const QRgb rgb : Colors)
                h += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                     QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) +
                     ";";
            h += "}\r\n";
        }
        h += "\\viewkind4\\uc1";
        return h;
    }
};

TRtfWriter::TRtfWriter() : FDefaultFontName(QStringLiteral("MS Sans Serif")) {}

QByteArray TRtfWriter::Write(const QTextDocument* doc) const {
    TState state(*this);
    if (doc) {
        state.Out.reserve(doc->characterCount() + 256);
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
            state.WriteBlock(block);
    } else {
        state.Raw("\\pard");
        state.WriteChar({0, FDefaultFontSize, 0, 0, 0});
        state.Raw("\\par\r\n");
    }
    QByteArray result = state.Header();
    result += state.Out;
    result += "}\r\n";
    if (FTerminatingNul) result += '\0';
    return result;
}
