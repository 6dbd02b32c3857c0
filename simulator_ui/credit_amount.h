#pragma once
// The credit box's amount, read strictly: blanks around, an optional sign,
// digits with an optional "." fraction, rounded half to even. Nothing else.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tamberlo::ui {

// Empty when the text is not such a number or its rounded value leaves the
// 32-bit signed range.
std::optional<int32_t> ReadCreditAmount(std::string_view text);

}  // namespace tamberlo::ui
