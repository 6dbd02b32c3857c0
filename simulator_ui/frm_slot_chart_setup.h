#pragma once
// How the seven set-up boxes are read into the chart's set-up.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "rtp_chart.h"

namespace tamberlo::chart {

// The boxes in reading order: txtMastabi 0..3, then txtCounterRST 0..2.
inline constexpr int kSetupBoxes = 7;
using SetupTexts = std::array<std::string, kSetupBoxes>;

struct SetupRefusal {
  int box = 0;          // index into SetupTexts
  std::string message;  // names the box and what it must hold
};

// Each box reads leniently and rounds half to even. Values the chart cannot
// draw with (a zero step, no points per sweep, an empty window, a band
// beyond 16 bits, a number beyond its type) are refused, first box first.
struct SetupReading {
  ChartSetup setup;
  std::optional<SetupRefusal> refusal;
};
SetupReading ReadSetupTexts(const SetupTexts& texts);

}  // namespace tamberlo::chart
