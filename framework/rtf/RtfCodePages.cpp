#include "framework/rtf/RtfCodePages.h"

#include <QStringDecoder>

namespace {

// Code page 1252 differs from Latin-1 only in 0x80-0x9F; undefined bytes keep their value.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const TRtfCodeTable& Cp1252Table() {
    static const TRtfCodeTable table = [] {
        TRtfCodeTable t{};
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

const TRtfCodeTable& SymbolTable() {
    static const TRtfCodeTable table = [] {
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
        TRtfCodeTable t{};
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

} // namespace

int RtfCharsetCodePage(int charset) {
    switch (charset) {
    case 2:
        return RtfSymbolCodePage;
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

const TRtfCodeTable& Cp1252CodeTable() {
    return Cp1252Table();
}

const TRtfCodeTable* TRtfCodePages::TableFor(int codePage) {
    if (codePage == 1252 || codePage <= 0) return &Cp1252Table();
    if (codePage == RtfSymbolCodePage) return &SymbolTable();
    auto it = FTables.find(codePage);
    if (it != FTables.end()) return it->second ? it->second.get() : &Cp1252Table();
    const TRtfCodeTable* result = &Cp1252Table();
    QStringDecoder decoder(QByteArray("windows-") + QByteArray::number(codePage));
    if (codePage == 10000) decoder = QStringDecoder("macintosh");
    if (codePage == 437 || codePage == 850)
        decoder = QStringDecoder(QByteArray("IBM") + QByteArray::number(codePage));
    std::unique_ptr<TRtfCodeTable> table;
    if (decoder.isValid()) {
        table = std::make_unique<TRtfCodeTable>();
        for (int i = 0; i < 256; ++i) {
            const char byte = char(i);
            const QString s = decoder.decode(QByteArrayView(&byte, 1));
            (*table)[i] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
            decoder.resetState();
        }
        result = table.get();
    }
    // An unknown code page is remembered as such and read as 1252.
    FTables.emplace(codePage, std::move(table));
    return result;
}
