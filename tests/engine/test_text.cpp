// The number texts and the main window's labels made of them.
#include <cmath>
#include <limits>

#include "helpers.h"
#include "labels.h"
#include "text_format.h"

namespace tamberlo::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Text, PatternsFillPlacesFromTheRightAndRoundHalfAwayOnFifteenDigits) {
  const struct { int64_t value; const char* pattern; const char* text; } whole[] = {
      {19000, "### ### ###", " 19 000"}, {0, "### ### ###", "  "}, {0, "# ### ### ##0", "   0"},
      {2147483647, "# ### ### ##0", "2 147 483 647"}, {20, "# ### ### $", "  20 $"},
      {2085490971, "### ### ###", "2085 490 971"},  // extra digits go to the leftmost place
      {-19000, "### ### ###", " -19 000"}, {std::numeric_limits<int64_t>::min(), "### ###", "-9223372036854775 808"},
      {3, "0.00%", "300.00%"}, {42, "###0.000", "42.000"}, {0, "0.000%", "0.000%"}};
  for (const auto& c : whole) EXPECT_EQ(FormatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
  const struct { double value; const char* pattern; const char* text; } decimal[] = {
      {0.3343985, "0.0000%", "33.4399%"}, {6.578125, "0.000%", "657.813%"}, {0.0625, "###0.000", "0.063"},
      {0.95432, "### ##0.000%", " 95.432%"}, {7.5, "00.000000", "07.500000"}, {101.25, "00.000000", "101.250000"},
      {0.9999995, "0.0000%", "100.0000%"}, {9.9995, "###0.000", "10.000"}, {0.5, "### ### ##0.000", "  0.500"},
      {1234567.8915, "### ### ##0.000", "1 234 567.892"}, {1e-20, "0.00%", "0.00%"}, {-1.5, "###0.000", "-1.500"},
      {-0.0004, "0.00%", "-0.04%"}, {-0.00004, "0.00%", "0.00%"},  // no sign on a rounded zero
      {3e20, "### ###", "300000000000000000 000"}, {kInf, "0.000%", "Inf"}, {std::nan(""), "0.000%", "NaN"}};
  for (const auto& c : decimal) EXPECT_EQ(FormatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(Text, PlainBlankLedAlignedAndTrimmed) {
  const std::pair<float, const char*> floats[] = {
      {61.7f, "61.7"}, {95.67f * 100.0f, "9567"}, {10000.0f, "10000"}, {1.0f / 3.0f, "0.3333333"},
      {1234567.0f, "1234567"}, {12345678.0f, "1.234568E+07"}, {0.0000125f, "1.25E-05"}, {0.0001f, "0.0001"},
      {-2.5f, "-2.5"}, {0.0f, "0"}};
  for (const auto& [value, text] : floats) EXPECT_EQ(PlainText(value), text);
  EXPECT_EQ(BlankLed(int64_t{12}) + BlankLed(int64_t{0}) + BlankLed(int64_t{-3}), " 12 0-3");
  EXPECT_EQ(BlankLed(2.5f) + BlankLed(-2.5f), " 2.5-2.5");
  EXPECT_EQ(RightAlign("40", 5) + "|" + RightAlign("123456", 5), "   40|123456");
  EXPECT_EQ(Trim("  a b  ") + "|" + Trim("   ") + "|" + Trim("\tx "), "a b||\tx");
}

TEST(Text, LenientReadingAndHalfToEvenRounding) {
  const std::pair<const char*, double> texts[] = {
      {" 1 000 ,", 1000}, {"-7abc", -7}, {"- 7", -7}, {"+3", 3}, {".5", 0.5}, {"2E-1x", 0.2}, {"12e+", 12},
      {"95,67", 95}, {"", 0}, {"word", 0}, {"-", 0}, {".", 0}, {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL},
      {"1e-999", 0}};
  for (const auto& [text, value] : texts) EXPECT_EQ(ReadLenient(text), value) << text;
  const std::pair<double, double> halves[] = {{12.5, 12}, {13.5, 14}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {-0.6, -1}};
  for (const auto& [value, rounded] : halves) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(Text, LabelsSayNoGamesYetBeforeTheFirstGame) {
  const std::pair<LabelValue, const char*> labels[] = {
      {{LabelKind::RtpLine, 19000, 20000}, " Win 19 000 / 20 000 = 95.000%"},
      {{LabelKind::RtpLine, 0, 0}, " Win  /  = no games yet"},
      {{LabelKind::GamesCount, 100}, " Games =  100"}, {{LabelKind::FreeGamesLeft, 20}, " FreeGames =  20"},
      {{LabelKind::GameWin, -20}, " GameWin = -20"},
      {{LabelKind::FreeGamesBase, 1234, 567890, 2000000}, " Free 1 234;  Win 567 890;  28.395%"},
      {{LabelKind::FreeGamesRun, 1234, 567890, 2000000}, " Free 1 234,  Win 567 890,  28.39%"},
      {{LabelKind::FreeGamesRun, 0, 0, 0}, " Free ,  Win ,  no games yet"},
      {{LabelKind::HitRate, 1000, 3}, " 6 666.667"}, {{LabelKind::HitRate, 5, 0}, "no wins yet"},
      {{LabelKind::Cash, 1000000}, " Cash = 1 000 000 $"}, {{LabelKind::CashTotal, 20}, " Total =   20 $"},
      {{}, ""}};
  for (const auto& [value, text] : labels) EXPECT_EQ(LabelText(value), text);
}

}  // namespace
}  // namespace tamberlo::testing
