#include "text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace tamberlo;

TEST(FormatPatternTest, WholeNumberPatternsFillPlacesFromTheRight) {
  EXPECT_EQ(FormatPattern(int64_t{19000}, "### ### ###"), " 19 000");
  EXPECT_EQ(FormatPattern(int64_t{100}, "# ### ### ##0"), "   100");
  EXPECT_EQ(FormatPattern(int64_t{0}, "# ### ### ##0"), "   0");
  EXPECT_EQ(FormatPattern(int64_t{1234567}, "# ### ### ##0"), " 1 234 567");
  EXPECT_EQ(FormatPattern(int64_t{2147483647}, "# ### ### ##0"), "2 147 483 647");
  EXPECT_EQ(FormatPattern(int64_t{1000000}, "# ### ### $"), "1 000 000 $");
  EXPECT_EQ(FormatPattern(int64_t{20}, "# ### ### $"), "  20 $");
  EXPECT_EQ(FormatPattern(int64_t{0}, "### ### ###"), "  ");
  EXPECT_EQ(FormatPattern(int64_t{1600}, "### ###"), "1 600");
  EXPECT_EQ(FormatPattern(int64_t{0}, "### ###"), " ");
}

TEST(FormatPatternTest, ExtraDigitsGoToTheLeftmostPlace) {
  EXPECT_EQ(FormatPattern(int64_t{2085490971}, "### ### ###"), "2085 490 971");
  EXPECT_EQ(FormatPattern(int64_t{123456789012345}, "# ### ### ##0"), "123456 789 012 345");
  EXPECT_EQ(FormatPattern(std::numeric_limits<int64_t>::max(), "### ###"),
            "9223372036854775 807");
  EXPECT_EQ(FormatPattern(int64_t{1234567}, "### ###"), "1234 567");
}

TEST(FormatPatternTest, NegativeSignStandsBeforeTheFirstDigit) {
  EXPECT_EQ(FormatPattern(int64_t{-19000}, "### ### ###"), " -19 000");
  EXPECT_EQ(FormatPattern(std::numeric_limits<int64_t>::min(), "### ###"),
            "-9223372036854775 808");
  EXPECT_EQ(FormatPattern(-0.0004, "0.00%"), "-0.04%");
  EXPECT_EQ(FormatPattern(-0.00004, "0.00%"), "0.00%");  // no sign on a rounded zero
  EXPECT_EQ(FormatPattern(-1.5, "###0.000"), "-1.500");
}

TEST(FormatPatternTest, DecimalsRoundHalfAwayFromZeroOnFifteenDigits) {
  EXPECT_EQ(FormatPattern(0.3343985, "0.0000%"), "33.4399%");
  EXPECT_EQ(FormatPattern(6.578125, "0.000%"), "657.813%");
  EXPECT_EQ(FormatPattern(0.95432, "### ##0.000%"), " 95.432%");
  EXPECT_EQ(FormatPattern(19000.0 / 20000.0, "0.000%"), "95.000%");
  EXPECT_EQ(FormatPattern(7.5, "00.000000"), "07.500000");
  EXPECT_EQ(FormatPattern(101.25, "00.000000"), "101.250000");
  EXPECT_EQ(FormatPattern(0.0, "0.000%"), "0.000%");
  EXPECT_EQ(FormatPattern(0.0625, "###0.000"), "0.063");
  EXPECT_EQ(FormatPattern(static_cast<double>(12.5f), "###0.000"), "12.500");
  EXPECT_EQ(FormatPattern(99.9996, "0.000%"), "9999.960%");
  EXPECT_EQ(FormatPattern(0.9999995, "0.0000%"), "100.0000%");
  EXPECT_EQ(FormatPattern(9.9995, "###0.000"), "10.000");  // carry into a new digit
  EXPECT_EQ(FormatPattern(1234567.8915, "### ### ##0.000"), "1 234 567.892");
  EXPECT_EQ(FormatPattern(0.5, "### ### ##0.000"), "  0.500");
  EXPECT_EQ(FormatPattern(1e-20, "0.00%"), "0.00%");
  EXPECT_EQ(FormatPattern(3e20, "### ###"), "300000000000000000 000");
}

TEST(FormatPatternTest, WholeNumberInDecimalPatternIsExact) {
  EXPECT_EQ(FormatPattern(int64_t{3}, "0.00%"), "300.00%");
  EXPECT_EQ(FormatPattern(int64_t{42}, "###0.000"), "42.000");
  EXPECT_EQ(FormatPattern(int64_t{0}, "0.000%"), "0.000%");
}

TEST(FormatPatternTest, NonFiniteValuesAreNamed) {
  EXPECT_EQ(FormatPattern(std::numeric_limits<double>::infinity(), "0.000%"), "Inf");
  EXPECT_EQ(FormatPattern(std::numeric_limits<double>::quiet_NaN(), "0.000%"), "NaN");
}

TEST(TextTest, RightAlignAndTrim) {
  EXPECT_EQ(RightAlign("7", 3), "  7");
  EXPECT_EQ(RightAlign("40", 5), "   40");
  EXPECT_EQ(RightAlign("123456", 5), "123456");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\tx "), "\tx");
}

TEST(TextTest, PlainAndBlankLedForms) {
  EXPECT_EQ(PlainText(int64_t{-12}), "-12");
  EXPECT_EQ(BlankLed(int64_t{12}), " 12");
  EXPECT_EQ(BlankLed(int64_t{0}), " 0");
  EXPECT_EQ(BlankLed(int64_t{-3}), "-3");
  EXPECT_EQ(PlainText(61.7f), "61.7");
  EXPECT_EQ(PlainText(95.67f), "95.67");
  EXPECT_EQ(PlainText(95.67f * 100.0f), "9567");
  EXPECT_EQ(PlainText(9550.0f), "9550");
  EXPECT_EQ(PlainText(10000.0f), "10000");
  EXPECT_EQ(PlainText(0.1f), "0.1");
  EXPECT_EQ(PlainText(1.0f / 3.0f), "0.3333333");
  EXPECT_EQ(PlainText(1234567.0f), "1234567");
  EXPECT_EQ(PlainText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(PlainText(0.0000125f), "1.25E-05");
  EXPECT_EQ(PlainText(0.0001f), "0.0001");
  EXPECT_EQ(PlainText(-2.5f), "-2.5");
  EXPECT_EQ(PlainText(0.0f), "0");
  EXPECT_EQ(BlankLed(2.5f), " 2.5");
  EXPECT_EQ(BlankLed(-2.5f), "-2.5");
}

TEST(ReadLenientTest, LeadingNumberWithBlanksSkipped) {
  EXPECT_DOUBLE_EQ(ReadLenient("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(ReadLenient(" 1 000 ,"), 1000.0);
  EXPECT_DOUBLE_EQ(ReadLenient("-7abc"), -7.0);
  EXPECT_DOUBLE_EQ(ReadLenient("- 7"), -7.0);
  EXPECT_DOUBLE_EQ(ReadLenient("+3"), 3.0);
  EXPECT_DOUBLE_EQ(ReadLenient(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ReadLenient("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(ReadLenient("2E-1x"), 0.2);
  EXPECT_DOUBLE_EQ(ReadLenient("12e"), 12.0);
  EXPECT_DOUBLE_EQ(ReadLenient("12e+"), 12.0);
  EXPECT_DOUBLE_EQ(ReadLenient("95,67"), 95.0);
  EXPECT_DOUBLE_EQ(ReadLenient(""), 0.0);
  EXPECT_DOUBLE_EQ(ReadLenient("word"), 0.0);
  EXPECT_DOUBLE_EQ(ReadLenient("-"), 0.0);
  EXPECT_DOUBLE_EQ(ReadLenient("."), 0.0);
  EXPECT_EQ(ReadLenient("1e999"), HUGE_VAL);
  EXPECT_EQ(ReadLenient("-1e999"), -HUGE_VAL);
  EXPECT_EQ(ReadLenient("1e-999"), 0.0);
}

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(12.5), 12.0);
  EXPECT_EQ(RoundHalfEven(13.5), 14.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(RoundHalfEven(-0.6), -1.0);
  EXPECT_EQ(RoundHalfEven(7.0), 7.0);
}

TEST(PrintZoneLineTest, CommasMoveToTheNextZone) {
  PrintZoneLine line;
  line.Number(1234).Comma().Number(7).Comma().Text("  Free Spin");
  EXPECT_EQ(line.End(), " 1234 " + std::string(8, ' ') + " 7 " + std::string(11, ' ') + "  Free Spin\r\n");
  PrintZoneLine leading;
  leading.Comma().Number(-5);
  EXPECT_EQ(leading.Current(), std::string(14, ' ') + "-5 ");
  PrintZoneLine full;
  full.Text(std::string(14, 'x')).Comma().Text("y");
  EXPECT_EQ(full.Current(), std::string(14, 'x') + std::string(14, ' ') + "y");
}
