#include "labels.h"

#include "text_format.h"

namespace tamberlo {

namespace {

std::string Count(int64_t value) { return Trim(FormatPattern(value, "### ### ###")); }

// A share whose divisor is still 0 has no value yet; say so instead of
// inventing one.
std::string Share(int64_t part, int64_t whole, const char* pattern, const char* none) {
  if (whole == 0) return none;
  return Trim(FormatPattern(static_cast<double>(part) / static_cast<double>(whole), pattern));
}

std::string FreeGamesText(const LabelValue& v, const char* separator, const char* pattern) {
  return " Free " + Count(v.games) + separator + " Win " + Count(v.win) + separator + " " +
         Share(v.win, v.bet, pattern, "no games yet");
}

}  // namespace

std::string LabelText(const LabelValue& v) {
  switch (v.kind) {
    case LabelKind::Empty:
      return {};
    case LabelKind::RtpLine:
      return " Win " + Count(v.win) + " / " + Count(v.bet) + " = " +
             Share(v.win, v.bet, "0.000%", "no games yet");
    case LabelKind::GamesCount:
      return " Games = " + BlankLed(v.games);
    case LabelKind::FreeGamesLeft:
      return " FreeGames = " + BlankLed(v.games);
    case LabelKind::GameWin:
      return " GameWin = " + BlankLed(v.win);
    case LabelKind::FreeGamesBase:
      return FreeGamesText(v, "; ", "0.000%");
    case LabelKind::FreeGamesRun:
      return FreeGamesText(v, ", ", "0.00%");
    case LabelKind::HitRate:
      if (v.winCount == 0) return "no wins yet";
      return FormatPattern(20.0 * static_cast<double>(v.games) / static_cast<double>(v.winCount),
                           "### ### ##0.000");
    case LabelKind::Cash:
      return " Cash = " + FormatPattern(v.credits, "# ### ### $");
    case LabelKind::CashTotal:
      return " Total = " + FormatPattern(v.credits, "# ### ### $");
  }
  return {};
}

}  // namespace tamberlo
