#pragma once
// One cell of the symbol window: a picture with an overlay for what is drawn
// on it. Drawing stays until the picture is set again.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

class SymbolCell : public QWidget {
 public:
  explicit SymbolCell(QWidget* parent = nullptr);

  // The cell takes the picture's size; the overlay is cleared.
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }

  // Cell pixel coordinates, origin top-left; the 7-pixel pen is cut at the cell's edges.
  void DrawSegment(QPointF from, QPointF to, const QColor& colour);
  // Unfilled rectangle with the same pen.
  void DrawBox(QPointF topLeft, QPointF bottomRight, const QColor& colour);

  const QImage& Overlay() const { return overlay_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  QImage overlay_;
  bool drawnOn_ = false;
};
