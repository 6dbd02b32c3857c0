#pragma once
// What the chart window's tests share: a display that records the run flag,
// a fresh current folder, and answers for the message boxes.
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

#include "display.h"
#include "ui_platform.h"

namespace chart_test {

class RecordingDisplay : public tamberlo::Display {
 public:
  std::vector<bool> runFlags;  // every SetRunFlag, true = "Stop"

  void DrawScreen() override {}
  void DrawWinLine(int) override {}
  void DrawScatterBox(int) override {}
  void SetReelCaption(int, int) override {}
  void ClearDetailText() override {}
  void AppendDetailText(std::string_view) override {}
  void SetLabel(int, const tamberlo::LabelValue&) override {}
  void ShowMessage(std::string_view) override {}
  bool RunFlagIsStop() const override { return !runFlags.empty() && runFlags.back(); }
  void SetRunFlag(bool stop) override { runFlags.push_back(stop); }
  bool AutoStopChecked() const override { return false; }
  void SetAddEnabled(bool) override {}
  void SetStepEnabled(bool) override {}
  void FocusStep() override {}
  void FocusAdd() override {}
  void ShowHits() override {}
  void DrawPercent() override {}
  void ProcessEvents() override {}
  void Save() override {}
};

// The pixel of chart point (x, y) on a chart `widthUnits` wide.
inline QPoint Pixel(const QImage& image, double widthUnits, double x, double y) {
  return QPoint(qRound(x * image.width() / widthUnits), qRound((200 - y) * image.height() / 200));
}

// True when a pixel of `colour` lies within `radius` pixels of `at`.
inline bool ColourNear(const QImage& image, QPoint at, QColor colour, int radius = 2) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const QPoint p = at + QPoint(dx, dy);
      if (image.rect().contains(p) && image.pixelColor(p) == colour) return true;
    }
  }
  return false;
}

inline int CountColour(const QImage& image, QColor colour, QRect area) {
  int count = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour;
  }
  return count;
}

// Pixels of text: black, or nearly so where the font is smoothed.
inline int CountDark(const QImage& image, QRect area) {
  int count = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) < 80;
  }
  return count;
}

// Runs a test in an empty current folder and puts the old one back.
class FreshFolder {
 public:
  FreshFolder() : old_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~FreshFolder() { QDir::setCurrent(old_); }
  QString File(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QString old_;
};

// Answers every message box with `answer` and keeps the texts asked.
class Answers {
 public:
  explicit Answers(tamberlo::ui::Answer answer) {
    tamberlo::ui::SetMessageResponder([this, answer](const QString& text, tamberlo::ui::Buttons) {
      asked << text;
      return answer;
    });
    tamberlo::ui::SetBeepHook([this] { ++beeps; });
  }
  ~Answers() {
    tamberlo::ui::SetMessageResponder({});
    tamberlo::ui::SetBeepHook({});
  }
  QStringList asked;
  int beeps = 0;
};

}  // namespace chart_test
