#include "rtp_chart_summary.h"

#include "text_format.h"

namespace tamberlo::chart {
namespace {

constexpr const char* kCount = "### ### ###";

// Before the first bet the return is undefined; say so rather than print a number.
std::string ReturnText(const GameState& state) {
  if (state.TotalBet == 0) return "n/a";
  return Trim(FormatPattern(static_cast<double>(state.TotalWin) / static_cast<double>(state.TotalBet),
                            "0.000%"));
}

}  // namespace

std::string SnapshotSummary(const GameState& state) {
  return "Games played =" + FormatPattern(state.Games, kCount) + "     " +
         FormatPattern(state.TotalWin, kCount) + " / " + FormatPattern(state.TotalBet, kCount) +
         " = " + ReturnText(state);
}

std::string SweepSummary(const GameState& state) {
  return "Games = " + Trim(FormatPattern(state.Games, kCount)) + "    " + ReturnText(state) +
         " = " + Trim(FormatPattern(state.TotalWin, kCount)) + " / " +
         Trim(FormatPattern(state.TotalBet, kCount));
}

std::string SweepBitmapName(const GameState& state) {
  return "Test" + BlankLed(state.Games) + ".bmp";
}

}  // namespace tamberlo::chart
