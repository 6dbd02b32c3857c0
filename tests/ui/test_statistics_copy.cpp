// The clipboard copy of the statistics grid: the two status messages a
// second each, the beep, and a copy the clipboard did not take.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTableView>
#include <QtTest>
#include <chrono>

#include "statistics_clipboard.h"
#include "statistics_hits.h"
#include "statistics_test_state.h"
#include "ui_platform.h"

namespace {

const QString kCopying = QString::fromUtf8("Копиране на данните в клипборда!");
const QString kCopied = QString::fromUtf8("Данните са в клипборда!");

struct LabelSeen {
  bool visible = false;
  QString text;
  QPoint pos;
};

}  // namespace

class StatisticsCopyTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    beeps_ = 0;
    messages_.clear();
    tamberlo::ui::SetBeepHook([this] { ++beeps_; });
    tamberlo::ui::SetMessageResponder([this](const QString& text, tamberlo::ui::Buttons) {
      messages_ << text;
      return tamberlo::ui::Answer::Ok;
    });
  }
  void cleanup() {
    tamberlo::ui::SetBeepHook({});
    tamberlo::ui::SetMessageResponder({});
    tamberlo::ui::SetClipboardWriter({});
  }

  void aCopyShowsBothMessagesAndLeavesTheTextOnTheClipboard() {
    tamberlo::GameState s = LoadedState();
    s.TotalBet = 20;
    StatisticsHits w(s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    LabelSeen early;
    LabelSeen late;
    QTimer::singleShot(500, [&] { early = {w.Label1()->isVisible(), w.Label1()->text(), w.Label1()->pos()}; });
    QTimer::singleShot(1500, [&] { late = {w.Label1()->isVisible(), w.Label1()->text(), w.Label1()->pos()}; });

    const auto start = std::chrono::steady_clock::now();
    QTest::mouseClick(w.MSFlexGrid1()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    QVERIFY(early.visible);
    QCOMPARE(early.text, kCopying);
    const QSize outer = w.frameGeometry().size();
    QCOMPARE(early.pos, QPoint((outer.width() - w.Label1()->width()) / 2, (outer.height() - w.Label1()->height()) / 2));
    QVERIFY(late.visible);
    QCOMPARE(late.text, kCopied);
    QVERIFY(!w.Label1()->isVisible());
    QCOMPARE(beeps_, 1);
    QVERIFY(took.count() > 1.9 && took.count() < 3.0);
    QCOMPARE(QGuiApplication::clipboard()->text(), w.GridClipboardText());
    QVERIFY(messages_.isEmpty());
  }

  void aCopyTheClipboardRefusedNeverSaysItIsThere() {
    const tamberlo::GameState s = LoadedState();
    StatisticsHits w(s);
    w.show();
    tamberlo::ui::SetClipboardWriter([](const QString&) { return false; });
    bool copiedShown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] { copiedShown = copiedShown || w.Label1()->text() == kCopied; });
    poll.start(50);
    w.CopyGridToClipboard();
    poll.stop();

    QVERIFY(!copiedShown);
    QVERIFY(w.Label1()->text() != kCopied);
    QVERIFY(!w.Label1()->isVisible());
    QCOMPARE(beeps_, 0);
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].contains("clipboard"));
  }

 private:
  int beeps_ = 0;
  QStringList messages_;
};

QTEST_MAIN(StatisticsCopyTest)
#include "test_statistics_copy.moc"
