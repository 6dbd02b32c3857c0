#include "screen_cadence.h"

namespace tamberlo::ui {
namespace {

std::function<CadenceClock::time_point()>& Clock() {
  static std::function<CadenceClock::time_point()> clock;
  return clock;
}

}  // namespace

CadenceClock::time_point CadenceNow() { return Clock() ? Clock()() : CadenceClock::now(); }

void SetCadenceClock(std::function<CadenceClock::time_point()> clock) { Clock() = std::move(clock); }

std::chrono::milliseconds Pace::Left() const {
  if (Due()) return std::chrono::milliseconds(0);
  return std::chrono::ceil<std::chrono::milliseconds>(period_ - (CadenceNow() - last_));
}

FrameCoalescer::FrameCoalescer(std::function<void()> show) : show_(std::move(show)) {
  later_.setSingleShot(true);
  connect(&later_, &QTimer::timeout, this, [this] { ShowNow(); });
}

void FrameCoalescer::RequestNowOrLater() {
  if (pace_.Due()) {
    ShowNow();
  } else {
    later_.start(pace_.Left());
  }
}

void FrameCoalescer::ShowNow() {
  later_.stop();
  pace_.Restart();
  show_();
}

}  // namespace tamberlo::ui
