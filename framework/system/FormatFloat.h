#pragma once
// FormatFloat: a number through a classic number format. A format has up to three sections
// separated by ';' (positive, negative, zero; an empty or missing section falls back to the
// first, and only the first section adds a minus sign of its own). In a section:
//   0      a digit, always written (leading/trailing zeros)
//   #      a digit, written only when significant
//   .      the decimal separator (the first one; the others are ignored)
//   ,      thousands separators in the integer part (anywhere in the section)
//   E+ E-  scientific notation (e+, e- too), followed by up to four 0 for the exponent's
//          digits; E+ writes the sign of positive exponents too
//   "xx" 'xx'  literal text; every other character is copied as it stands
// Integer digits beyond the placeholders are all written at the first one. Rounding is to the
// decimals the section asks for, on the value's 15 significant decimal digits, halves away
// from zero. An empty format gives the shortest general form (up to 15 significant digits).
// Infinite and NaN values give "INF", "-INF" and "NAN".

#include "framework/system/DateUtils.h"

String FormatFloat(const String& format, double value);
String FormatFloat(const String& format, double value, const TFormatSettings& settings);
