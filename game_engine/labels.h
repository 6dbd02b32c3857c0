#pragma once
// The main window's labels as values: the engine hands over numbers, and
// the text is made only when a window paints it (a quiet game formats nothing).
#include <cstdint>
#include <string>

namespace tamberlo {

enum class LabelKind : uint8_t {
  Empty,
  RtpLine,        // Label1(0): a = TotalWin, b = TotalBet
  GamesCount,     // Label1(1): " Games = " + blank-led a
  FreeGamesLeft,  // Label1(1): " FreeGames = " + blank-led a
  GameWin,        // Label1(2): " GameWin = " + blank-led a
  FreeGamesBase,  // Label1(3), base game form: a = FreeGames, b = FreeWin, c = TotalBet
  FreeGamesRun,   // Label1(3), run loop form: same values, ",  " and "0.00%"
  HitRate,        // Label1(4): a = Games, b = WinCount
  Cash,           // Label1(5): " Cash = " + a in "# ### ### $"
  CashTotal,      // Label1(6): " Total = " + a in "# ### ### $"
};

struct LabelValue {
  LabelKind kind = LabelKind::Empty;
  int64_t a = 0;
  int64_t b = 0;
  int64_t c = 0;
  bool operator==(const LabelValue&) const = default;
};

std::string LabelText(const LabelValue& value);

}  // namespace tamberlo
