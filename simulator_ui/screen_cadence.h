#pragma once
// How often a run brings what it changed to the screen, and how often it
// lets the window system in. Every window takes its pace from here.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace tamberlo::ui {

using CadenceClock = std::chrono::steady_clock;

// A run changes its labels and its chart every 100 games and its grid every
// 10,000: tens of thousands of changes a second, and one repaint costs more
// than the games between two of them. Nobody reads a number that changes
// more than ten times a second, so while a run goes on each window shows its
// changes at most once a frame, and always when the run ends.
inline constexpr std::chrono::milliseconds kFrame{100};
// Asking the window system for its events costs microseconds, a third of the
// hundred games between two chances, so a run asks at most once a
// millisecond: far sooner than anyone can tell.
inline constexpr std::chrono::milliseconds kPoll{1};

// The clock the cadence reads. Tests set their own; an empty one restores
// the steady clock.
CadenceClock::time_point CadenceNow();
void SetCadenceClock(std::function<CadenceClock::time_point()> clock);

// Something done at most once a period; due until first done.
class Pace {
 public:
  explicit Pace(CadenceClock::duration period) : period_(period) {}
  bool Due() const { return !started_ || CadenceNow() - last_ >= period_; }
  void Restart() {
    last_ = CadenceNow();
    started_ = true;
  }
  // Whole milliseconds until it is due again, at least 0.
  std::chrono::milliseconds Left() const;

 private:
  CadenceClock::duration period_;
  CadenceClock::time_point last_{};
  bool started_ = false;
};

// Calls `show` at most once a frame and never drops the last request: one
// that comes too soon is done by a timer at the next frame.
class FrameCoalescer : public QObject {
 public:
  explicit FrameCoalescer(std::function<void()> show);
  void Request() {
    if (!later_.isActive()) RequestNowOrLater();
  }

 private:
  void RequestNowOrLater();
  void ShowNow();

  std::function<void()> show_;
  Pace pace_{kFrame};
  QTimer later_;
};

}  // namespace tamberlo::ui
