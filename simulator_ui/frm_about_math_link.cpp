#include "frm_about_math_link.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>

#include "ui_platform.h"

AboutLink::AboutLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  QFont font = tamberlo::ui::SansFont(8.25);
  font.setUnderline(true);
  setFont(font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, tamberlo::ui::Rgb(0, 0, 255));
  setPalette(palette);
  setCursor(QCursor(QPixmap(":/about/hand_cursor.png"), 12, 1));
}

void AboutLink::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and release of the left button over the link.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
    onClick();
  QLabel::mouseReleaseEvent(event);
}
