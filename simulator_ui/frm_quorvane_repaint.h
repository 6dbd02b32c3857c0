#pragma once
// While a run goes on, windows repaint at most ten times a second: a
// repaint request that comes sooner is held back and delivered by a timer at
// the next frame, so modal boxes opened inside a run keep painting too.
// A repaint per 100 games would cost more than the games themselves.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <vector>

class RepaintThrottle : public QObject {
 public:
  static constexpr int kFrameMs = 100;

  RepaintThrottle();
  void Start();  // from now on, hold back early repaints
  void Stop();   // deliver what is held back and repaint freely again

 protected:
  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  void Deliver();

  bool active_ = false;
  bool delivering_ = false;
  QElapsedTimer frame_;
  QTimer nextFrame_;
  std::vector<QPointer<QObject>> held_;
};
