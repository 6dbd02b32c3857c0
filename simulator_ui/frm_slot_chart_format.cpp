// FormFormat: the empty chart (band, grid with its labels, target line).
#include <QPainter>

#include "frm_slot_chart.h"
#include "text_format.h"
#include "ui_platform.h"

void frmSlotChart::FormFormat() {
  canvas_.SetWidthUnits(setup_.XSizeSteps + 20);
  if (emptyChart_.isNull() || !(emptySetup_ == setup_) || emptyColour_ != foreColor_) {
    emptyChart_ = EmptyChart();
    emptySetup_ = setup_;
    emptyColour_ = foreColor_;
  }
  canvas_.Restore(emptyChart_);
  ShowSoon();
}

QImage frmSlotChart::EmptyChart() const {
  QImage image(canvas_.Size(), QImage::Format_RGB32);
  image.fill(tamberlo::ui::Rgb(255, 255, 255));

  const int steps = setup_.XSizeSteps;
  const int width = steps + 20;
  const int min = setup_.MinPercent;
  const double step = setup_.StepPercent;
  const int target = setup_.TargetPercent;

  QPainter painter(&image);
  painter.setFont(font());
  const auto line = [&](double x1, double y1, double x2, double y2, const QColor& colour) {
    painter.setPen(QPen(colour, 0));
    painter.drawLine(QLineF(canvas_.ToPixel(x1, y1), canvas_.ToPixel(x2, y2)));
  };

  const double bandLow = (target - min - 4) * 10 / step;
  const double bandHigh = (target - min + 4) * 10 / step;
  painter.fillRect(
      QRectF(canvas_.ToPixel(10, bandLow), canvas_.ToPixel(width - 10, bandHigh)).normalized(),
      tamberlo::ui::Rgb(230, 230, 230));

  for (int y = 190; y >= 10; y -= 10) {
    line(0, y, width, y, foreColor_);
    const int64_t percent = min + static_cast<int64_t>(y / 10) * setup_.StepPercent;
    const QString label = QString::fromStdString(tamberlo::BlankLed(percent) + " ");
    canvas_.DrawText(painter, 0, y, label);
    canvas_.DrawText(painter, width - 11, y, label);
  }

  const QColor darker = tamberlo::ui::Rgb(100, 100, 100);
  for (int x = 10; x <= steps + 10; x += 10) {
    line(x, 0, x, 200, foreColor_);
    if ((x - 10) % 100 == 0) line(x, 0, x, 200, darker);
  }

  const double targetY = (target - min) * 10 / step;
  line(10, targetY, width - 10, targetY, tamberlo::ui::Rgb(0, 0, 0));
  return image;
}
