#include "framework/system/FormatFloat.h"

#include <QStringList>
#include <cmath>

namespace {

// The decimal digits of |value|: Digits holds up to 15 significant digits without leading or
// trailing zeros, Point how many of them (or more, padded with zeros) come before the point.
struct TDecimal {
    QByteArray Digits;
    int Point = 0;
    bool IsZero() const { return Digits.isEmpty(); }
};

TDecimal ToDecimal(double value) {
    TDecimal d;
    value = std::fabs(value);
    if (value == 0) return d;
    // "d.dddddddddddddde+XX": 15 significant digits.
    const QByteArray text = QByteArray::number(value, 'e', 14);
    const int e = int(text.indexOf('e'));
    d.Digits = text.left(1) + text.mid(2, e - 2);
    d.Point = text.mid(e + 1).toInt() + 1;
    while (!d.Digits.isEmpty() && d.Digits.endsWith('0'))
        d.Digits.chop(1);
    return d;
}

// Keeps `keep` digits (counted from the first), halves away from zero.
void RoundDigits(TDecimal& d, int keep) {
    if (keep >= d.Digits.size()) return;
    if (keep < 0) {
        d.Digits.clear();
        return;
    }
    const bool up = d.Digits[keep] >= '5';
    d.Digits.truncate(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[i] == '9') {
            d.Digits.chop(1);
            --i;
        }
        if (i < 0) {
            d.Digits = "1";
            ++d.Point;
        } else {
            ++d.Digits[i];
        }
    }
    while (!d.Digits.isEmpty() && d.Digits.endsWith('0'))
        d.Digits.chop(1);
}

// Sections split at ';' outside quotes.
QStringList SplitSections(const String& format) {
    QStringList out{String()};
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            out.append(String());
            continue;
        }
        out.last() += c;
    }
    return out;
}

struct TSectionInfo {
    int IntPlaces = 0; // digit placeholders before the point
    int IntMin = 0;    // from the first 0 before the point to the point
    int DecPlaces = 0; // digit placeholders after the point
    int DecMin = 0;    // up to the last 0 after the point
    bool Thousands = false;
    bool Scientific = false;
};

// Whether format[i] starts a scientific marker (E+, E-, e+, e-).
bool IsExponentAt(const String& f, qsizetype i) {
    return (f[i] == u'E' || f[i] == u'e') && i + 1 < f.size() &&
           (f[i + 1] == u'+' || f[i + 1] == u'-');
}

TSectionInfo Analyse(const String& f) {
    TSectionInfo info;
    bool afterPoint = false;
    int firstIntZero = -1;
    QChar quote;
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QChar c = f[i];
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            continue;
        }
        if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (IsExponentAt(f, i)) {
            info.Scientific = true;
            break; // the exponent's zeros are not mantissa digits
        } else if (c == u'.') {
            afterPoint = true;
        } else if (c == u',') {
            info.Thousands = true;
        } else if (c == u'0' || c == u'#') {
            if (afterPoint) {
                ++info.DecPlaces;
                if (c == u'0') info.DecMin = info.DecPlaces;
            } else {
                if (c == u'0' && firstIntZero < 0) firstIntZero = info.IntPlaces;
                ++info.IntPlaces;
            }
        }
    }
    if (firstIntZero >= 0) info.IntMin = info.IntPlaces - firstIntZero;
    return info;
}

String General(double value, const TFormatSettings& fs) {
    String s = QString::number(value, 'g', 15);
    s.replace(u'.', fs.DecimalSeparator);
    return s;
}

String Apply(const String& f, const TSectionInfo& info, const TDecimal& d, bool minus,
             const TFormatSettings& fs) {
    // The integer part's digits, padded to the minimum, and the decimals' digits, trimmed to
    // their minimum.
    QByteArray intDigits, decDigits;
    int exponent = 0;
    if (info.Scientific) {
        const int lead = std::max(1, info.IntPlaces);
        if (!d.IsZero()) exponent = d.Point - lead;
        intDigits = d.Digits.left(lead);
        while (intDigits.size() < lead && !d.IsZero())
            intDigits.append('0');
        decDigits = d.Digits.mid(lead);
    } else {
        if (d.Point > 0) {
            intDigits = d.Digits.left(d.Point);
            while (intDigits.size() < d.Point)
                intDigits.append('0');
            decDigits = d.Digits.mid(d.Point);
        } else {
            decDigits = QByteArray(-d.Point, '0') + d.Digits;
        }
    }
    while (intDigits.size() < info.IntMin)
        intDigits.prepend('0');
    decDigits.truncate(info.DecPlaces);
    while (decDigits.size() < info.DecMin)
        decDigits.append('0');

    String out;
    if (minus) out += u'-';
    const int intLen = int(intDigits.size());
    auto emitInt = [&](int from, int to) { // digit indices [from, to)
        for (int k = from; k < to; ++k) {
            out += QChar(intDigits[k]);
            const int left = intLen - 1 - k; // digits still to come
            if (info.Thousands && !info.Scientific && left > 0 && left % 3 == 0)
                out += fs.ThousandSeparator;
        }
    };
    int intSeen = 0;    // integer placeholders passed
    int decEmitted = 0; // decimals written
    bool afterPoint = false;
    bool intDone = false; // the excess integer digits were written
    auto flushExcess = [&] {
        if (intDone) return;
        intDone = true;
        // A section of literals alone shows no digits.
        if (info.IntPlaces + info.DecPlaces == 0 && !info.Scientific) return;
        emitInt(0, std::max(0, intLen - info.IntPlaces));
    };
    QChar quote;
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QChar c = f[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (IsExponentAt(f, i)) {
            flushExcess();
            const bool plusSign = f[i + 1] == u'+';
            qsizetype j = i + 2;
            int width = 0;
            while (j < f.size() && f[j] == u'0' && width < 4) {
                ++width;
                ++j;
            }
            out += f[i];
            if (exponent < 0)
                out += u'-';
            else if (plusSign)
                out += u'+';
            out += QString::number(std::abs(exponent)).rightJustified(width, u'0');
            // Anything after the exponent is literal.
            for (qsizetype k = j; k < f.size(); ++k)
                if (f[k] != u'"' && f[k] != u'\'') out += f[k];
            break;
        } else if (c == u'.') {
            flushExcess();
            if (!afterPoint && !decDigits.isEmpty()) out += fs.DecimalSeparator;
            afterPoint = true;
        } else if (c == u',') {
            // a flag, not a character
        } else if (c == u'0' || c == u'#') {
            if (afterPoint) {
                if (decEmitted < decDigits.size()) out += QChar(decDigits[decEmitted]);
                ++decEmitted;
            } else {
                flushExcess();
                const int pos = info.IntPlaces - intSeen; // 1 = last before the point
                ++intSeen;
                if (pos <= intLen) emitInt(intLen - pos, intLen - pos + 1);
            }
        } else {
            out += c;
        }
    }
    flushExcess();
    return out;
}

} // namespace

String FormatFloat(const String& format, double value, const TFormatSettings& fs) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (format.isEmpty()) return General(value, fs);
    const QStringList sections = SplitSections(format);
    auto sectionAt = [&](int i) {
        return i < sections.size() && !sections[i].isEmpty() ? sections[i] : sections[0];
    };
    const bool negative = value < 0;
    String section = negative ? sectionAt(1) : sections[0];
    const bool ownSign = negative && (sections.size() < 2 || sections[1].isEmpty());

    auto rounded = [](const TSectionInfo& info, TDecimal d) {
        if (info.Scientific)
            RoundDigits(d, std::max(1, info.IntPlaces) + info.DecPlaces);
        else
            RoundDigits(d, d.Point + info.DecPlaces);
        return d;
    };
    TSectionInfo info = Analyse(section);
    TDecimal d = rounded(info, ToDecimal(value));
    if (d.IsZero()) {
        // What rounds to zero is zero: the zero section, without a sign.
        section = sections.size() >= 3 && !sections[2].isEmpty() ? sections[2] : sections[0];
        info = Analyse(section);
        d = TDecimal{};
        return Apply(section, info, d, false, fs);
    }
    return Apply(section, info, d, ownSign, fs);
}

String FormatFloat(const String& format, double value) {
    return FormatFloat(format, value, FormatSettings());
}
