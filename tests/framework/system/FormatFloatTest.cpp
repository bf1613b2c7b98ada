#include "framework/system/FormatFloat.h"

#include <gtest/gtest.h>

namespace {

struct TCase {
    const char* Format;
    double Value;
    const char* Expected;
};

TEST(FormatFloat, ClassicFormats) {
    const TCase cases[] = {
        // thousands separators, kilobytes as the about box shows them
        {"#,###\" KB\"", 65536, "65,536 KB"},
        {"#,###\" KB\"", 1536, "1,536 KB"},
        {"#,###\" KB\"", 16777216.0 / 1024, "16,384 KB"},
        {"#,##0", 1234567.891, "1,234,568"},
        {"#,##0", 999, "999"},
        {"#,##0", 0, "0"},
        {"#,###", 0, ""},
        {"#,##0.00", -1234.5, "-1,234.50"},
        // rounding: halves away from zero, on 15 significant digits
        {"0", 0.5, "1"},
        {"0", 1.5, "2"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.00", 2.675, "2.68"},
        {"0.00", 1.005, "1.01"},
        {"0.0", 9.96, "10.0"},
        {"0", 0.4999, "0"},
        {"#.##", 0.004, ""},
        // placeholders: zeros pad, hashes drop
        {"000", 7, "007"},
        {"0.###", 1.5, "1.5"},
        {"0.0##", 1, "1.0"},
        {".00", 12.5, "12.50"},
        {"#.00", 0.5, ".50"},
        {"0", 12345, "12345"},
        // sections: the negative section brings its own sign, the zero section wins for what
        // rounds to zero, empty sections fall back to the first
        {"0.0;(0.0)", -3.25, "(3.3)"},
        {"0.0;(0.0);\"nil\"", 0, "nil"},
        {"0.0;(0.0);\"nil\"", -0.01, "nil"},
        {"0;;\"zero\"", -4, "-4"},
        {"0;-0", -0.2, "0"},
        // literals, quoted and plain, inside and around the digits
        {"\"$\"#,##0", -5, "-$5"},
        {"'x;y' 0", 3, "x;y 3"},
        {"000-000", 123456, "123-456"},
        {"0 %", 87, "87 %"},
        {"\"none\"", 12, "none"},
        // scientific
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E-00", 0.000123, "1.23E-04"},
        {"0.0e+0", 5, "5.0e+0"},
    };
    const TFormatSettings fs = TFormatSettings::English();
    for (const TCase& c : cases)
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.Format), c.Value, fs),
                  QString::fromUtf8(c.Expected))
            << c.Format << " with " << c.Value;
}

TEST(FormatFloat, SeparatorsComeFromTheSettings) {
    TFormatSettings fs = TFormatSettings::English();
    fs.ThousandSeparator = u'.';
    fs.DecimalSeparator = u',';
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.125, fs), "1.234.567,13");
    EXPECT_EQ(FormatFloat("", 2.5, fs), "2,5");
    EXPECT_EQ(FormatFloat("0", std::numeric_limits<double>::infinity(), fs), "INF");
}

} // namespace
