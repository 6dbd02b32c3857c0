#pragma once
// The program's number texts, in one place: display patterns, the plain and
// blank-led forms, lenient reading and half-to-even rounding.
#include <cstdint>
#include <string>
#include <string_view>

namespace tamberlo {

// A value written with a display pattern ("### ### ###", "# ### ### $",
// "# ### ### ##0", "###0.000", "### ### ##0.000", "### ##0.000%", "0.00%",
// "0.000%", "0.0000%", "00.000000"). '#' and '0' are digit places filled
// from the right; digits beyond the places all go to the leftmost place.
// A '%' pattern writes the value times 100. Decimals: the value written with
// 15 significant digits, then rounded half away from zero.
std::string FormatPattern(int64_t value, std::string_view pattern);
std::string FormatPattern(double value, std::string_view pattern);

// The rounding behind every decimal pattern, without allocating: `magnitude`
// (not negative) with 15 significant digits, rounded half away from zero to
// `places` decimals. `digits` gets the integer digits, without leading zeros,
// then exactly `places` decimal digits; the result is the count of integer
// digits. `digits` holds kMaxRoundedDigits characters; `places` is below 40.
inline constexpr int kMaxRoundedDigits = 400;
int RoundedDigits(double magnitude, int places, char* digits);

// "@@@" / "@@@@@": the plain text right-aligned in `width` characters; a
// longer text is not cut.
std::string RightAlign(std::string_view text, int width);

std::string Trim(std::string_view text);  // blanks removed at both ends

// Plain form: no blank. A float in its shortest form, at most 7 significant digits.
std::string PlainText(int64_t value);
std::string PlainText(float value);
// Blank-led form: one leading blank when not negative, a minus sign otherwise.
std::string BlankLed(int64_t value);
std::string BlankLed(float value);

// The decimal number that a text begins with, after any blanks: an optional
// sign, digits with an optional '.' and fraction, and, with `exponents`, an
// optional exponent. With `blanksInside` blanks between its characters are
// skipped, so digit groups read as one number. Every number reader of the
// program is built on it, and they differ only in these rules and in what
// they make of the rest of the text.
struct NumberText {
  size_t length = 0;     // the characters it spans; 0 when the text begins with no number
  bool negative = false;
  std::string digits;    // mantissa and exponent without sign and blanks ("12.5e3")
  double Value() const;  // far too large reads as infinity, far too small as 0
};
NumberText ScanNumber(std::string_view text, bool blanksInside, bool exponents);

// A number with nothing but blanks around it, blanks inside not allowed.
bool IsWholeText(std::string_view text, const NumberText& number);

// Lenient reading: the leading part of the text that reads as a decimal
// number ('.' decimal point, optional sign and exponent, blanks skipped);
// empty or non-numeric text reads as 0.
double ReadLenient(std::string_view text);

// Nearest whole number, a half to the even neighbour.
double RoundHalfEven(double value);

}  // namespace tamberlo
