#include "statistics_clipboard.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

namespace tamberlo::ui {
namespace {

class SteadyWaitClock final : public WaitClock {
 public:
  TimePoint Now() override { return std::chrono::steady_clock::now(); }
  // An event loop rather than a polling loop: events are handled as they
  // come, without burning the processor for the second.
  void HandleEventsFor(std::chrono::milliseconds span) override {
    QEventLoop loop;
    QTimer::singleShot(span, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
};

WaitClock*& Installed() {
  static WaitClock* clock = nullptr;
  return clock;
}

}  // namespace

bool PutTextOnClipboard(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->clear();
  clipboard->setText(text);
  return clipboard->text() == text;
}

WaitClock& CurrentWaitClock() {
  static SteadyWaitClock steady;
  return Installed() != nullptr ? *Installed() : steady;
}

void SetWaitClock(WaitClock* clock) { Installed() = clock; }

void WaitOneSecondFrom(WaitClock::TimePoint start) {
  using namespace std::chrono;
  WaitClock& clock = CurrentWaitClock();
  const WaitClock::TimePoint deadline = start + seconds(1);
  for (auto now = clock.Now(); now < deadline; now = clock.Now()) clock.HandleEventsFor(ceil<milliseconds>(deadline - now));
}

}  // namespace tamberlo::ui
