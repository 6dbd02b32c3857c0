#include "statistics_clipboard.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

namespace tamberlo::ui {
namespace {

ClipboardWriter& Writer() {
  static ClipboardWriter writer;
  return writer;
}

}  // namespace

bool PutTextOnClipboard(const QString& text) {
  if (Writer()) return Writer()(text);
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->clear();
  clipboard->setText(text);
  return clipboard->text() == text;
}

void SetClipboardWriter(ClipboardWriter writer) { Writer() = std::move(writer); }

void WaitOneSecondFrom(std::chrono::steady_clock::time_point start) {
  using namespace std::chrono;
  const steady_clock::time_point deadline = start + seconds(1);
  // An event loop rather than a polling loop: events are handled as they
  // come, without burning the processor for the second.
  for (auto now = steady_clock::now(); now < deadline; now = steady_clock::now()) {
    QEventLoop loop;
    QTimer::singleShot(ceil<milliseconds>(deadline - now), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

}  // namespace tamberlo::ui
