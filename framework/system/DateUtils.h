#pragma once
// Dates and times as TDateTime: a day count from 30 December 1899 (day 0) with the time of day as
// the fraction. Dates before day 0 are negative with the time still counted forwards, so -1.25 is
// 29 December 1899 at 06:00. The proleptic Gregorian calendar covers the years 1 to 9999.

#include "framework/system/Exceptions.h"

#include <QLocale>
#include <array>

using TDateTime = double;

// Day 0 of TDateTime relative to 1 January 0001 (day 1), which is a Monday.
constexpr int DateDelta = 693594;
constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = HoursPerDay * 60;
constexpr int SecsPerDay = MinsPerDay * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;

// Names and formats for FormatDateTime. Day arrays start at Sunday, month arrays at January.
// Formats use the classic tokens: d dd ddd dddd, m mm mmm mmmm, yy yyyy, '/' for the date
// separator and quoted literals.
struct TFormatSettings {
    std::array<String, 7> ShortDayNames;
    std::array<String, 7> LongDayNames;
    std::array<String, 12> ShortMonthNames;
    std::array<String, 12> LongMonthNames;
    // Month names inside a formatted date, which some languages inflect (genitive); mmm and mmmm
    // use these, while a month named on its own takes the two arrays above.
    std::array<String, 12> DateShortMonthNames;
    std::array<String, 12> DateLongMonthNames;
    String ShortDateFormat;
    String LongDateFormat;
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    // Number formatting (FormatFloat): ',' and '.' in English.
    QChar ThousandSeparator = u',';
    QChar DecimalSeparator = u'.';

    // US English: "m/d/yyyy" and "dddd, mmmm d, yyyy".
    static TFormatSettings English();
    // Names and formats of the locale, each falling back to English where the locale has none.
    // Qt's C locale counts as having none.
    static TFormatSettings FromLocale(const QLocale& locale);
};

// Rewrites a Qt date format ("dd.MM.yyyy", "d 'de' MMMM") in the classic tokens. Literal text is
// quoted where the classic syntax would read it as tokens; a separator equal to dateSeparator
// becomes '/', and with a null dateSeparator every separator stays literal. Letters other than
// d, M and y are literal, as Qt reads them.
String ConvertQtDateFormat(const String& qtFormat, QChar dateSeparator);

// The settings in use: read from QLocale::system() on first use.
const TFormatSettings& FormatSettings();
// Replaces the settings in use (tests force English this way); ResetFormatSettings re-reads the
// system locale.
void SetFormatSettings(const TFormatSettings& settings);
void ResetFormatSettings();

// Names from the settings in use: days 1 (Sunday) to 7, months 1 to 12; empty outside the range.
String ShortDayNames(int day);
String LongDayNames(int day);
String ShortMonthNames(int month);
String LongMonthNames(int month);
String ShortDateFormat();
String LongDateFormat();

bool IsLeapYear(int year);
// Days of a month, 28 to 31; 0 for a month outside 1..12.
int MonthDays(int year, int month);
// Days of the month that a date lies in; 0 for a date outside the years 1 to 9999.
int DaysInMonth(TDateTime date);

// EConvertError "Invalid argument to date encode" unless 1 <= year <= 9999, 1 <= month <= 12 and
// the day lies in the month.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
// The date part is the day count truncated toward zero; a value outside the years 1 to 9999 (or
// not finite) gives 0, 0, 0.
void DecodeDate(TDateTime date, int& year, int& month, int& day);

// EConvertError "Invalid argument to time encode" unless hour < 24, min < 60, sec < 60,
// msec < 1000, none negative.
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
// The time of day of the fraction, rounded to the millisecond; for negative values the fraction's
// absolute value.
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);

// 1 (Sunday) to 7 (Saturday) of the date part.
int DayOfWeek(TDateTime date);

// Today at midnight, the current local date and time, and the time of day alone.
TDateTime Date();
TDateTime Now();
TDateTime Time();

// Formats with the classic tokens: d, dd (day), ddd, dddd (day name), ddddd (short date format),
// dddddd (long date format), m, mm (month, or minutes straight after an h token), mmm, mmmm (month
// name), yy, yyyy, h, hh, n, nn, s, ss, '/' and ':' as the separators, literal text in '...' or
// "...". Other characters are copied. Tokens ignore case.
String FormatDateTime(const String& format, TDateTime dateTime);
String FormatDateTime(const String& format, TDateTime dateTime, const TFormatSettings& settings);
