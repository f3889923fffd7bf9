#include "texts/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace rp70 {
namespace {

TEST(ParseNumber, ReadsWhatAUserTypes) {
    EXPECT_EQ(ParseNumber("145.125"), 145.125);
    EXPECT_EQ(ParseNumber("145"), 145.0);
    EXPECT_EQ(ParseNumber("007.50"), 7.5);
    EXPECT_EQ(ParseNumber("-3.5"), -3.5);
    EXPECT_EQ(ParseNumber("+2"), 2.0);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber(".25"), 0.25);
    EXPECT_EQ(ParseNumber("-.5"), -0.5);
    EXPECT_EQ(ParseNumber("0"), 0.0);
}

TEST(ParseNumber, ReadsTheNearestDouble) {
    EXPECT_EQ(ParseNumber("173.9975"), 173.9975);
    EXPECT_EQ(ParseNumber("0.1"), 0.1);
    EXPECT_EQ(ParseNumber("145.12630"), 145.1263);
}

TEST(ParseNumber, IgnoresSpacesAndTabsAround) {
    EXPECT_EQ(ParseNumber(" 145.5 "), 145.5);
    EXPECT_EQ(ParseNumber("\t7\t"), 7.0);
    EXPECT_EQ(ParseNumber("  -1"), -1.0);
}

TEST(ParseNumber, RejectsWhatIsNotAPlainDecimal) {
    for (const std::string_view text : {"",
                                        " ",
                                        ".",
                                        "-",
                                        "+",
                                        "-.",
                                        "1.2.3",
                                        "1,5",
                                        "1 5",
                                        "- 1",
                                        "1e5",
                                        "1E5",
                                        "0x10",
                                        "inf",
                                        "nan",
                                        "--1",
                                        "+-1",
                                        "abc",
                                        "12a",
                                        "a12",
                                        "1.5MHz",
                                        "\xe2\x80\x8b"
                                        "1"}) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
        EXPECT_FALSE(IsNumeric(text)) << text;
    }
}

TEST(ParseNumber, RejectsValuesBeyondDouble) {
    EXPECT_FALSE(ParseNumber("1" + std::string(400, '0')).has_value());
    // Long but representable texts are fine.
    EXPECT_EQ(ParseNumber("145.1250000000000000000000000001"), 145.125);
    EXPECT_EQ(ParseNumber(std::string(300, '0') + "12"), 12.0);
}

TEST(IsNumeric, AgreesWithParseNumber) {
    EXPECT_TRUE(IsNumeric("145.12500"));
    EXPECT_TRUE(IsNumeric(" 12 "));
    EXPECT_FALSE(IsNumeric("12 3"));
}

TEST(ParseWholeNumber, SignAndDigitsOnly) {
    EXPECT_EQ(ParseWholeNumber("12"), 12);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    EXPECT_EQ(ParseWholeNumber("-32768"), -32768);
    EXPECT_EQ(ParseWholeNumber("-9223372036854775808"), LLONG_MIN);
    for (const char* bad :
         {"", "+", "-", "+-5", "1.0", " 1", "1 ", "0x10", "COM3", "9223372036854775808"}) {
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
    }
}

TEST(FormatFixed, PatternsOfTheProgram) {
    EXPECT_EQ(FormatFixed(145.125, 3, 5), "145.12500"); // "000.00000"
    EXPECT_EQ(FormatFixed(26.0, 3, 5), "026.00000");
    EXPECT_EQ(FormatFixed(0.6, 3, 5), "000.60000");
    EXPECT_EQ(FormatFixed(0.6, 1, 5), "0.60000"); // "0.00000"
    EXPECT_EQ(FormatFixed(10.0, 1, 5), "10.00000");
    EXPECT_EQ(FormatFixed(144.9, 0, 5), "144.90000");      // "#.00000"
    EXPECT_EQ(FormatFixed(155.0, 3, 4), "155.0000");       // "000.0000"
    EXPECT_EQ(FormatFixed(145.0, 4, 0), "0145");           // "0000"
    EXPECT_EQ(FormatFixed(14512500.0, 9, 0), "014512500"); // "000000000"
    EXPECT_EQ(FormatFixed(1234.5, 3, 1), "1234.5");        // more digits than asked stay
}

TEST(FormatFixed, HashPatternHasNoLeadingZero) {
    EXPECT_EQ(FormatFixed(0.5, 0, 5), ".50000");
    EXPECT_EQ(FormatFixed(0.0, 0, 5), ".00000");
    EXPECT_EQ(FormatFixed(0.0, 0, 0), "");
    EXPECT_EQ(FormatFixed(0.0, 1, 0), "0");
}

TEST(FormatFixed, RoundsTheDecimalValueHalfAwayFromZero) {
    // 2.675 and 0.145 are stored a little below the typed value; the typed value counts.
    EXPECT_EQ(FormatFixed(2.675, 1, 2), "2.68");
    EXPECT_EQ(FormatFixed(0.145, 1, 2), "0.15");
    EXPECT_EQ(FormatFixed(0.125, 1, 2), "0.13");
    EXPECT_EQ(FormatFixed(-0.125, 1, 2), "-0.13");
    EXPECT_EQ(FormatFixed(0.124, 1, 2), "0.12");
    EXPECT_EQ(FormatFixed(150.002549, 3, 5), "150.00255");
    EXPECT_EQ(FormatFixed(150.0025449, 3, 5), "150.00254");
    EXPECT_EQ(FormatFixed(0.1 + 0.2, 1, 5), "0.30000");
    EXPECT_EQ(FormatFixed(14512629.5, 9, 0), "014512630");
}

TEST(FormatFixed, RoundingCarriesIntoTheIntegerPart) {
    EXPECT_EQ(FormatFixed(1.999996, 1, 5), "2.00000");
    EXPECT_EQ(FormatFixed(9.999996, 1, 5), "10.00000");
    EXPECT_EQ(FormatFixed(99.5, 1, 0), "100");
    EXPECT_EQ(FormatFixed(999.999999, 3, 5), "1000.00000");
    EXPECT_EQ(FormatFixed(0.999996, 0, 5), "1.00000");
}

TEST(FormatFixed, NegativeValues) {
    EXPECT_EQ(FormatFixed(-5.0, 3, 0), "-005");
    EXPECT_EQ(FormatFixed(-4.0025, 3, 5), "-004.00250");
    // A value that rounds to zero has no sign.
    EXPECT_EQ(FormatFixed(-0.000001, 1, 5), "0.00000");
    EXPECT_EQ(FormatFixed(-0.0, 1, 5), "0.00000");
}

TEST(FormatFixed, ExtremeValuesAndArgumentsDoNotBreakIt) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 3, 5), "000.00000");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 1, 2), "0.00");
    EXPECT_EQ(FormatFixed(1e20, 1, 0), "100000000000000000000");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::max(), 1, 0).size(), 309u);
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::denorm_min(), 1, 5), "0.00000");
    EXPECT_EQ(FormatFixed(1.5, -3, -2), "2");
    EXPECT_EQ(FormatFixed(1.0, 1000, 1000).size(), 40u + 1u + 20u);
}

TEST(FormatPlain, ShortestTextWithoutTrailingZeros) {
    EXPECT_EQ(FormatPlain(136.0), "136");
    EXPECT_EQ(FormatPlain(173.9975), "173.9975");
    EXPECT_EQ(FormatPlain(0.6), "0.6");
    EXPECT_EQ(FormatPlain(-2.5), "-2.5");
    EXPECT_EQ(FormatPlain(-0.0), "0");
    EXPECT_EQ(FormatPlain(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(FormatInteger, PadsWithZerosAfterTheSign) {
    EXPECT_EQ(FormatInteger(7, 3), "007");
    EXPECT_EQ(FormatInteger(-7, 3), "-007");
    EXPECT_EQ(FormatInteger(1234, 2), "1234");
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(5, 0), "5");
    EXPECT_EQ(FormatInteger(14500000, 9), "014500000");
    EXPECT_EQ(FormatInteger(LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(FormatInteger(LLONG_MAX), "9223372036854775807");
}

} // namespace
} // namespace rp70
