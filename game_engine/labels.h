#pragma once
// The main window's labels as values: the engine hands over numbers, and
// the text is made only when a window paints it (a quiet game formats nothing).
#include <cstddef>
#include <cstdint>
#include <string>

namespace tamberlo {

// The main window's labels by what they show. Each name's value is the
// label's index in the window's Label1 array; nothing else maps one to the other.
enum class LabelSlot : uint8_t {
  Rtp = 0,        // the running return: all wins over all bets
  Games = 1,      // games played, or the free spins left while a series is stepped
  GameWin = 2,    // the last game's win
  FreeGames = 3,  // the free games won, their win and its share of the bets
  HitRate = 4,    // lines played per win
  Cash = 5,       // the credit left
  CashTotal = 6,  // all credit ever added
};
inline constexpr size_t kLabelSlots = 7;

constexpr size_t LabelIndex(LabelSlot slot) { return static_cast<size_t>(slot); }

enum class LabelKind : uint8_t {
  Empty,
  RtpLine,        // win / bet
  GamesCount,     // " Games = " + blank-led games
  FreeGamesLeft,  // " FreeGames = " + blank-led games (the spins left)
  GameWin,        // " GameWin = " + blank-led win
  FreeGamesBase,  // as a shown base game writes it: games, win and win / bet
  FreeGamesRun,   // as the run loop writes it: the same values, ",  " and "0.00%"
  HitRate,        // 20 * games / winCount
  Cash,           // " Cash = " + credits in "# ### ### $"
  CashTotal,      // " Total = " + credits in "# ### ### $"
};

// A label's numbers; each kind reads the fields its comment names and
// leaves the others at 0.
struct LabelValue {
  LabelKind kind = LabelKind::Empty;
  int64_t games = 0;     // games played, free games won or free spins left
  int64_t winCount = 0;  // wins counted
  int64_t win = 0;       // all wins, the free games' win or one game's win
  int64_t bet = 0;       // all bets
  int64_t credits = 0;   // Cash or CashIn
  bool operator==(const LabelValue&) const = default;
};

std::string LabelText(const LabelValue& value);

}  // namespace tamberlo
