// Start-up: the seed, and a game that cannot start showing no window and
// leaving the files of an earlier start as they were.
#include <QApplication>
#include <QtTest>
#include <set>

#include "startup.h"
#include "test_main_game.h"
#include "ui_platform.h"

namespace {

struct Start {
  tamberlo::GameState state;
  tamberlo::RunLogs logs;
  QStringList messages;
  std::unique_ptr<frmQuorvane> window;
  Start() {
    tamberlo::ui::SetMessageResponder([this](const QString& text, tamberlo::ui::Buttons) {
      messages << text;
      return tamberlo::ui::Answer::Ok;
    });
    window = tamberlo::ui::Main(state, logs);
    tamberlo::ui::SetMessageResponder({});
  }
};

bool AnyWindowVisible() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->isVisible()) return true;
  return false;
}

QByteArray ReportSeedLine() {
  const QList<QByteArray> lines = maintest::ReadFile("Temp1.txt").split('\n');
  for (qsizetype i = 0; i + 1 < lines.size(); ++i)
    if (lines[i].trimmed() == "RNG DESCRIPTION") return lines[i + 1].trimmed();
  return {};
}

}  // namespace

class TestMainStartup : public QObject {
  Q_OBJECT

 private slots:
  void clockSeedCoversTheSixteenBitRange() {
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
      const int32_t seed = tamberlo::ui::ClockSeed();
      QVERIFY(seed >= 0 && seed <= 65535);
      seen.insert(seed);
    }
    QVERIFY(seen.size() > 10);
  }

  void negativeSeedIsReplacedAndReported() {
    maintest::WorkFolder folder(maintest::Definition("SEED = -1"));
    Start start;
    QVERIFY(start.window);
    QVERIFY(start.state.RngSeed >= 0 && start.state.RngSeed <= 65535);
    QCOMPARE(ReportSeedLine(), "SEED = " + QByteArray::number(start.state.RngSeed));
  }

  void zeroSeedIsKept() {
    maintest::WorkFolder folder(maintest::Definition("SEED = 0"));
    Start start;
    QVERIFY(start.window);
    QCOMPARE(start.state.RngSeed, 0);
  }

  void missingDefinitionNamesTheFile() {
    maintest::WorkFolder folder("");
    Start start;
    QVERIFY(!start.window);
    QCOMPARE(start.messages.size(), 1);
    QVERIFY2(start.messages[0].contains("ReelSetup.ini"), qPrintable(start.messages[0]));
    QVERIFY(!AnyWindowVisible());
  }

  void brokenBodyStopsBeforeAnythingIsWritten() {
    // The head reads; the paytable holds a pay that no 16-bit number can hold.
    std::string definition = maintest::Definition();
    const size_t pay = definition.find(" 100,", definition.find("Scatter,    "));
    definition.replace(pay, 5, " 99999999,");
    maintest::WorkFolder folder(definition);
    for (const char* file : {"Temp1.txt", "Jackpot.txt", "Percent_10000.txt", "FreeSpins.txt"})
      maintest::WriteFile(file, "kept\r\n");
    Start start;
    QVERIFY(!start.window);
    QCOMPARE(start.messages.size(), 1);
    QVERIFY2(start.messages[0].contains(QRegularExpression("^ReelSetup.ini:34: .*expected")),
             qPrintable(start.messages[0]));
    QVERIFY(!AnyWindowVisible());
    for (const char* file : {"Temp1.txt", "Jackpot.txt", "Percent_10000.txt", "FreeSpins.txt"})
      QCOMPARE(maintest::ReadFile(file), QByteArray("kept\r\n"));
  }

  void gapInTheFirstWindowStopsBeforeTheReport() {
    // Reel 3 ends after one figure: the first window would show a gap at its position 1.
    std::string definition = maintest::Definition();
    const size_t strip = definition.find("REEL STRIP\r\n") + 12;
    size_t row = definition.find("\r\n", strip) + 2;  // row 1
    for (int r = 1; r < maintest::kRows; ++r) {
      definition.replace(row + 22, 11, maintest::Cell("GAP", 11));
      row = definition.find("\r\n", row) + 2;
    }
    maintest::WorkFolder folder(definition);
    maintest::WriteFile("Temp1.txt", "kept\r\n");
    Start start;
    QVERIFY(!start.window);
    QCOMPARE(start.messages.size(), 1);
    QVERIFY2(start.messages[0].startsWith("ReelSetup.ini:8: "), qPrintable(start.messages[0]));
    QCOMPARE(maintest::ReadFile("Temp1.txt"), QByteArray("kept\r\n"));
    QVERIFY(!AnyWindowVisible());
  }
};

QTEST_MAIN(TestMainStartup)
#include "test_main_startup.moc"
