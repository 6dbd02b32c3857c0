#pragma once
// The texts the chart writes over its drawing.
#include <string>

#include "game_state.h"

namespace tamberlo::chart {

// "Save" box: the counters in "### ### ###" with the pattern's blanks kept.
std::string SnapshotSummary(const GameState& state);
// End of a sweep: the same counters, trimmed.
std::string SweepSummary(const GameState& state);
// The sweep bitmap's file name: "Test", the games blank-led, ".bmp".
std::string SweepBitmapName(const GameState& state);

}  // namespace tamberlo::chart
