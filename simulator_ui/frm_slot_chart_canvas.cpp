#include "frm_slot_chart_canvas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace tamberlo::chart {
namespace {

constexpr double kHeightUnits = 200;
// Points far off the chart are drawn toward this level instead; within a
// segment one unit wide the visible part looks the same.
constexpr double kFarOff = 1e6;

double Bounded(double y) { return std::clamp(y, -kFarOff, kFarOff); }

// Cuts the line to the part inside [0, right] x [0, bottom]; false when none is.
bool Clip(QPointF& a, QPointF& b, double right, double bottom) {
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x(), right - a.x(), a.y(), bottom - a.y()};
  double enter = 0;
  double leave = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  if (enter > leave) return false;
  b = QPointF(a.x() + leave * dx, a.y() + leave * dy);
  a = QPointF(a.x() + enter * dx, a.y() + enter * dy);
  return true;
}

// A one-pixel line straight into the image's pixels: a QPainter per segment
// costs more than the games between two chart points.
void PlotLine(QImage& image, QPointF from, QPointF to, QRgb colour) {
  const int width = image.width();
  const int height = image.height();
  if (width == 0 || height == 0) return;
  if (!Clip(from, to, width - 1e-6, height - 1e-6)) return;
  int x0 = std::clamp(static_cast<int>(from.x()), 0, width - 1);
  int y0 = std::clamp(static_cast<int>(from.y()), 0, height - 1);
  const int x1 = std::clamp(static_cast<int>(to.x()), 0, width - 1);
  const int y1 = std::clamp(static_cast<int>(to.y()), 0, height - 1);

  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    reinterpret_cast<QRgb*>(bits + y0 * stride)[x0] = colour;
    if (x0 == x1 && y0 == y1) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

}  // namespace

ChartCanvas::ChartCanvas(QSize pixels) : image_(pixels, QImage::Format_RGB32) {
  image_.fill(Qt::white);
  yScale_ = image_.height() / kHeightUnits;
}

void ChartCanvas::SetWidthUnits(double units) { xScale_ = image_.width() / units; }

QPointF ChartCanvas::ToPixel(double x, double y) const {
  return QPointF(x * xScale_, (kHeightUnits - y) * yScale_);
}

QRect ChartCanvas::DrawText(QPainter& painter, double x, double y, const QString& text) const {
  const QPointF topLeft = ToPixel(x, y);
  QRectF covered;
  painter.drawText(QRectF(topLeft, QSizeF(image_.width(), image_.height())),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text, &covered);
  return covered.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void ChartCanvas::AddSegment(double x1, double y1, double x2, double y2, QRgb colour) {
  if (pending_ == kQueue) DrawQueue();
  Segment& s = queue_[pending_++];
  s.from = ToPixel(x1, Bounded(y1));
  s.to = ToPixel(x2, Bounded(y2));
  s.colour = colour;
  const double left = std::min(s.from.x(), s.to.x());
  const double right = std::max(s.from.x(), s.to.x());
  const double top = std::min(s.from.y(), s.to.y());
  const double bottom = std::max(s.from.y(), s.to.y());
  dirtyLeft_ = std::min(dirtyLeft_, static_cast<int>(std::floor(left)) - 1);
  dirtyTop_ = std::min(dirtyTop_, static_cast<int>(std::floor(top)) - 1);
  dirtyRight_ = std::max(dirtyRight_, static_cast<int>(std::ceil(right)) + 1);
  dirtyBottom_ = std::max(dirtyBottom_, static_cast<int>(std::ceil(bottom)) + 1);
}

void ChartCanvas::Touch(const QRect& pixels) {
  dirtyLeft_ = std::min(dirtyLeft_, pixels.left());
  dirtyTop_ = std::min(dirtyTop_, pixels.top());
  dirtyRight_ = std::max(dirtyRight_, pixels.right());
  dirtyBottom_ = std::max(dirtyBottom_, pixels.bottom());
}

void ChartCanvas::DrawQueue() {
  for (int i = 0; i < pending_; ++i) {
    const Segment& s = queue_[i];
    PlotLine(image_, s.from, s.to, s.colour);
  }
  pending_ = 0;
}

QRect ChartCanvas::Flush() {
  DrawQueue();
  QRect touched;
  if (Touched()) {
    touched = QRect(QPoint(dirtyLeft_, dirtyTop_), QPoint(dirtyRight_, dirtyBottom_))
                  .intersected(image_.rect());
  }
  dirtyLeft_ = dirtyTop_ = INT_MAX;
  dirtyRight_ = dirtyBottom_ = INT_MIN;
  return touched;
}

void ChartCanvas::Restore(const QImage& picture) {
  pending_ = 0;
  // Into the pixels already there: no new allocation on every cleared sweep.
  std::memcpy(image_.bits(), picture.constBits(), static_cast<size_t>(image_.sizeInBytes()));
  Touch(image_.rect());
}

QImage& ChartCanvas::Image() {
  DrawQueue();
  return image_;
}

}  // namespace tamberlo::chart
