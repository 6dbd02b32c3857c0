#pragma once
// The screen while a run goes on. Repaints keep the frame of
// screen_cadence.h: the run opens a frame at its first chance to let the
// window system in once a frame has passed, and repaints go through while
// that chance lasts; a request that comes at another time is held back and
// delivered with the next frame, or by a timer, so modal boxes opened inside
// a run keep painting too. And before any handler runs nested in the run's
// event processing, `beforeHandler` brings the run's numbers up to date, so
// the handler and the screen agree on them.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "screen_cadence.h"

class RepaintThrottle : public QObject {
 public:
  explicit RepaintThrottle(std::function<void()> beforeHandler);
  void Start();  // from now on, hold back early repaints
  void Stop();   // deliver what is held back and repaint freely again
  bool FrameDue() const { return frame_.Due(); }
  // Delivers what is held back and lets repaints through until CloseFrame,
  // which takes what OpenFrame returned (frames nest with the runs).
  bool OpenFrame() {
    const bool wasOpen = open_;
    Deliver();
    open_ = true;
    return wasOpen;
  }
  void CloseFrame(bool wasOpen) { open_ = wasOpen; }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  void Deliver();

  std::function<void()> beforeHandler_;
  bool active_ = false;
  bool open_ = false;
  bool delivering_ = false;
  tamberlo::ui::Pace frame_{tamberlo::ui::kFrame};
  QTimer nextFrame_;
  std::vector<QPointer<QObject>> held_;
};
