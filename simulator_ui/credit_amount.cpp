#include "credit_amount.h"

#include <algorithm>
#include <limits>

#include "text_format.h"

namespace tamberlo::ui {

namespace {

// Past this magnitude the value is out of range whatever follows; stopping
// here keeps any number of digits from overflowing.
constexpr int64_t kTooLarge = int64_t{1} << 32;

}  // namespace

std::optional<int32_t> ReadCreditAmount(std::string_view text) {
  const NumberText number = ScanNumber(text, false, false);
  if (!IsWholeText(text, number)) return std::nullopt;

  // Rounded on the digits as written, so no digit is lost to a double.
  const std::string_view digits = number.digits;
  const size_t point = std::min(digits.find('.'), digits.size());
  int64_t whole = 0;
  for (const char c : digits.substr(0, point)) {
    if (whole < kTooLarge) whole = whole * 10 + (c - '0');
  }
  // The fraction only decides the rounding: below, exactly or above one half.
  const std::string_view fraction = digits.substr(std::min(point + 1, digits.size()));
  int vsHalf = -1;
  if (!fraction.empty()) {
    const bool restNonZero = fraction.find_first_not_of('0', 1) != std::string_view::npos;
    vsHalf = fraction[0] < '5' ? -1 : (fraction[0] > '5' || restNonZero) ? 1 : 0;
  }
  if (vsHalf > 0 || (vsHalf == 0 && whole % 2 == 1)) ++whole;
  const int64_t value = number.negative ? -whole : whole;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

}  // namespace tamberlo::ui
