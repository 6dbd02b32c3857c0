#pragma once
// The chart's persistent drawing: an image the size of the client area in
// chart units (x 0..width at the right edge, y 0 at the bottom to 200 at the
// top). Points arrive far more often than a screen can show them, so their
// segments wait in a small buffer and go into the pixels in one pass.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <array>
#include <climits>

class QPainter;

namespace tamberlo::chart {

class ChartCanvas {
 public:
  explicit ChartCanvas(QSize pixels);

  QSize Size() const { return image_.size(); }
  void SetWidthUnits(double units);
  QPointF ToPixel(double x, double y) const;
  // Text placed by its top-left corner; returns the pixels it covers.
  QRect DrawText(QPainter& painter, double x, double y, const QString& text) const;

  // Queues a one-pixel line in chart units; draws the queue when it is full.
  void AddSegment(double x1, double y1, double x2, double y2, QRgb colour);
  // Marks pixels drawn some other way as touched.
  void Touch(const QRect& pixels);
  bool Touched() const { return dirtyLeft_ <= dirtyRight_; }
  // Draws the queued segments; returns the pixels touched since the last call.
  QRect Flush();

  // Replaces the drawing and the queue with a picture of the same size.
  void Restore(const QImage& picture);

  // The drawing with every queued segment in it.
  QImage& Image();

 private:
  struct Segment {
    QPointF from;
    QPointF to;
    QRgb colour;
  };
  static constexpr int kQueue = 1024;

  void DrawQueue();

  QImage image_;
  double xScale_ = 1.0;
  double yScale_ = 1.0;
  std::array<Segment, kQueue> queue_;
  int pending_ = 0;
  int dirtyLeft_ = INT_MAX;
  int dirtyTop_ = INT_MAX;
  int dirtyRight_ = INT_MIN;
  int dirtyBottom_ = INT_MIN;
};

}  // namespace tamberlo::chart
