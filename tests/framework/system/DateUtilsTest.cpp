#include "framework/system/DateUtils.h"

#include <QDate>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct TYmd {
    int Year, Month, Day;
};

TEST(DateCalendar, LeapYearsFollowTheGregorianRule) {
    const struct {
        int Year;
        bool Leap;
    } rows[] = {{1600, true},  {1700, false}, {1900, false}, {2000, true},
                {2001, false}, {2004, true},  {2100, false}, {2400, true}};
    for (const auto& r : rows) {
        EXPECT_EQ(IsLeapYear(r.Year), r.Leap) << r.Year;
        EXPECT_EQ(MonthDays(r.Year, 2), r.Leap ? 29 : 28) << r.Year;
    }
}

TEST(DateCalendar, MonthLengthsAndMonthsOutsideTheYear) {
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(MonthDays(2001, m), lengths[m - 1]) << m;
    EXPECT_EQ(MonthDays(2001, 0), 0);
    EXPECT_EQ(MonthDays(2001, 13), 0);
    EXPECT_EQ(DaysInMonth(EncodeDate(2000, 2, 10) + 0.75), 29);
    EXPECT_EQ(DaysInMonth(EncodeDate(1900, 2, 10)), 28);
}

TEST(DateEncoding, KnownDayCounts) {
    const struct {
        TYmd Date;
        TDateTime Expected;
    } rows[] = {{{1899, 12, 30}, 0},      {{1899, 12, 29}, -1},  {{1900, 1, 1}, 2},
                {{1970, 1, 1}, 25569},    {{2000, 1, 1}, 36526}, {{1, 1, 1}, -693593},
                {{9999, 12, 31}, 2958465}};
    for (const auto& r : rows) {
        EXPECT_EQ(EncodeDate(r.Date.Year, r.Date.Month, r.Date.Day), r.Expected) << r.Date.Year;
    }
}

TEST(DateEncoding, ImpossibleDatesRaiseConvertError) {
    const TYmd rows[] = {{0, 1, 1},     {10000, 1, 1}, {-1, 6, 1},    {2000, 0, 1},
                         {2000, 13, 1}, {2000, 1, 0},  {2000, 1, 32}, {2001, 4, 31},
                         {1900, 2, 29}, {2001, 2, 29}, {2100, 2, 29}};
    for (const auto& r : rows) {
        try {
            EncodeDate(r.Year, r.Month, r.Day);
            ADD_FAILURE() << "accepted " << r.Year << "-" << r.Month << "-" << r.Day;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid argument to date encode"));
        }
        TDateTime untouched = 123.5;
        EXPECT_FALSE(TryEncodeDate(r.Year, r.Month, r.Day, untouched));
        EXPECT_EQ(untouched, 123.5);
    }
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    EXPECT_NO_THROW(EncodeDate(2004, 2, 29));
}

// Walks the calendar day by day with its own month arithmetic and checks every routine against
// it and against Qt's independent Julian day numbers.
TEST(DateEncoding, EveryDayFrom1600To2400RoundTrips) {
    const qint64 qtDayZero = QDate(1899, 12, 30).toJulianDay();
    TDateTime expected = EncodeDate(1600, 1, 1);
    ASSERT_EQ(expected, TDateTime(QDate(1600, 1, 1).toJulianDay() - qtDayZero));
    int days = 0;
    for (int y = 1600; y <= 2400; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= MonthDays(y, m); ++d, expected += 1, ++days) {
                ASSERT_EQ(EncodeDate(y, m, d), expected) << y << "-" << m << "-" << d;
                int yy = 0, mm = 0, dd = 0;
                // Late in the day: before day 0 the time counts away from zero.
                DecodeDate(expected < 0 ? expected - 0.999 : expected + 0.999, yy, mm, dd);
                ASSERT_TRUE(yy == y && mm == m && dd == d) << y << "-" << m << "-" << d;
                // Qt numbers Monday 1 to Sunday 7.
                const int qtDow = QDate(y, m, d).dayOfWeek();
                ASSERT_EQ(DayOfWeek(expected), qtDow % 7 + 1) << y << "-" << m << "-" << d;
            }
        }
    }
    EXPECT_EQ(days, QDate(2400, 12, 31).toJulianDay() - QDate(1600, 1, 1).toJulianDay() + 1);
}

TEST(DateDecoding, NegativeCountsTruncateTowardZero) {
    const struct {
        TDateTime Value;
        TYmd Date;
        int Hour, Min;
    } rows[] = {
        {-0.5, {1899, 12, 30}, 12, 0}, // still day 0, not floored to the 29th
        {-1.0, {1899, 12, 29}, 0, 0},   {-1.25, {1899, 12, 29}, 6, 0},
        {-1.75, {1899, 12, 29}, 18, 0}, {-36522.0, {1800, 1, 1}, 0, 0},
        {-693593.5, {1, 1, 1}, 12, 0},  {2.25, {1900, 1, 1}, 6, 0},
    };
    for (const auto& r : rows) {
        int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
        DecodeDate(r.Value, y, m, d);
        DecodeTime(r.Value, h, n, s, ms);
        EXPECT_EQ(y, r.Date.Year) << r.Value;
        EXPECT_EQ(m, r.Date.Month) << r.Value;
        EXPECT_EQ(d, r.Date.Day) << r.Value;
        EXPECT_EQ(h, r.Hour) << r.Value;
        EXPECT_EQ(n, r.Min) << r.Value;
    }
}

TEST(DateDecoding, ValuesOutsideTheYearsGiveZeros) {
    const TDateTime rows[] = {-693594.0, 2958466.0, 1e12, std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity()};
    for (TDateTime v : rows) {
        int y = 1, m = 1, d = 1;
        DecodeDate(v, y, m, d);
        EXPECT_TRUE(y == 0 && m == 0 && d == 0) << v;
    }
    EXPECT_EQ(DaysInMonth(-693594.0), 0);
}

TEST(DateDecoding, ValueJustBelowMidnightIsTheNextDayInDateAndTime) {
    const TDateTime v = EncodeDate(2000, 2, 28) + 0.9999999999;
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
    DecodeDate(v, y, m, d);
    DecodeTime(v, h, n, s, ms);
    EXPECT_EQ(d, 29);
    EXPECT_EQ(h * 3600000 + n * 60000 + s * 1000 + ms, 0);
    EXPECT_EQ(DayOfWeek(v), DayOfWeek(EncodeDate(2000, 2, 29)));
}

TEST(DateDayOfWeek, KnownDates) {
    const struct {
        TYmd Date;
        int Dow;
    } rows[] = {{{1899, 12, 30}, 7}, {{1776, 7, 4}, 5}, {{1, 1, 1}, 2},     {{2000, 1, 1}, 7},
                {{2024, 2, 29}, 5},  {{2023, 1, 1}, 1}, {{9999, 12, 31}, 6}};
    for (const auto& r : rows)
        EXPECT_EQ(DayOfWeek(EncodeDate(r.Date.Year, r.Date.Month, r.Date.Day)), r.Dow)
            << r.Date.Year << "-" << r.Date.Month << "-" << r.Date.Day;
    EXPECT_EQ(DayOfWeek(-0.5), 7);  // day 0, a Saturday
    EXPECT_EQ(DayOfWeek(-1.25), 6); // 29 December 1899, a Friday
}

TEST(TimeEncoding, EverySecondOfADayRoundTrips) {
    for (int h = 0; h < 24; ++h)
        for (int n = 0; n < 60; ++n)
            for (int s = 0; s < 60; ++s) {
                const int msIn = (h * 61 + n * 7 + s) % 1000;
                const TDateTime t = EncodeTime(h, n, s, msIn);
                ASSERT_GE(t, 0.0);
                ASSERT_LT(t, 1.0);
                int hh = 0, nn = 0, ss = 0, ms = 0;
                DecodeTime(EncodeDate(2024, 3, 5) + t, hh, nn, ss, ms);
                ASSERT_TRUE(hh == h && nn == n && ss == s && ms == msIn)
                    << h << ":" << n << ":" << s << "." << msIn;
            }
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(TimeEncoding, InvalidPartsRaiseConvertError) {
    const int rows[][4] = {{24, 0, 0, 0},   {0, 60, 0, 0}, {0, 0, 60, 0},
                           {0, 0, 0, 1000}, {-1, 0, 0, 0}, {0, 0, 0, -1}};
    for (const auto& r : rows) {
        try {
            EncodeTime(r[0], r[1], r[2], r[3]);
            ADD_FAILURE() << "accepted " << r[0] << ":" << r[1] << ":" << r[2] << "." << r[3];
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid argument to time encode"));
        }
    }
}

TEST(DateClock, TodayIsMidnightAndNowLiesWithinIt) {
    const TDateTime before = Date();
    const TDateTime now = Now();
    const TDateTime after = Date();
    EXPECT_EQ(before, std::floor(before));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(after, TDateTime(today.toJulianDay() - QDate(1899, 12, 30).toJulianDay()));
    if (before == after) { // not across midnight
        EXPECT_GE(now, before);
        EXPECT_LT(now, before + 1);
    }
    const TDateTime t = Time();
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 1.0);
}

// Forces English names and formats so that results do not depend on the machine's locale.
class DateFormatting : public ::testing::Test {
protected:
    void SetUp() override { SetFormatSettings(TFormatSettings::English()); }
    void TearDown() override { ResetFormatSettings(); }
    // Tuesday, 5 March 2024, 14:07:09.
    const TDateTime FMoment = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
};

TEST_F(DateFormatting, Tokens) {
    const struct {
        const char* Format;
        const char* Expected;
    } rows[] = {
        {"d", "5"},
        {"dd", "05"},
        {"ddd", "Tue"},
        {"dddd", "Tuesday"},
        {"ddddd", "3/5/2024"},
        {"dddddd", "Tuesday, March 5, 2024"},
        {"m", "3"},
        {"mm", "03"},
        {"mmm", "Mar"},
        {"mmmm", "March"},
        {"mmmmm", "March"},
        {"yy", "24"},
        {"yyyy", "2024"},
        {"h:n:s", "14:7:9"},
        {"hh:nn:ss", "14:07:09"},
        {"hh:mm", "14:07"},         // m after an hour is minutes
        {"h 'at' m", "14 at 7"},    // also across literals
        {"hh:mm d/m", "14:07 5/3"}, // but only straight after the hour
        {"DD/MM/YYYY", "05/03/2024"},
        {"'dd' d", "dd 5"},
        {"\"mmmm's\" mmmm", "mmmm's March"},
        {"yyyy-mm-dd", "2024-03-05"},
        {"x", "x"},
        {"'open", "open"},
        {"", ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(r.Format), FMoment),
                  QString::fromUtf8(r.Expected))
            << r.Format;
}

TEST_F(DateFormatting, SmallYearsArePadded) {
    const TDateTime d = EncodeDate(5, 1, 9);
    EXPECT_EQ(FormatDateTime("yyyy yy", d), QStringLiteral("0005 05"));
}

TEST_F(DateFormatting, SlashAndColonFollowTheSeparators) {
    TFormatSettings fs = TFormatSettings::English();
    fs.DateSeparator = u'.';
    fs.TimeSeparator = u'h';
    EXPECT_EQ(FormatDateTime("d/m/yyyy h:nn", FMoment, fs), QStringLiteral("5.3.2024 14h07"));
    EXPECT_EQ(FormatDateTime("'d/m'", FMoment, fs), QStringLiteral("d/m"));
}

TEST_F(DateFormatting, DateFormatsThatNameThemselvesTerminate) {
    TFormatSettings fs = TFormatSettings::English();
    fs.ShortDateFormat = "ddddd";
    fs.LongDateFormat = "dddddd|ddddd|d";
    EXPECT_EQ(FormatDateTime("ddddd", FMoment, fs), QString());
    EXPECT_TRUE(FormatDateTime("dddddd", FMoment, fs).endsWith(QStringLiteral("|5")));
}

TEST_F(DateFormatting, NamesOfTheSettingsInUse) {
    EXPECT_EQ(ShortDayNames(1), QStringLiteral("Sun"));
    EXPECT_EQ(LongDayNames(7), QStringLiteral("Saturday"));
    EXPECT_EQ(ShortMonthNames(1), QStringLiteral("Jan"));
    EXPECT_EQ(LongMonthNames(12), QStringLiteral("December"));
    EXPECT_EQ(ShortDayNames(0), QString());
    EXPECT_EQ(LongMonthNames(13), QString());
    EXPECT_EQ(LongDateFormat(), QStringLiteral("dddd, mmmm d, yyyy"));
    EXPECT_EQ(ShortDateFormat(), QStringLiteral("m/d/yyyy"));
}

TEST(DateLocale, QtFormatsConvertToClassicTokens) {
    const struct {
        const char* Qt;
        QChar Separator;
        const char* Classic;
    } rows[] = {
        {"M/d/yy", u'/', "m/d/yy"},
        {"dd.MM.yy", u'.', "dd/mm/yy"},
        {"dddd, d. MMMM yyyy", QChar(), "dddd, d. mmmm yyyy"},
        {"dddd, d 'de' MMMM 'de' yyyy", QChar(), "dddd, d' de 'mmmm' de 'yyyy"},
        {"yyyy/MM/dd", QChar(), "yyyy'/'mm'/'dd"},
        {"yyyy\u5e74M\u6708d\u65e5", u'/', "yyyy'\u5e74'm'\u6708'd'\u65e5'"},
        {"d 'o''clock' MMM", u'/', "d\" o'clock \"mmm"},
        {"d hh MMM", u'/', "d' hh 'mmm"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ConvertQtDateFormat(QString::fromUtf8(r.Qt), r.Separator),
                  QString::fromUtf8(r.Classic))
            << r.Qt;
}

TEST(DateLocale, LocaleNamesAndFormatsFormatLikeQt) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const TFormatSettings fs = TFormatSettings::FromLocale(german);
    const TDateTime d = EncodeDate(2024, 3, 5);
    const QDate qd(2024, 3, 5);
    EXPECT_EQ(fs.LongDayNames[0], german.dayName(7));
    EXPECT_EQ(FormatDateTime("ddddd", d, fs), german.toString(qd, QLocale::ShortFormat));
    EXPECT_EQ(FormatDateTime("dddddd", d, fs), german.toString(qd, QLocale::LongFormat));
    // Month names inflect inside a date in some languages, and stand alone over a calendar.
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const TFormatSettings ru = TFormatSettings::FromLocale(russian);
    EXPECT_EQ(FormatDateTime("dddddd", d, ru), russian.toString(qd, QLocale::LongFormat));
    EXPECT_EQ(ru.LongMonthNames[2], russian.standaloneMonthName(3));
    EXPECT_NE(ru.LongMonthNames[2], ru.DateLongMonthNames[2]);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(FormatDateTime("dddddd", d, TFormatSettings::FromLocale(us)),
              us.toString(qd, QLocale::LongFormat));
}

TEST(DateLocale, CLocaleGivesTheEnglishDefaults) {
    const TFormatSettings fs = TFormatSettings::FromLocale(QLocale::c());
    EXPECT_EQ(fs.ShortDateFormat, QStringLiteral("m/d/yyyy"));
    EXPECT_EQ(fs.LongDateFormat, QStringLiteral("dddd, mmmm d, yyyy"));
    EXPECT_EQ(fs.LongMonthNames[4], QStringLiteral("May"));
}

} // namespace
