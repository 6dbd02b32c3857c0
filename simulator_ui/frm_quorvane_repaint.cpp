#include "frm_quorvane_repaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

namespace {

// Events through which the user or the program itself starts a handler.
bool MayRunHandler(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::Close:
    case QEvent::Timer:
    case QEvent::MetaCall:
      return true;
    default:
      return false;
  }
}

}  // namespace

RepaintThrottle::RepaintThrottle(std::function<void()> beforeHandler)
    : beforeHandler_(std::move(beforeHandler)) {
  nextFrame_.setSingleShot(true);
  connect(&nextFrame_, &QTimer::timeout, this, [this] { Deliver(); });
}

void RepaintThrottle::Start() {
  if (active_) return;
  active_ = true;
  frame_.Restart();
  QCoreApplication::instance()->installEventFilter(this);
}

void RepaintThrottle::Stop() {
  if (!active_) return;
  active_ = false;
  open_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
  Deliver();
}

void RepaintThrottle::Deliver() {
  nextFrame_.stop();
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
  frame_.Restart();
}

bool RepaintThrottle::eventFilter(QObject* target, QEvent* event) {
  const QEvent::Type type = event->type();
  if (MayRunHandler(type)) {
    beforeHandler_();
    return false;
  }
  if (type != QEvent::UpdateRequest || delivering_ || open_) return false;
  if (std::find(held_.begin(), held_.end(), target) == held_.end()) held_.emplace_back(target);
  if (!nextFrame_.isActive()) nextFrame_.start(frame_.Left());
  return true;
}
