#include "text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace tamberlo {

namespace {

bool IsPlace(char c) { return c == '#' || c == '0'; }

// Digits of a non-negative magnitude, most significant first; 0 has no digits.
size_t MagnitudeDigits(uint64_t magnitude, char* out) {
  char reversed[20];
  size_t n = 0;
  while (magnitude != 0) {
    reversed[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  for (size_t i = 0; i < n; ++i) out[i] = reversed[n - 1 - i];
  return n;
}

uint64_t Magnitude(int64_t value) {
  return value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
}

// Writes a number given as its integer digits (no leading zeros; empty for
// a zero integer part) and exactly as many fraction digits as the pattern
// has decimal places.
std::string WriteWithPattern(std::string_view intDigits, std::string_view fracDigits,
                             bool negative, std::string_view pattern) {
  const size_t point = pattern.find('.');
  const std::string_view intSection = pattern.substr(0, point);
  const std::string_view fracSection =
      point == std::string_view::npos ? std::string_view() : pattern.substr(point);

  if (negative) {
    const bool allZero =
        std::all_of(intDigits.begin(), intDigits.end(), [](char c) { return c == '0'; }) &&
        std::all_of(fracDigits.begin(), fracDigits.end(), [](char c) { return c == '0'; });
    negative = !allZero;
  }

  size_t leftmostPlace = intSection.size();
  for (size_t i = 0; i < intSection.size(); ++i) {
    if (IsPlace(intSection[i])) {
      leftmostPlace = i;
      break;
    }
  }

  // The integer section is filled from the right, so it is built reversed.
  std::string out;
  out.reserve(pattern.size() + intDigits.size() + 2);
  size_t remaining = intDigits.size();
  size_t signAt = 0;  // reversed position just left of the leftmost digit written
  for (size_t i = intSection.size(); i-- > 0;) {
    const char c = intSection[i];
    if (!IsPlace(c)) {
      out.push_back(c);
      continue;
    }
    if (remaining > 0) {
      if (i == leftmostPlace) {
        while (remaining > 0) out.push_back(intDigits[--remaining]);
      } else {
        out.push_back(intDigits[--remaining]);
      }
      signAt = out.size();
    } else if (c == '0') {
      out.push_back('0');
      signAt = out.size();
    }
  }
  if (negative) out.insert(out.begin() + static_cast<std::ptrdiff_t>(signAt), '-');
  std::reverse(out.begin(), out.end());

  size_t frac = 0;
  for (const char c : fracSection) {
    if (!IsPlace(c)) {
      out.push_back(c);
      continue;
    }
    out.push_back(fracDigits[frac++]);
  }
  return out;
}

size_t DecimalPlaces(std::string_view pattern) {
  const size_t point = pattern.find('.');
  if (point == std::string_view::npos) return 0;
  return static_cast<size_t>(
      std::count_if(pattern.begin() + static_cast<std::ptrdiff_t>(point), pattern.end(), IsPlace));
}

bool IsPercent(std::string_view pattern) { return pattern.find('%') != std::string_view::npos; }

// Significant digits and decimal exponent of a finite non-zero value, as
// written by to_chars in scientific form with `precision` + 1 digits.
struct Scientific {
  char digits[20];
  int count = 0;
  int exponent = 0;
};

Scientific ToScientific(double magnitude, int precision) {
  char buf[64];
  const auto result =
      std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, precision);
  Scientific s;
  const char* p = buf;
  for (; p != result.ptr && *p != 'e'; ++p) {
    if (*p != '.') s.digits[s.count++] = *p;
  }
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, s.exponent);
  return s;
}

}  // namespace

std::string FormatPattern(int64_t value, std::string_view pattern) {
  char digits[24];
  size_t n = MagnitudeDigits(Magnitude(value), digits);
  if (IsPercent(pattern) && n > 0) {
    digits[n++] = '0';
    digits[n++] = '0';
  }
  char zeros[32];
  const size_t places = std::min(DecimalPlaces(pattern), sizeof zeros);
  std::fill(zeros, zeros + places, '0');
  return WriteWithPattern(std::string_view(digits, n), std::string_view(zeros, places), value < 0,
                          pattern);
}

std::string FormatPattern(double value, std::string_view pattern) {
  if (IsPercent(pattern)) value *= 100.0;
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  const int places = static_cast<int>(DecimalPlaces(pattern));
  char digits[kMaxRoundedDigits];
  const int intCount = RoundedDigits(std::fabs(value), places, digits);
  return WriteWithPattern(std::string_view(digits, static_cast<size_t>(intCount)),
                          std::string_view(digits + intCount, static_cast<size_t>(places)), value < 0,
                          pattern);
}

int RoundedDigits(double magnitude, int places, char* digits) {
  // Significant digits with the decimal point after `pointPos` of them; a
  // value below 1 is led by the zeros between the point and its first digit.
  char all[kMaxRoundedDigits] = {};
  int count = 0;
  int pointPos = 0;
  if (magnitude != 0.0) {
    const Scientific s = ToScientific(magnitude, 14);
    pointPos = s.exponent + 1;
    if (pointPos < 0) {
      std::fill(all, all - pointPos, '0');
      count = -pointPos;
      pointPos = 0;
    }
    std::copy(s.digits, s.digits + s.count, all + count);
    count += s.count;
  }
  const int kept = pointPos + places;
  if (count > kept) {
    const bool up = all[kept] >= '5';
    count = kept;
    if (up) {
      int i = kept;
      while (i > 0 && all[i - 1] == '9') all[--i] = '0';
      if (i == 0) {
        std::copy_backward(all, all + kept, all + kept + 1);
        all[0] = '1';
        ++pointPos;
        ++count;
      } else {
        ++all[i - 1];
      }
    }
  }
  std::fill(all + count, all + pointPos + places, '0');

  int first = 0;
  while (first < pointPos && all[first] == '0') ++first;
  std::copy(all + first, all + pointPos + places, digits);
  return pointPos - first;
}

std::string RightAlign(std::string_view text, int width) {
  std::string out;
  if (static_cast<int>(text.size()) < width) out.assign(static_cast<size_t>(width) - text.size(), ' ');
  out.append(text);
  return out;
}

std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string PlainText(int64_t value) {
  char buf[24];
  const auto result = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, result.ptr);
}

std::string PlainText(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  if (value == 0.0f) return "0";
  const double magnitude = std::fabs(static_cast<double>(value));

  // The fewest significant digits (up to 7) that read back as the same float.
  Scientific s;
  for (int precision = 0; precision < 7; ++precision) {
    s = ToScientific(magnitude, precision);
    char text[40];
    char* p = text;
    *p++ = s.digits[0];
    *p++ = '.';
    p = std::copy(s.digits + 1, s.digits + s.count, p);
    *p++ = 'e';
    p = std::to_chars(p, text + sizeof text, s.exponent).ptr;
    float back = 0.0f;
    std::from_chars(text, p, back);
    if (back == std::fabs(value)) break;
  }
  while (s.count > 1 && s.digits[s.count - 1] == '0') --s.count;

  std::string out;
  if (value < 0) out.push_back('-');
  const std::string_view digits(s.digits, static_cast<size_t>(s.count));
  if (s.exponent >= 7 || s.exponent < -4) {
    out.push_back(digits[0]);
    if (digits.size() > 1) {
      out.push_back('.');
      out.append(digits.substr(1));
    }
    out.append(s.exponent < 0 ? "E-" : "E+");
    const int e = std::abs(s.exponent);
    if (e < 10) out.push_back('0');
    out.append(PlainText(static_cast<int64_t>(e)));
  } else if (s.exponent >= 0) {
    const size_t intCount = static_cast<size_t>(s.exponent) + 1;
    if (digits.size() <= intCount) {
      out.append(digits);
      out.append(intCount - digits.size(), '0');
    } else {
      out.append(digits.substr(0, intCount));
      out.push_back('.');
      out.append(digits.substr(intCount));
    }
  } else {
    out.append("0.");
    out.append(static_cast<size_t>(-s.exponent - 1), '0');
    out.append(digits);
  }
  return out;
}

namespace {
std::string LedByBlank(bool negative, std::string plain) {
  if (!negative) plain.insert(plain.begin(), ' ');
  return plain;
}
}  // namespace

std::string BlankLed(int64_t value) { return LedByBlank(value < 0, PlainText(value)); }

std::string BlankLed(float value) { return LedByBlank(value < 0.0f, PlainText(value)); }

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

NumberText ScanNumber(std::string_view text, bool blanksInside, bool exponents) {
  NumberText number;
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  auto takeDigits = [&] {
    size_t taken = 0;
    if (blanksInside) skipBlanks();
    for (; i < text.size() && IsDigit(text[i]); ++taken) {
      number.digits.push_back(text[i++]);
      if (blanksInside) skipBlanks();
    }
    return taken;
  };

  skipBlanks();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    number.negative = text[i++] == '-';
  }
  size_t mantissaDigits = takeDigits();
  if (i < text.size() && text[i] == '.') {
    number.digits.push_back(text[i++]);
    mantissaDigits += takeDigits();
  }
  if (mantissaDigits == 0) return {};
  if (exponents && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    const size_t mark = i;
    const size_t digitsMark = number.digits.size();
    number.digits.push_back('e');
    ++i;
    if (blanksInside) skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.digits.push_back(text[i++]);
    if (takeDigits() == 0) {
      i = mark;
      number.digits.resize(digitsMark);
    }
  }
  number.length = i;
  return number;
}

double NumberText::Value() const {
  double value = 0.0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Either far too large or far too small: tell them apart by the exponent sign.
    const size_t e = digits.find('e');
    const bool tiny = e != std::string::npos && e + 1 < digits.size() && digits[e + 1] == '-';
    value = tiny ? 0.0 : HUGE_VAL;
  }
  return negative ? -value : value;
}

bool IsWholeText(std::string_view text, const NumberText& number) {
  return number.length > 0 &&
         std::all_of(text.begin() + static_cast<std::ptrdiff_t>(number.length), text.end(), IsBlank);
}

double ReadLenient(std::string_view text) {
  const NumberText number = ScanNumber(text, true, true);
  return number.length == 0 ? 0.0 : number.Value();
}

// The current rounding mode, round to nearest, takes a half to the even neighbour.
double RoundHalfEven(double value) { return std::nearbyint(value); }

}  // namespace tamberlo
