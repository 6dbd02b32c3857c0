#pragma once
// The screen cadence on a clock the test sets, so that what a window shows
// and when never hangs on how fast the machine runs the test.
#include <chrono>
#include <functional>
#include <utility>

#include "screen_cadence.h"

// The cadence reads this clock for as long as it lives.
struct TestClock {
  std::function<tamberlo::ui::CadenceClock::time_point()> now;
  explicit TestClock(std::function<tamberlo::ui::CadenceClock::time_point()> clock) : now(std::move(clock)) {
    tamberlo::ui::SetCadenceClock([this] { return now(); });
  }
  ~TestClock() { tamberlo::ui::SetCadenceClock({}); }
};

// A clock that stands still: every request after the first waits for its frame.
struct FrozenClock : TestClock {
  tamberlo::ui::CadenceClock::time_point at = tamberlo::ui::CadenceClock::now();
  FrozenClock() : TestClock([this] { return at; }) {}
};
