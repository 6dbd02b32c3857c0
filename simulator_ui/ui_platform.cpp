#include "ui_platform.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace tamberlo::ui {
namespace {

MessageResponder& Responder() {
  static MessageResponder responder;
  return responder;
}

std::function<void()>& BeforeMessageHook() {
  static std::function<void()> hook;
  return hook;
}

std::function<void()>& BeepHook() {
  static std::function<void()> hook;
  return hook;
}

QFont FontOf(const QStringList& families, QFont::StyleHint hint, double points) {
  QFont font;
  font.setStyleHint(hint);
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family)) {
      font.setFamily(family);
      break;
    }
  }
  font.setPointSizeF(points);
  return font;
}

class FrameWatch : public QObject {
 public:
  FrameWatch(QWidget* window, std::function<void()> place)
      : QObject(window), window_(window), place_(std::move(place)), frame_(Frame()) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show) return false;
    const QSize frame = Frame();
    if (frame != frame_) {
      frame_ = frame;
      place_();
    }
    return false;
  }

 private:
  QSize Frame() const { return window_->frameGeometry().size() - window_->size(); }

  QWidget* window_;
  std::function<void()> place_;
  QSize frame_;
};

}  // namespace

void WhenFrameChanges(QWidget* window, std::function<void()> place) {
  new FrameWatch(window, std::move(place));
}

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

QFont SansFont(double points) {
  return FontOf({"Liberation Sans", "DejaVu Sans"}, QFont::SansSerif, points);
}

QFont SerifFont(double points, bool bold) {
  QFont font = FontOf({"Liberation Serif", "DejaVu Serif"}, QFont::Serif, points);
  font.setBold(bold);
  return font;
}

QFont FittingFont(QFont font, const QString& text, int room) {
  constexpr int kNarrowest = 75;  // percent of the normal width: still reads well
  const auto tooWide = [&] { return QFontMetrics(font).horizontalAdvance(text) > room; };
  for (int stretch = 99; stretch >= kNarrowest && tooWide(); --stretch) font.setStretch(stretch);
  while (tooWide() && font.pointSizeF() > 1) font.setPointSizeF(font.pointSizeF() - 0.25);
  return font;
}

void EnterClicks(QPushButton* button) { button->setAutoDefault(true); }

Answer MessageBox(QWidget* parent, const QString& text, Buttons buttons) {
  if (BeforeMessageHook()) BeforeMessageHook()();
  if (Responder()) return Responder()(text, buttons);
  QMessageBox box(parent);
  box.setWindowTitle(QApplication::applicationName());
  box.setText(text);
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

void ReportError(const std::string& message) {
  std::fprintf(stderr, "Tamberlo: %s\n", message.c_str());
  MessageBox(nullptr, QString::fromStdString(message));
}

void SetBeforeMessageHook(std::function<void()> hook) { BeforeMessageHook() = std::move(hook); }

void SetMessageResponder(MessageResponder responder) { Responder() = std::move(responder); }

void Beep() {
  if (BeepHook()) {
    BeepHook()();
    return;
  }
  QApplication::beep();
}

void SetBeepHook(std::function<void()> hook) { BeepHook() = std::move(hook); }

}  // namespace tamberlo::ui
