#include "framework/system/DateUtils.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int MinYear = 1;
constexpr int MaxYear = 9999;
// Day counts of 1 January 0001 and 31 December 9999.
constexpr int64_t MinDateDays = 1 - DateDelta;
constexpr int64_t MaxDateDays = 2958465;

// Days since 30 December 1899 of a proleptic Gregorian date; eras of 400 years keep the
// arithmetic on non-negative numbers for every year from 1 on.
int64_t DaysFromCivil(int year, int month, int day) {
    const int64_t y = int64_t(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = month > 2 ? month - 3 : month + 9; // March is month 0 of the shifted year
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    // 719468 shifts the count to 1 January 1970, 25569 from there back to 30 December 1899.
    return era * 146097 + doe - 719468 + 25569;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
    const int64_t z = days - 25569 + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

struct TSplit {
    int64_t Days;  // truncated toward zero
    int MSecOfDay; // of the absolute fraction
};

// Rounds to the millisecond first so that a value a hair below midnight decodes as the next day at
// 00:00 in both its date and its time, never as 23:59:60.
std::optional<TSplit> Split(TDateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e7) return std::nullopt;
    const int64_t ms = std::llround(value * MSecsPerDay);
    const int64_t days = ms / MSecsPerDay;
    const int64_t rest = ms % MSecsPerDay;
    return TSplit{days, int(rest < 0 ? -rest : rest)};
}

TFormatSettings& Current() {
    static TFormatSettings settings = TFormatSettings::FromLocale(QLocale::system());
    return settings;
}

const char* const EnglishShortDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const EnglishLongDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
const char* const EnglishShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const EnglishLongMonths[12] = {"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};

String NameAt(const String* names, int count, int oneBased) {
    if (oneBased < 1 || oneBased > count) return String();
    return names[oneBased - 1];
}

void AppendNumber(String& out, int64_t value, int digits) {
    out += QString::number(value).rightJustified(digits, u'0');
}

void AppendFormatted(String& out, const String& format, TDateTime dateTime,
                     const TFormatSettings& fs, int depth) {
    // A date format that names itself through ddddd or dddddd would recurse forever.
    if (depth > 2) return;
    int year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0;
    DecodeDate(dateTime, year, month, day);
    DecodeTime(dateTime, hour, min, sec, msec);

    QChar lastToken = u' ';
    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = format[i];
        if (c == u'\'' || c == u'"') {
            qsizetype j = i + 1;
            while (j < n && format[j] != c)
                ++j;
            out += format.mid(i + 1, j - i - 1);
            i = j < n ? j + 1 : n;
            continue;
        }
        if (c == u'/') {
            out += fs.DateSeparator;
            ++i;
            continue;
        }
        if (c == u':') {
            out += fs.TimeSeparator;
            ++i;
            continue;
        }
        if (!c.isLetter()) {
            out += c;
            ++i;
            continue;
        }
        QChar token = c.toUpper();
        qsizetype j = i + 1;
        while (j < n && format[j].toUpper() == token)
            ++j;
        const int count = int(j - i);
        // m straight after an hour token means minutes, as in "h:mm".
        if (token == u'M' && lastToken == u'H') token = u'N';
        lastToken = token;
        switch (token.unicode()) {
        case u'Y':
            if (count <= 2)
                AppendNumber(out, year % 100, 2);
            else
                AppendNumber(out, year, 4);
            break;
        case u'M':
            if (count <= 2)
                AppendNumber(out, month, count);
            else if (count == 3)
                out += NameAt(fs.DateShortMonthNames.data(), 12, month);
            else
                out += NameAt(fs.DateLongMonthNames.data(), 12, month);
            break;
        case u'D':
            if (count <= 2)
                AppendNumber(out, day, count);
            else if (count == 3)
                out += NameAt(fs.ShortDayNames.data(), 7, DayOfWeek(dateTime));
            else if (count == 4)
                out += NameAt(fs.LongDayNames.data(), 7, DayOfWeek(dateTime));
            else if (count == 5)
                AppendFormatted(out, fs.ShortDateFormat, dateTime, fs, depth + 1);
            else
                AppendFormatted(out, fs.LongDateFormat, dateTime, fs, depth + 1);
            break;
        case u'H':
            AppendNumber(out, hour, count == 1 ? 1 : 2);
            break;
        case u'N':
            AppendNumber(out, min, count == 1 ? 1 : 2);
            break;
        case u'S':
            AppendNumber(out, sec, count == 1 ? 1 : 2);
            break;
        default:
            // Not a token: the letters stand for themselves.
            out += format.mid(i, count);
            break;
        }
        i = j;
    }
}

// Letters and the classic format's special characters cannot stand unquoted as literal text.
bool NeedsQuote(QChar c, QChar dateSeparator) {
    if (c.isLetter() || c == u'\'' || c == u'"' || c == u':') return true;
    return c == u'/' && dateSeparator != u'/';
}

void FlushLiteral(String& out, String& literal, QChar dateSeparator) {
    if (literal.isEmpty()) return;
    bool quote = false;
    for (QChar c : literal)
        if (NeedsQuote(c, dateSeparator)) quote = true;
    if (!quote) {
        out += literal;
    } else if (!literal.contains(u'\'')) {
        out += u'\'' + literal + u'\'';
    } else if (!literal.contains(u'"')) {
        out += u'"' + literal + u'"';
    } else {
        // Both quote characters: quote each character with the other one.
        for (QChar c : literal)
            out += c == u'\'' ? QStringLiteral("\"'\"") : u'\'' + c + u'\'';
    }
    literal.clear();
}

// The first separator of a Qt date format outside quotes, e.g. '.' of "dd.MM.yy".
QChar SeparatorOf(const String& qtFormat) {
    bool quoted = false;
    for (QChar c : qtFormat) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && !c.isLetterOrNumber() && !c.isSpace() && c != u',') return c;
    }
    return u'/';
}

} // namespace

TFormatSettings TFormatSettings::English() {
    TFormatSettings s;
    for (int i = 0; i < 7; ++i) {
        s.ShortDayNames[size_t(i)] = QString::fromLatin1(EnglishShortDays[i]);
        s.LongDayNames[size_t(i)] = QString::fromLatin1(EnglishLongDays[i]);
    }
    for (int i = 0; i < 12; ++i) {
        s.ShortMonthNames[size_t(i)] = QString::fromLatin1(EnglishShortMonths[i]);
        s.LongMonthNames[size_t(i)] = QString::fromLatin1(EnglishLongMonths[i]);
        s.DateShortMonthNames[size_t(i)] = s.ShortMonthNames[size_t(i)];
        s.DateLongMonthNames[size_t(i)] = s.LongMonthNames[size_t(i)];
    }
    s.ShortDateFormat = QStringLiteral("m/d/yyyy");
    s.LongDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
    s.DateSeparator = u'/';
    s.TimeSeparator = u':';
    return s;
}

TFormatSettings TFormatSettings::FromLocale(const QLocale& locale) {
    TFormatSettings s = English();
    if (locale.language() == QLocale::C) return s;
    auto take = [](String& slot, const String& value) {
        if (!value.trimmed().isEmpty()) slot = value;
    };
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i; // Qt counts from Monday = 1
        take(s.ShortDayNames[size_t(i)], locale.dayName(qtDay, QLocale::ShortFormat));
        take(s.LongDayNames[size_t(i)], locale.dayName(qtDay, QLocale::LongFormat));
    }
    // A month named on its own (over a calendar) takes the stand-alone form, one inside a date
    // the form Qt formats dates with.
    for (int i = 0; i < 12; ++i) {
        const auto at = size_t(i);
        take(s.ShortMonthNames[at], locale.standaloneMonthName(i + 1, QLocale::ShortFormat));
        take(s.LongMonthNames[at], locale.standaloneMonthName(i + 1, QLocale::LongFormat));
        take(s.DateShortMonthNames[at], locale.monthName(i + 1, QLocale::ShortFormat));
        take(s.DateLongMonthNames[at], locale.monthName(i + 1, QLocale::LongFormat));
    }
    if (!locale.groupSeparator().isEmpty()) s.ThousandSeparator = locale.groupSeparator().at(0);
    if (!locale.decimalPoint().isEmpty()) s.DecimalSeparator = locale.decimalPoint().at(0);
    const String shortQt = locale.dateFormat(QLocale::ShortFormat);
    const String longQt = locale.dateFormat(QLocale::LongFormat);
    if (!shortQt.trimmed().isEmpty()) {
        s.DateSeparator = SeparatorOf(shortQt);
        s.ShortDateFormat = ConvertQtDateFormat(shortQt, s.DateSeparator);
    }
    // The long format's punctuation is its own ("d. MMMM"), not the short format's separator.
    if (!longQt.trimmed().isEmpty()) s.LongDateFormat = ConvertQtDateFormat(longQt, QChar());
    const String timeQt = locale.timeFormat(QLocale::ShortFormat);
    for (QChar c : timeQt)
        if (!c.isLetterOrNumber() && !c.isSpace() && c != u'\'') {
            s.TimeSeparator = c;
            break;
        }
    return s;
}

String ConvertQtDateFormat(const String& qtFormat, QChar dateSeparator) {
    String out, literal;
    const qsizetype n = qtFormat.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = qtFormat[i];
        if (c == u'\'') {
            // Qt's quoted text, with '' standing for one quote inside or outside quotes.
            if (i + 1 < n && qtFormat[i + 1] == u'\'') {
                literal += u'\'';
                i += 2;
                continue;
            }
            qsizetype j = i + 1;
            while (j < n) {
                if (qtFormat[j] == u'\'') {
                    if (j + 1 < n && qtFormat[j + 1] == u'\'') {
                        literal += u'\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                literal += qtFormat[j++];
            }
            i = j < n ? j + 1 : n;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && qtFormat[j] == c)
            ++j;
        const int count = int(j - i);
        String token;
        if (c == u'd')
            token = String(std::min(count, 4), u'd');
        else if (c == u'M')
            token = String(std::min(count, 4), u'm');
        else if (c == u'y')
            token = count == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        if (token.isEmpty()) {
            // The date separator is written as '/' so that it follows DateSeparator.
            for (qsizetype k = i; k < j; ++k) {
                if (c == dateSeparator) {
                    FlushLiteral(out, literal, dateSeparator);
                    out += u'/';
                } else {
                    literal += c;
                }
            }
        } else {
            FlushLiteral(out, literal, dateSeparator);
            out += token;
        }
        i = j;
    }
    FlushLiteral(out, literal, dateSeparator);
    return out;
}

const TFormatSettings& FormatSettings() {
    return Current();
}

void SetFormatSettings(const TFormatSettings& settings) {
    Current() = settings;
}

void ResetFormatSettings() {
    Current() = TFormatSettings::FromLocale(QLocale::system());
}

String ShortDayNames(int day) {
    return NameAt(Current().ShortDayNames.data(), 7, day);
}
String LongDayNames(int day) {
    return NameAt(Current().LongDayNames.data(), 7, day);
}
String ShortMonthNames(int month) {
    return NameAt(Current().ShortMonthNames.data(), 12, month);
}
String LongMonthNames(int month) {
    return NameAt(Current().LongMonthNames.data(), 12, month);
}
String ShortDateFormat() {
    return Current().ShortDateFormat;
}
String LongDateFormat() {
    return Current().LongDateFormat;
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthDays(int year, int month) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

int DaysInMonth(TDateTime date) {
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return MonthDays(year, month);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
    if (year < MinYear || year > MaxYear || month < 1 || month > 12 || day < 1 ||
        day > MonthDays(year, month))
        return false;
    date = TDateTime(DaysFromCivil(year, month, day));
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return date;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
    const auto split = Split(date);
    if (!split || split->Days < MinDateDays || split->Days > MaxDateDays) {
        year = month = day = 0;
        return;
    }
    CivilFromDays(split->Days, year, month, day);
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
    if (hour < 0 || hour >= HoursPerDay || min < 0 || min >= 60 || sec < 0 || sec >= 60 ||
        msec < 0 || msec >= 1000)
        return false;
    time = TDateTime(((hour * 60 + min) * 60 + sec) * 1000 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime time = 0;
    if (!TryEncodeTime(hour, min, sec, msec, time))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return time;
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec) {
    const auto split = Split(time);
    int ms = split ? split->MSecOfDay : 0;
    msec = ms % 1000;
    ms /= 1000;
    sec = ms % 60;
    ms /= 60;
    min = ms % 60;
    hour = ms / 60;
}

int DayOfWeek(TDateTime date) {
    const auto split = Split(date);
    if (!split) return 0;
    // Day 1 of the era (1 January 0001) is a Monday, so the day count plus DateDelta, mod 7, is 0
    // on a Sunday.
    const int64_t r = (split->Days + DateDelta) % 7;
    return int(r < 0 ? r + 7 : r) + 1;
}

TDateTime Date() {
    const QDate today = QDate::currentDate();
    return EncodeDate(today.year(), today.month(), today.day());
}

TDateTime Now() {
    // One clock reading, so the date and the time belong to the same instant.
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    return EncodeDate(d.year(), d.month(), d.day()) +
           TDateTime(now.time().msecsSinceStartOfDay()) / MSecsPerDay;
}

TDateTime Time() {
    return TDateTime(QTime::currentTime().msecsSinceStartOfDay()) / MSecsPerDay;
}

String FormatDateTime(const String& format, TDateTime dateTime) {
    return FormatDateTime(format, dateTime, Current());
}

String FormatDateTime(const String& format, TDateTime dateTime, const TFormatSettings& settings) {
    String out;
    AppendFormatted(out, format, dateTime, settings, 0);
    return out;
}
