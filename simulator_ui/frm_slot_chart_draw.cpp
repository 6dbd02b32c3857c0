// DrawPercent: one point of the three RTP lines per call.
#include <QCheckBox>
#include <algorithm>
#include <cmath>
#include <limits>

#include "frm_slot_chart.h"
#include "frm_slot_chart_summary.h"
#include "text_format.h"

namespace {

constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kGreen = 0xff00ff00;
constexpr QRgb kRed = 0xffff0000;

int32_t StoredY(double y) {
  constexpr double low = std::numeric_limits<int32_t>::min();
  constexpr double high = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(tamberlo::RoundHalfEven(std::clamp(y, low, high)));
}

}  // namespace

void frmSlotChart::DrawPercent() {
  const int64_t n = ++ChartCallCount;
  if (!chkChart_->isChecked()) return;

  const int steps = setup_.XSizeSteps;
  if ((n + 1) % steps == 0) {
    if (!chkContinue_->isChecked()) mainWindow_.SetRunFlag(false);
    WriteSummary(tamberlo::chart::SweepSummary(state_));
    if (chkSave_->isChecked()) {
      SaveDrawing(QString::fromStdString(tamberlo::chart::SweepBitmapName(state_)));
    }
  }

  const int16_t x = static_cast<int16_t>(n % steps);
  if (x == 0) {
    if (chkClear_->isChecked()) FormFormat();
    LastX = 0;
  }

  const int64_t bet = state_.TotalBet;
  const int64_t win = state_.TotalWin;
  // A window without a bet has no return: its line keeps its last point.
  const auto point = [&](int64_t windowWin, int64_t windowBet, int32_t& lastY, QRgb colour,
                         bool shown) {
    if (windowBet == 0) return;
    const double y = (static_cast<double>(windowWin) / static_cast<double>(windowBet) * 100 -
                      setup_.MinPercent) *
                     10 / setup_.StepPercent;
    if (shown) canvas_.AddSegment(LastX + 10, lastY, x + 10, y, colour);
    lastY = StoredY(y);
  };
  point(win - WinBaseBlue, bet - BetBaseBlue, LastYBlue, kBlue, setup_.CounterReset[2] != 1);
  point(win - WinBaseGreen, bet - BetBaseGreen, LastYGreen, kGreen, setup_.CounterReset[1] != 1);
  point(win, bet, LastYRed, kRed, true);
  LastX = x;

  if (n % setup_.CounterReset[1] == 0) {
    BetBaseGreen = bet + 1;
    WinBaseGreen = win;
  }
  if (n % setup_.CounterReset[2] == 0) {
    if (bet != BetBaseBlue) {
      const double windowReturn =
          static_cast<double>(win - WinBaseBlue) / static_cast<double>(bet - BetBaseBlue) * 100;
      logs_.WritePercent(windowReturn, state_.Games);
    }
    BetBaseBlue = bet;
    WinBaseBlue = win;
  }

  ShowSoon();
}
