#include "credit.h"

#include <limits>
#include <string>

#include "text_format.h"

namespace tamberlo {
namespace {

constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax = std::numeric_limits<int32_t>::max();

std::string Credits(int64_t value) { return Trim(FormatPattern(value, "# ### ### ##0")); }

// "<name> cannot take <what>: it would pass <limit> and stays at <sum>."
std::string Refusal(const char* name, const std::string& what, int32_t sum, int64_t amount) {
  const std::string beyond = amount > 0 ? "pass " + Credits(kMax) : "fall below " + Credits(kMin);
  return std::string(name) + " cannot take " + what + ": it would " + beyond + " and stays at " +
         Credits(sum) + ".";
}

}  // namespace

std::optional<int32_t> CreditSum(int32_t sum, int64_t amount) {
  if (amount > kMax - sum || amount < kMin - sum) return std::nullopt;
  return static_cast<int32_t>(sum + amount);
}

void AddCredit(GameState& state, Display& display, int32_t amount) {
  const std::optional<int32_t> cash = CreditSum(state.Cash, amount);
  const std::optional<int32_t> cashIn = CreditSum(state.CashIn, amount);
  const std::string what = Credits(amount) + " credits more";
  std::string refused;
  if (!cash) refused = Refusal("Cash", what, state.Cash, amount);
  if (!cash && !cashIn) refused += '\n';
  if (!cashIn) refused += Refusal("Total", what, state.CashIn, amount);
  state.Cash = cash.value_or(state.Cash);
  state.CashIn = cashIn.value_or(state.CashIn);
  display.SetLabel(LabelSlot::Cash, {.kind = LabelKind::Cash, .credits = state.Cash});
  display.SetLabel(LabelSlot::CashTotal, {.kind = LabelKind::CashTotal, .credits = state.CashIn});
  if (!refused.empty()) display.ShowMessage(refused);
}

void SettleGame(GameState& state, Display& display) {
  const int64_t win = state.TotalWin - state.WinBeforeGame;
  const int64_t amount = win - kStake;
  const std::optional<int32_t> cash = CreditSum(state.Cash, amount);
  if (cash) state.Cash = *cash;
  display.SetLabel(LabelSlot::Cash, {.kind = LabelKind::Cash, .credits = state.Cash});
  if (!cash) {
    display.ShowMessage(Refusal("Cash", "this game's win of " + Credits(win) + " less its stake of " +
                                            Credits(kStake),
                                state.Cash, amount));
  }
}

}  // namespace tamberlo
