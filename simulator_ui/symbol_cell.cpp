#include "symbol_cell.h"

#include <QPainter>
#include <QPen>

namespace {

QPen CellPen(const QColor& colour) {
  QPen pen(colour, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  return pen;
}

}  // namespace

SymbolCell::SymbolCell(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SymbolCell::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  if (overlay_.size() != picture.size()) {
    overlay_ = QImage(picture.size(), QImage::Format_ARGB32_Premultiplied);
    drawnOn_ = true;
    setFixedSize(picture.size());
  }
  if (drawnOn_) overlay_.fill(Qt::transparent);
  drawnOn_ = false;
  update();
}

void SymbolCell::DrawSegment(QPointF from, QPointF to, const QColor& colour) {
  if (overlay_.isNull()) return;
  QPainter painter(&overlay_);  // painting into the image clips to the cell
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(CellPen(colour));
  painter.drawLine(from, to);
  drawnOn_ = true;
  update();
}

void SymbolCell::DrawBox(QPointF topLeft, QPointF bottomRight, const QColor& colour) {
  if (overlay_.isNull()) return;
  QPainter painter(&overlay_);
  painter.setPen(CellPen(colour));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(topLeft, bottomRight));
  drawnOn_ = true;
  update();
}

void SymbolCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), palette().window());
    return;
  }
  painter.drawPixmap(0, 0, picture_);
  painter.drawImage(0, 0, overlay_);
}
