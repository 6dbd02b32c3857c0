#pragma once
// The screen while a run goes on. Repaints keep the frame of
// screen_cadence.h: a request that comes sooner is held back and delivered
// at the next frame, by the run's next chance or by a timer, so modal boxes
// opened inside a run keep painting too. And before any handler runs nested
// in the run's event processing, `beforeHandler` brings the run's numbers up
// to date, so the handler and the screen agree on them.
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
  // Delivers what is held back once a frame has passed.
  void DeliverIfDue() {
    if (!held_.empty() && frame_.Due()) Deliver();
  }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  void Deliver();

  std::function<void()> beforeHandler_;
  bool active_ = false;
  bool delivering_ = false;
  tamberlo::ui::Pace frame_{tamberlo::ui::kFrame};
  QTimer nextFrame_;
  std::vector<QPointer<QObject>> held_;
};
