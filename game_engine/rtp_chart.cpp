#include "rtp_chart.h"

#include <algorithm>
#include <limits>

#include "text_format.h"

namespace tamberlo::chart {
namespace {

// Only absurd set-ups put a point beyond 32 bits; it is kept at the edge.
int32_t StoredY(double y) {
  constexpr double low = std::numeric_limits<int32_t>::min();
  constexpr double high = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(RoundHalfEven(std::clamp(y, low, high)));
}

double ReturnPercent(int64_t win, int64_t bet) {
  return static_cast<double>(win) / static_cast<double>(bet) * 100;
}

// A window without a bet has no return: its line keeps its last point.
LineSegment Advance(const ChartSetup& setup, int64_t win, int64_t bet, int32_t& lastY, bool shown) {
  LineSegment segment;
  if (bet == 0) return segment;
  segment.drawn = shown;
  segment.fromY = lastY;
  segment.toY = (ReturnPercent(win, bet) - setup.MinPercent) * 10 / setup.StepPercent;
  lastY = StoredY(segment.toY);
  return segment;
}

}  // namespace

ChartPoint RtpChart::Next(const ChartSetup& setup, int64_t totalBet, int64_t totalWin, bool charted) {
  const int64_t n = ++ChartCallCount;
  ChartPoint point;
  if (!charted) return point;
  point.charted = true;

  const int steps = setup.XSizeSteps;
  point.sweepEnd = (n + 1) % steps == 0;
  const int16_t x = static_cast<int16_t>(n % steps);
  point.sweepStart = x == 0;
  if (point.sweepStart) LastX = 0;

  point.fromX = LastX + 10;
  point.toX = x + 10;
  point.blue = Advance(setup, totalWin - WinBaseBlue, totalBet - BetBaseBlue, LastYBlue,
                       setup.CounterReset[2] != 1);
  point.green = Advance(setup, totalWin - WinBaseGreen, totalBet - BetBaseGreen, LastYGreen,
                        setup.CounterReset[1] != 1);
  point.red = Advance(setup, totalWin, totalBet, LastYRed, true);
  LastX = x;

  if (n % setup.CounterReset[1] == 0) {
    BetBaseGreen = totalBet + 1;
    WinBaseGreen = totalWin;
  }
  if (n % setup.CounterReset[2] == 0) {
    if (totalBet != BetBaseBlue) {
      point.percentLine = true;
      point.blueReturn = ReturnPercent(totalWin - WinBaseBlue, totalBet - BetBaseBlue);
    }
    BetBaseBlue = totalBet;
    WinBaseBlue = totalWin;
  }
  return point;
}

}  // namespace tamberlo::chart
