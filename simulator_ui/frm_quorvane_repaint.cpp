#include "frm_quorvane_repaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

RepaintThrottle::RepaintThrottle() {
  nextFrame_.setSingleShot(true);
  connect(&nextFrame_, &QTimer::timeout, this, [this] { Deliver(); });
}

void RepaintThrottle::Start() {
  if (active_) return;
  active_ = true;
  frame_.start();
  QCoreApplication::instance()->installEventFilter(this);
}

void RepaintThrottle::Stop() {
  if (!active_) return;
  active_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
  nextFrame_.stop();
  Deliver();
}

void RepaintThrottle::Deliver() {
  // The window's own repaint bookkeeping still waits for the request it sent.
  delivering_ = true;
  std::vector<QPointer<QObject>> held;
  held.swap(held_);
  for (const QPointer<QObject>& target : held) {
    if (!target) continue;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(target, &request);
  }
  delivering_ = false;
  frame_.restart();
}

bool RepaintThrottle::eventFilter(QObject* target, QEvent* event) {
  if (event->type() != QEvent::UpdateRequest || delivering_) return false;
  const qint64 elapsed = frame_.elapsed();
  if (elapsed >= kFrameMs && held_.empty()) {
    frame_.restart();
    return false;
  }
  if (std::find(held_.begin(), held_.end(), target) == held_.end()) held_.emplace_back(target);
  if (!nextFrame_.isActive()) nextFrame_.start(static_cast<int>(std::max<qint64>(kFrameMs - elapsed, 0)));
  return true;
}
