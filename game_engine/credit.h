#pragma once
// The credit's rules: Add's sums and the settlement of a stepped game. Both
// credit sums are 32-bit; a sum that would leave that range is not made, the
// sum keeps its value and the user is told what could not be added.
#include <cstdint>
#include <optional>

#include "display.h"
#include "game_state.h"

namespace tamberlo {

// sum + amount, or nothing when that leaves the 32-bit signed range.
std::optional<int32_t> CreditSum(int32_t sum, int64_t amount);

// Enter in the credit box: `amount` (not negative) goes to Cash and to
// CashIn, each on its own terms; both their labels are written.
void AddCredit(GameState& state, Display& display, int32_t amount);

// A stepped game once no series is pending: its stake and its whole win
// since WinBeforeGame, in one update of Cash; its label is written.
void SettleGame(GameState& state, Display& display);

}  // namespace tamberlo
