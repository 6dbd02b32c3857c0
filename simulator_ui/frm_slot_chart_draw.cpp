// DrawPercent: one point of the three RTP lines per call, as the chart's
// arithmetic decides it.
#include <QCheckBox>

#include "frm_slot_chart.h"
#include "rtp_chart_summary.h"

namespace {

constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kGreen = 0xff00ff00;
constexpr QRgb kRed = 0xffff0000;

}  // namespace

void frmSlotChart::DrawPercent() {
  const tamberlo::chart::ChartPoint point =
      rtp_.Next(setup_, state_.TotalBet, state_.TotalWin, chkChart_->isChecked());
  if (!point.charted) return;

  if (point.sweepEnd) {
    if (!chkContinue_->isChecked()) mainWindow_.SetRunFlag(false);
    WriteSummary(tamberlo::chart::SweepSummary(state_));
    if (chkSave_->isChecked()) {
      SaveDrawing(QString::fromStdString(tamberlo::chart::SweepBitmapName(state_)));
    }
  }
  if (point.sweepStart && chkClear_->isChecked()) FormFormat();

  const auto draw = [&](const tamberlo::chart::LineSegment& line, QRgb colour) {
    if (line.drawn) canvas_.AddSegment(point.fromX, line.fromY, point.toX, line.toY, colour);
  };
  draw(point.blue, kBlue);
  draw(point.green, kGreen);
  draw(point.red, kRed);

  if (point.percentLine) logs_.WritePercent(point.blueReturn, state_.Games);
  ShowSoon();
}
