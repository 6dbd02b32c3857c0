// The credit's rules: a sum that would leave 32 bits is not made and the user
// is told; Add's two sums each on their own; Step's settlement of a game.
#include <limits>

#include "credit.h"
#include "helpers.h"

namespace tamberlo::testing {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
using Strings = std::vector<std::string>;

TEST(Credit, ASumIsMadeOnlyWithinThirtyTwoBits) {
  const std::optional<int32_t> no;
  const std::tuple<int32_t, int64_t, std::optional<int32_t>> cases[] = {
      {1000, 500, 1500},  {kMax - 5, 5, kMax},  {kMax - 5, 6, no},      {kMin + 1, -1, kMin},
      {kMin, -1, no},     {kMax, 0, kMax},      {-20, kMax, kMax - 20}, {0, std::numeric_limits<int64_t>::max(), no},
      {5, std::numeric_limits<int64_t>::min(), no}};
  for (const auto& [sum, amount, expected] : cases) EXPECT_EQ(CreditSum(sum, amount), expected) << sum << " + " << amount;
}

TEST(Credit, AddPutsTheAmountIntoEachSumThatCanTakeItAndNamesThoseThatCannot) {
  struct Case {
    int32_t cash, cashIn, amount, cashAfter, cashInAfter;
    Strings messages;
  };
  const Case cases[] = {
      {1'000'000, 1'000'000, 500, 1'000'500, 1'000'500, {}},
      {5, 5, 0, 5, 5, {}},
      {kMax - 1000, 2000, 1000, kMax, 3000, {}},
      {2'147'000'000, 1'000'000, 1'000'000, 2'147'000'000, 2'000'000,
       {"Cash cannot take 1 000 000 credits more: it would pass 2 147 483 647 and stays at 2 147 000 000."}},
      {1000, 2'147'483'000, 648, 1648, 2'147'483'000,
       {"Total cannot take 648 credits more: it would pass 2 147 483 647 and stays at 2 147 483 000."}},
      {kMax, kMax - 1, 2, kMax, kMax - 1,
       {"Cash cannot take 2 credits more: it would pass 2 147 483 647 and stays at 2 147 483 647.\n"
        "Total cannot take 2 credits more: it would pass 2 147 483 647 and stays at 2 147 483 646."}}};
  for (const Case& c : cases) {
    GameState s;
    RecordingDisplay display;
    s.Cash = c.cash, s.CashIn = c.cashIn;
    AddCredit(s, display, c.amount);
    EXPECT_EQ(Values(s.Cash, s.CashIn), Values(c.cashAfter, c.cashInAfter)) << c.amount;
    EXPECT_EQ(display.messages, c.messages);
    EXPECT_EQ(display.Labels({LabelSlot::Cash, LabelSlot::CashTotal}),
              (std::vector<LabelValue>{{.kind = LabelKind::Cash, .credits = c.cashAfter},
                                       {.kind = LabelKind::CashTotal, .credits = c.cashInAfter}}));
  }
}

TEST(Credit, AGameIsSettledInFullOrNotAtAllAndTheUserIsTold) {
  struct Case {
    int32_t cash;
    int64_t win, cashAfter;
    Strings messages;
  };
  const Case cases[] = {
      {1000, 840, 1820, {}},
      {20, 0, 0, {}},
      {kMax - 5, 25, kMax, {}},
      {kMax - 5, 200, kMax - 5,
       {"Cash cannot take this game's win of 200 less its stake of 20: it would pass 2 147 483 647 and "
        "stays at 2 147 483 642."}},
      {kMax, 10, kMax - 10, {}},  // a win below the stake still charges the rest
      {100, -3'000'000'000, 100,
       {"Cash cannot take this game's win of -3 000 000 000 less its stake of 20: it would fall below "
        "-2 147 483 648 and stays at 100."}}};
  for (const Case& c : cases) {
    GameState s;
    RecordingDisplay display;
    s.Cash = c.cash, s.CashIn = 7;
    s.WinBeforeGame = 5000, s.TotalWin = 5000 + c.win;
    SettleGame(s, display);
    EXPECT_EQ(Values(s.Cash, s.CashIn, s.TotalWin), Values(c.cashAfter, 7, 5000 + c.win)) << c.win;
    EXPECT_EQ(display.messages, c.messages);
    EXPECT_EQ(display.labelWrites, std::vector{LabelSlot::Cash});
    EXPECT_EQ(display.labels[LabelSlot::Cash], (LabelValue{.kind = LabelKind::Cash, .credits = c.cashAfter}));
  }
}

}  // namespace
}  // namespace tamberlo::testing
