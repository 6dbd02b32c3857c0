#pragma once
// The chart's set-up values and how the seven set-up boxes are read into them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tamberlo::chart {

struct ChartSetup {
  int16_t XSizeSteps = 500;
  int16_t MinPercent = 71;
  int16_t StepPercent = 4;
  int16_t TargetPercent = 95;
  int32_t CounterReset[3] = {0, 500, 100};  // red (unused), green, blue
  bool operator==(const ChartSetup&) const = default;
};

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
