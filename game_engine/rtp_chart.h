#pragma once
// The RTP chart's arithmetic: the sweeps, the three lines' points and the
// green and blue windows of calls. The chart window draws what a call decides.
#include <cstdint>

namespace tamberlo::chart {

// The chart's set-up, as the set-up boxes last gave it.
struct ChartSetup {
  int16_t XSizeSteps = 500;
  int16_t MinPercent = 71;
  int16_t StepPercent = 4;
  int16_t TargetPercent = 95;
  int32_t CounterReset[3] = {0, 500, 100};  // red (unused), green, blue
  bool operator==(const ChartSetup&) const = default;
};

// One line's segment in chart units, from its last point kept to this call's
// point; not drawn when the line is hidden or its window holds no bet.
struct LineSegment {
  bool drawn = false;
  int32_t fromY = 0;
  double toY = 0;
};

// What one DrawPercent call does, in the order it is done.
struct ChartPoint {
  bool charted = false;     // "Chart" checked; otherwise the call was only counted
  bool sweepEnd = false;    // the sweep's summary, before this call's segments
  bool sweepStart = false;  // x is 0: where a cleared chart begins
  int fromX = 0;            // chart x of the segments
  int toX = 0;
  LineSegment blue, green, red;
  bool percentLine = false;  // the blue window ended with a bet: its return is logged
  double blueReturn = 0;     // in percent
};

// The chart's state from call to call, for the life of the chart window.
class RtpChart {
 public:
  // Counts the call; when charted, moves the lines on and resets the windows
  // that are due, on the counters as they stand after the games.
  ChartPoint Next(const ChartSetup& setup, int64_t totalBet, int64_t totalWin, bool charted);
  int64_t Calls() const { return ChartCallCount; }

 private:
  int64_t ChartCallCount = 0;
  // The green and blue windows' bases, and each line's last point.
  int64_t BetBaseGreen = 0;
  int64_t WinBaseGreen = 0;
  int64_t BetBaseBlue = 0;
  int64_t WinBaseBlue = 0;
  int16_t LastX = 0;
  int32_t LastYRed = 0;
  int32_t LastYGreen = 0;
  int32_t LastYBlue = 0;
};

}  // namespace tamberlo::chart
