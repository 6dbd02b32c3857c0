#pragma once
// The platform side of the statistics window's clipboard copy: putting the
// text on the clipboard, and the one-second waits that keep the window alive.
#include <QString>
#include <chrono>

namespace tamberlo::ui {

// Clears the clipboard and puts the text on it; true only when the clipboard
// reads back the same text.
bool PutTextOnClipboard(const QString& text);

// What the waits read the time from and how they let it pass. The real one is
// the steady clock (midnight or a clock change does not stretch a wait) with
// Qt's event loop; tests install their own and move time themselves.
class WaitClock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  virtual ~WaitClock() = default;
  virtual TimePoint Now() = 0;
  // Handles window events for about `span`; it may come back sooner.
  virtual void HandleEventsFor(std::chrono::milliseconds span) = 0;
};
WaitClock& CurrentWaitClock();
void SetWaitClock(WaitClock* clock);  // nullptr restores the real one

// Handles window events until one second after `start`, as the wait clock tells.
void WaitOneSecondFrom(WaitClock::TimePoint start);

}  // namespace tamberlo::ui
