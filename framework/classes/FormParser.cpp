#include "framework/classes/FormParser.h"

#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>

void RaiseReadError(const String& source, int line, const String& message) {
    throw EReadError(QStringLiteral("%1(%2): %3").arg(source).arg(line).arg(message));
}

namespace {

constexpr int kMaxDepth = 200;

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// HexValue for every byte, -1 where it is no digit.
constexpr auto kHexDigit = [] {
    std::array<int8_t, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[size_t(c)] = int8_t(HexValue(char(c)));
    return table;
}();

// Eight hexadecimal digits at p as four bytes at out, all eight tested and converted at once in
// one 64-bit word; false, with nothing written, when any of them is no digit.
inline bool DecodeHex8(const char* p, char* out) {
    if constexpr (std::endian::native != std::endian::little) return false;
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHigh = kOnes * 0x80;
    uint64_t x;
    std::memcpy(&x, p, 8);
    // Per byte (all below 0x80, else the sums may carry): adding 0x80 - lo sets the high bit
    // from lo up, adding 0x7F - hi from past hi up. Letters are tested folded to lower case.
    const uint64_t folded = x | (kOnes * 0x20);
    const uint64_t digit = (x + kOnes * (0x80 - '0')) & ~(x + kOnes * (0x7F - '9'));
    const uint64_t letter = (folded + kOnes * (0x80 - 'a')) & ~(folded + kOnes * (0x7F - 'f'));
    if ((x & kHigh) != 0 || ((digit | letter) & kHigh) != kHigh) return false;
    // '0'-'9' keep their low nibble; letters (bit 6 set) add 9 to theirs.
    const uint64_t nibbles = (x & (kOnes * 0x0F)) + ((x >> 6) & kOnes) * 9;
    uint64_t bytes = ((nibbles << 4) | (nibbles >> 8)) & 0x00FF00FF00FF00FFu;
    bytes = (bytes | (bytes >> 8)) & 0x0000FFFF0000FFFFu;
    const auto packed = uint32_t(bytes | (bytes >> 16));
    std::memcpy(out, &packed, 4);
    return true;
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

class Parser {
public:
    Parser(std::string_view text, const String& source)
        : FP(text.data()), FEnd(text.data() + text.size()), FSource(source) {}

    TFormObjectNode Top() {
        SkipBlanks();
        TFormObjectNode node = Object(0);
        SkipBlanks();
        if (FP != FEnd) Fail(QStringLiteral("expected end of text but found %1").arg(Found()));
        return node;
    }

private:
    [[noreturn]] void Fail(const String& message) const { RaiseReadError(FSource, FLine, message); }

    String Found() const {
        if (FP >= FEnd) return QStringLiteral("end of text");
        if (IsIdentStart(*FP)) {
            const char* q = FP;
            while (q < FEnd && IsIdentChar(*q))
                ++q;
            return QStringLiteral("'%1'").arg(QString::fromLatin1(FP, q - FP));
        }
        const unsigned char c = static_cast<unsigned char>(*FP);
        if (c < 0x20 || c >= 0x7F) return QStringLiteral("character #%1").arg(int(c));
        return QStringLiteral("'%1'").arg(QChar(c));
    }

    void SkipBlanks() {
        while (FP < FEnd) {
            const char c = *FP;
            if (c == '\n') {
                ++FLine;
                ++FP;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++FP;
            } else {
                break;
            }
        }
    }

    bool Peek(char c) {
        SkipBlanks();
        return FP < FEnd && *FP == c;
    }

    void Expect(char c) {
        SkipBlanks();
        if (FP >= FEnd || *FP != c)
            Fail(QStringLiteral("expected '%1' but found %2").arg(QChar(c)).arg(Found()));
        ++FP;
    }

    std::string_view Ident(const char* what) {
        SkipBlanks();
        if (FP >= FEnd || !IsIdentStart(*FP))
            Fail(QStringLiteral("expected %1 but found %2").arg(QLatin1String(what)).arg(Found()));
        const char* start = FP;
        while (FP < FEnd && IsIdentChar(*FP))
            ++FP;
        return {start, size_t(FP - start)};
    }

    // A name that may be dotted: Font.Height, Form1.Button1.
    std::string_view DottedIdent(const char* what) {
        std::string_view first = Ident(what);
        const char* start = first.data();
        while (FP + 1 < FEnd && *FP == '.' && IsIdentStart(FP[1])) {
            ++FP;
            while (FP < FEnd && IsIdentChar(*FP))
                ++FP;
        }
        return {start, size_t(FP - start)};
    }

    bool Keyword(std::string_view word) {
        if (!PeekKeyword(word)) return false;
        FP += word.size();
        return true;
    }

    // Whether the next word is the (lower-case) keyword, consuming nothing but blanks.
    bool PeekKeyword(std::string_view word) {
        SkipBlanks();
        const size_t n = word.size();
        if (size_t(FEnd - FP) < n) return false;
        for (size_t i = 0; i < n; ++i) {
            char c = FP[i];
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
            if (c != word[i]) return false;
        }
        return !(FP + n < FEnd && IsIdentChar(FP[n]));
    }

    TFormObjectNode Object(int depth) {
        if (depth > kMaxDepth) Fail(QStringLiteral("objects nested too deeply"));
        if (!Keyword("object") && !Keyword("inherited") && !Keyword("inline"))
            Fail(QStringLiteral("expected 'object' but found %1").arg(Found()));
        TFormObjectNode node;
        node.Line = FLine;
        std::string_view first = Ident("a name or class");
        if (Peek(':')) {
            ++FP;
            node.Name = first;
            node.ClassName = Ident("a class name");
        } else {
            node.ClassName = first;
        }
        for (;;) {
            SkipBlanks();
            if (FP >= FEnd) Fail(QStringLiteral("expected 'end' but found end of text"));
            if (Keyword("end")) return node;
            if (PeekKeyword("object") || PeekKeyword("inherited") || PeekKeyword("inline")) {
                node.Children.push_back(Object(depth + 1));
                continue;
            }
            node.Props.push_back(Property(depth));
        }
    }

    TFormPropNode Property(int depth) {
        TFormPropNode prop;
        prop.Line = FLine;
        prop.Name = DottedIdent("a property name, 'object' or 'end'");
        Expect('=');
        prop.Value = Value(depth);
        return prop;
    }

    TFormValueNode Value(int depth) {
        if (depth > kMaxDepth) Fail(QStringLiteral("values nested too deeply"));
        SkipBlanks();
        TFormValueNode v;
        v.Line = FLine;
        if (FP >= FEnd) Fail(QStringLiteral("expected a value but found end of text"));
        const char c = *FP;
        if (c == '\'' || c == '#') {
            v.Kind = TFormValueNode::vkString;
            StringValue(v.Str);
        } else if (c == '-' || c == '+' || IsDigit(c) || c == '$') {
            Number(v);
        } else if (IsIdentStart(c)) {
            v.Kind = TFormValueNode::vkIdent;
            v.Ident = DottedIdent("a value");
        } else if (c == '[') {
            ++FP;
            v.Kind = TFormValueNode::vkSet;
            if (!Peek(']')) {
                for (;;) {
                    TFormValueNode e;
                    e.Line = FLine;
                    e.Kind = TFormValueNode::vkIdent;
                    e.Ident = Ident("a set element");
                    v.Items.push_back(e);
                    if (Peek(',')) {
                        ++FP;
                        continue;
                    }
                    break;
                }
            }
            Expect(']');
        } else if (c == '(') {
            ++FP;
            v.Kind = TFormValueNode::vkList;
            while (!Peek(')')) {
                if (FP >= FEnd) Fail(QStringLiteral("expected ')' but found end of text"));
                v.Items.push_back(Value(depth + 1));
            }
            ++FP;
        } else if (c == '{') {
            ++FP;
            v.Kind = TFormValueNode::vkBinary;
            Binary(v.Str);
        } else if (c == '<') {
            ++FP;
            v.Kind = TFormValueNode::vkCollection;
            while (!Peek('>')) {
                if (!Keyword("item"))
                    Fail(QStringLiteral("expected 'item' or '>' but found %1").arg(Found()));
                std::vector<TFormPropNode> props;
                while (!Keyword("end")) {
                    SkipBlanks();
                    if (FP >= FEnd) Fail(QStringLiteral("expected 'end' but found end of text"));
                    props.push_back(Property(depth + 1));
                }
                v.Collection.push_back(std::move(props));
            }
            ++FP;
        } else {
            Fail(QStringLiteral("expected a value but found %1").arg(Found()));
        }
        return v;
    }

    void Number(TFormValueNode& v) {
        const char* start = FP;
        bool negative = false;
        if (*FP == '-' || *FP == '+') {
            negative = *FP == '-';
            ++FP;
        }
        if (FP < FEnd && *FP == '$') {
            ++FP;
            uint64_t value = 0;
            int digits = 0;
            while (FP < FEnd && HexValue(*FP) >= 0) {
                if (++digits > 16) Fail(QStringLiteral("hexadecimal number too long"));
                value = value * 16 + uint64_t(HexValue(*FP++));
            }
            if (digits == 0)
                Fail(QStringLiteral("expected hexadecimal digits but found %1").arg(Found()));
            // Eight digits or fewer are a 32-bit pattern: $FFFFFFFF is -1.
            int64_t result = digits <= 8 ? int64_t(int32_t(uint32_t(value))) : int64_t(value);
            v.Kind = TFormValueNode::vkInteger;
            v.Int = negative ? -result : result;
            EndOfNumber();
            return;
        }
        if (FP >= FEnd || !IsDigit(*FP))
            Fail(QStringLiteral("expected a number but found %1").arg(Found()));
        while (FP < FEnd && IsDigit(*FP))
            ++FP;
        bool isFloat = false;
        if (FP + 1 < FEnd && *FP == '.' && IsDigit(FP[1])) {
            isFloat = true;
            ++FP;
            while (FP < FEnd && IsDigit(*FP))
                ++FP;
        }
        if (FP < FEnd && (*FP == 'e' || *FP == 'E')) {
            const char* q = FP + 1;
            if (q < FEnd && (*q == '+' || *q == '-')) ++q;
            if (q < FEnd && IsDigit(*q)) {
                isFloat = true;
                FP = q;
                while (FP < FEnd && IsDigit(*FP))
                    ++FP;
            }
        }
        const char* numStart = (*start == '+') ? start + 1 : start;
        if (isFloat) {
            v.Kind = TFormValueNode::vkFloat;
            auto r = std::from_chars(numStart, FP, v.Float);
            if (r.ec != std::errc()) Fail(QStringLiteral("invalid number"));
        } else {
            v.Kind = TFormValueNode::vkInteger;
            auto r = std::from_chars(numStart, FP, v.Int);
            if (r.ec != std::errc()) Fail(QStringLiteral("integer out of range"));
        }
        EndOfNumber();
    }

    void EndOfNumber() {
        if (FP < FEnd && IsIdentChar(*FP)) Fail(QStringLiteral("invalid number"));
    }

    // 'quoted' and #code parts, adjacent or joined by '+' across lines.
    void StringValue(std::string& out) {
        for (;;) {
            if (FP < FEnd && *FP == '\'') {
                ++FP;
                for (;;) {
                    if (FP >= FEnd || *FP == '\n' || *FP == '\r')
                        Fail(QStringLiteral("unterminated string"));
                    if (*FP == '\'') {
                        if (FP + 1 < FEnd && FP[1] == '\'') {
                            out += '\'';
                            FP += 2;
                            continue;
                        }
                        ++FP;
                        break;
                    }
                    // The plain run up to the next quote or line end, in one piece.
                    const char* run = FP;
                    while (FP < FEnd && *FP != '\'' && *FP != '\n' && *FP != '\r')
                        ++FP;
                    out.append(run, size_t(FP - run));
                }
            } else if (FP < FEnd && *FP == '#') {
                ++FP;
                uint32_t code = 0;
                int digits = 0;
                if (FP < FEnd && *FP == '$') {
                    ++FP;
                    while (FP < FEnd && HexValue(*FP) >= 0 && digits < 8) {
                        code = code * 16 + uint32_t(HexValue(*FP++));
                        ++digits;
                    }
                } else {
                    while (FP < FEnd && IsDigit(*FP) && digits < 8) {
                        code = code * 10 + uint32_t(*FP++ - '0');
                        ++digits;
                    }
                }
                if (digits == 0 || code > 0x10FFFF) Fail(QStringLiteral("invalid character code"));
                AppendUtf8(out, code);
            } else {
                break;
            }
            // A '+' continues the string, possibly on the next line.
            const char* save = FP;
            const int saveLine = FLine;
            SkipBlanks();
            if (FP < FEnd && *FP == '+') {
                ++FP;
                SkipBlanks();
                if (FP < FEnd && (*FP == '\'' || *FP == '#')) continue;
                Fail(QStringLiteral("expected a string after '+' but found %1").arg(Found()));
            }
            FP = save;
            FLine = saveLine;
            if (FP < FEnd && (*FP == '\'' || *FP == '#')) continue;
            return;
        }
    }

    void Binary(std::string& out) {
        // Images run to many kilobytes: decoded straight into room made for all of it.
        const auto* close = static_cast<const char*>(std::memchr(FP, '}', size_t(FEnd - FP)));
        const char* end = close ? close : FEnd;
        const size_t start = out.size();
        out.resize(start + size_t(end - FP) / 2);
        char* w = out.data() + start;
        int high = -1;
        for (;;) {
            // Whole runs of digit pairs eight digits at a time, then two; the rest one by one.
            if (high < 0) {
                while (end - FP >= 8 && DecodeHex8(FP, w)) {
                    FP += 8;
                    w += 4;
                }
                while (end - FP >= 2) {
                    const int h = kHexDigit[static_cast<unsigned char>(FP[0])];
                    const int l = kHexDigit[static_cast<unsigned char>(FP[1])];
                    if ((h | l) < 0) break;
                    *w++ = char((h << 4) | l);
                    FP += 2;
                }
            }
            // The line break and indentation between runs in one go.
            while (FP < end && (*FP == ' ' || *FP == '\t' || *FP == '\r' || *FP == '\n')) {
                if (*FP == '\n') ++FLine;
                ++FP;
            }
            if (FP == end) break;
            const auto c = static_cast<unsigned char>(*FP);
            const int h = kHexDigit[c];
            if (h < 0) {
                Fail(QStringLiteral("invalid hexadecimal digit %1 in binary data")
                         .arg(c > 0x20 && c < 0x7F ? QStringLiteral("'%1'").arg(QChar(c))
                                                   : QStringLiteral("#%1").arg(int(c))));
            }
            if (high < 0) {
                high = h;
            } else {
                *w++ = char((high << 4) | h);
                high = -1;
            }
            ++FP;
        }
        if (!close) Fail(QStringLiteral("expected '}' but found end of text"));
        ++FP;
        out.resize(size_t(w - out.data()));
        if (high >= 0) Fail(QStringLiteral("odd number of hexadecimal digits in binary data"));
    }

    const char* FP;
    const char* FEnd;
    const String& FSource;
    int FLine = 1;
};

} // namespace

TFormObjectNode TFormParser::Parse(std::string_view text, const String& source) {
    Parser p(text, source);
    return p.Top();
}
