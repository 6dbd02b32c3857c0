#include "credit_amount.h"

#include <limits>

namespace tamberlo::ui {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Past this magnitude the value is out of range whatever follows; stopping
// here keeps any number of digits from overflowing.
constexpr int64_t kTooLarge = int64_t{1} << 32;

}  // namespace

std::optional<int32_t> ReadCreditAmount(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }

  int64_t whole = 0;
  size_t i = 0, digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    if (whole < kTooLarge) whole = whole * 10 + (text[i] - '0');
  }

  // The fraction only decides the rounding: below, exactly or above one half.
  int vsHalf = -1;
  if (i < text.size() && text[i] == '.') {
    ++i;
    const size_t first = i;
    bool restNonZero = false;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
      if (i > first && text[i] != '0') restNonZero = true;
    }
    if (i > first) {
      const char lead = text[first];
      vsHalf = lead < '5' ? -1 : (lead > '5' || restNonZero) ? 1 : 0;
    }
  }
  if (digits == 0 || i != text.size()) return std::nullopt;

  if (vsHalf > 0 || (vsHalf == 0 && whole % 2 == 1)) ++whole;
  const int64_t value = negative ? -whole : whole;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

}  // namespace tamberlo::ui
