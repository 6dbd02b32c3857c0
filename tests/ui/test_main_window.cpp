// The main window from start-up on: the load, Step, Run/Stop, Auto Stop,
// the stop-reel buttons, Save, and Exit in the middle of a run.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QStyleOptionButton>
#include <QPushButton>
#include <QtTest>

#include "frm_quorvane.h"
#include "frm_slot_chart.h"
#include "statistics_hits.h"
#include "startup.h"
#include "symbol_cell.h"
#include "test_main_game.h"
#include "ui_platform.h"

using tamberlo::ui::Answer;
using tamberlo::ui::Buttons;

namespace {

struct Program {
  tamberlo::GameState state;
  tamberlo::RunLogs logs;
  std::unique_ptr<frmQuorvane> window;
  Program() : window(tamberlo::ui::Main(state, logs)) {}
};

QStringList& Messages() {
  static QStringList messages;
  return messages;
}

bool IsBold(const QPushButton* button) { return button->font().bold(); }

// Child mode: start the game in `folder`, run, and click Exit from inside the run.
int ExitMidRun(const char* folder) {
  QDir::setCurrent(folder);
  tamberlo::ui::SetMessageResponder([](const QString&, Buttons) { return Answer::Ok; });
  Program program;
  if (!program.window) return 2;
  QTimer::singleShot(700, program.window->cmdExit, &QPushButton::click);
  program.window->cmdAUTO->click();
  return 3;  // Exit never returns
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Messages().clear();
    tamberlo::ui::SetMessageResponder([](const QString& text, Buttons) {
      Messages() << text;
      return Answer::Ok;
    });
  }

  void loadShowsTheFirstWindowAndEmptiesTheLogs() {
    maintest::WorkFolder folder;
    maintest::WriteFile("Jackpot.txt", "from an earlier start\r\n");
    Program p;
    QVERIFY(p.window);
    frmQuorvane& w = *p.window;
    QVERIFY(Messages().isEmpty());
    QCOMPARE(w.windowTitle(), QString(" SLOT  Simulator RTP = 95.5%  ver.1.0.7"));
    QCOMPARE(w.Label2->text(), QString("Tamberlo\nAll rights reserved\nOskarth Ltd."));
    for (int reel = 0; reel < 5; ++reel) {
      QCOMPARE(w.Picture1[reel]->Picture().toImage(), w.ImageList1[(11 + reel) % 13].toImage());
      QCOMPARE(w.Picture1[reel + 5]->Picture().toImage(), w.ImageList1[reel].toImage());
      QCOMPARE(w.Picture1[reel + 10]->Picture().toImage(), w.ImageList1[reel + 1].toImage());
      QCOMPARE(IsBold(w.cmdReels[reel]), reel == 4);
    }
    QCOMPARE(p.state.StopReel, int16_t(4));
    QCOMPARE(w.Label1[5]->text(), QString(" Cash = 1 000 000 $"));
    QCOMPARE(w.Label1[6]->text(), QString(" Total = 1 000 000 $"));
    QCOMPARE(p.state.GamesPerRun, int64_t(100'000'000));
    for (const char* log : {"Jackpot.txt", "Percent_10000.txt", "FreeSpins.txt"}) {
      QVERIFY2(QFileInfo::exists(log), log);
      QCOMPARE(QFileInfo(log).size(), qint64(0));
    }
    QVERIFY(QFileInfo("Temp1.txt").size() > 0);
    QVERIFY(w.isVisible() && w.Statistics()->isVisible() && w.Chart()->isVisible());
    QCOMPARE(w.focusWidget(), w.cmdStart);
    QVERIFY(w.chkRND->isChecked() && !w.chkRND->isEnabled());
    QVERIFY(!w.txtAddCredit->isVisible());
    QCOMPARE(w.cmdAUTO->text(), QString("Run"));
  }

  void controlsStandWhereTheTwipsSay() {
    maintest::WorkFolder folder;
    Program p;
    frmQuorvane& w = *p.window;
    QCOMPARE(w.size(), QSize(676, 630));
    QCOMPARE(w.Picture2->geometry(), QRect(13, 4, 650, 455));
    QCOMPARE(w.Picture1[7]->geometry(), QRect(260, 195, 130, 130));
    QCOMPARE(w.cmdExit->geometry(), QRect(8, 584, 33, 41));
    QCOMPARE(w.cmdReels[3]->geometry(), QRect(128, 552, 33, 25));
    QCOMPARE(w.Label1[5]->geometry(), QRect(440, 608, 113, 17));
    QCOMPARE(w.cmdExit->palette().color(QPalette::Button), QColor(255, 128, 128));
    QCOMPARE(w.cmdAdd->toolTip(), QStringLiteral(" Въвеждане на кредит "));
    QCOMPARE(w.txtAddCredit->toolTip(), QStringLiteral(" Въведете кредит ! "));
    QVERIFY(w.Label2->font().bold());
    // At 15 twips to the pixel the window stands 4 pixels from the screen's
    // right edge and 32 above its bottom edge.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(w.pos(), QPoint(screen.right() + 1 - 676 - 4, screen.bottom() + 1 - 630 - 32));
  }

  void checkBoxCaptionsShowWhole() {
    maintest::WorkFolder folder;
    Program p;
    for (QCheckBox* box : {p.window->chkRND, p.window->chkStopJP}) {
      QStyleOptionButton option;
      option.initFrom(box);
      option.text = box->text();
      const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
      QVERIFY2(room.width() >= box->fontMetrics().horizontalAdvance(box->text()), qPrintable(box->text()));
    }
  }

  void tabWalksTheControlsInTheirOrder() {
    maintest::WorkFolder folder;
    Program p;
    frmQuorvane& w = *p.window;
    QList<QWidget*> expected = {w.cmdStart,    w.cmdExit,     w.cmdAUTO,     w.txtTextBox1,
                                w.cmdReels[0], w.cmdReels[1], w.cmdReels[2], w.cmdReels[3],
                                w.cmdReels[4], w.cmdSave,     w.cmdAdd,      w.chkStopJP,
                                w.Picture2};
    for (SymbolCell* cell : w.Picture1) expected << cell;
    expected << w.cmd_OskarthDetails << w.cmdStart;
    QList<QWidget*> walked = {w.focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
      QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
      walked << w.focusWidget();
    }
    QCOMPARE(walked, expected);
    // The detail text passes Tab on rather than typing it.
    QVERIFY(!w.txtTextBox1->toPlainText().contains('\t'));
  }

  void stepPlaysAndShowsOneGame() {
    maintest::WorkFolder folder;
    Program p;
    frmQuorvane& w = *p.window;
    // With seed 4321 the first game triggers a series: no credit moves until it ends.
    w.cmdStart->click();
    QCOMPARE(p.state.Games, int64_t(1));
    QVERIFY(p.state.FreeSpinsActive);
    for (int cell = 0; cell < 15; ++cell)
      QCOMPARE(w.Picture1[cell]->Picture().toImage(), w.ImageList1[p.state.Screen[cell / 5][cell % 5]].toImage());
    QCOMPARE(w.cmdReels[2]->text(), QString::number(p.state.ReelStop[2]));
    QVERIFY(w.txtTextBox1->toPlainText().contains("SCATTERS = 15 Free Spins At x4"));
    QCOMPARE(w.Label1[1]->text(), QString(" FreeGames =  15"));
    QVERIFY(w.Label1[0]->text().startsWith(" Win "));
    QCOMPARE(p.state.Cash, 1'000'000);
    // The space bar on the focused Step plays the spins (retriggers come often here);
    // the last one settles the credit.
    for (int spin = 1; spin <= 300 && p.state.FreeSpinsActive; ++spin) QTest::keyClick(w.cmdStart, Qt::Key_Space);
    QVERIFY(!p.state.FreeSpinsActive);
    QCOMPARE(w.Label1[1]->text(), QString(" Games =  1"));
    QCOMPARE(int64_t(p.state.Cash), 1'000'000 - 20 + p.state.TotalWin);
    QCOMPARE(w.Label1[5]->text().left(8), QString(" Cash = "));
    QCOMPARE(w.Label1[2]->text(), " GameWin =  " + QString::number(p.state.TotalWin));
  }

  void runPlaysUntilStopIsClicked() {
    maintest::WorkFolder folder;
    Program p;
    frmQuorvane& w = *p.window;
    QTimer::singleShot(300, w.cmdAUTO, [&w] {
      QCOMPARE(w.cmdAUTO->text(), QString("Stop"));
      QVERIFY(!w.cmdAdd->isEnabled());
      w.cmdAUTO->click();
    });
    w.cmdAUTO->click();
    QCOMPARE(w.cmdAUTO->text(), QString("Run"));
    QVERIFY(p.state.Games >= 100);
    QCOMPARE(p.state.Games % 100, int64_t(0));
    QVERIFY(w.cmdAdd->isEnabled());
    QCOMPARE(w.Label1[1]->text(), " Games =  " + QString::number(p.state.Games));
    QCOMPARE(p.state.Cash, 1'000'000);
    QCOMPARE(w.Label1[5]->text(), QString(" Cash = 1 000 000 $"));
  }

  void autoStopEndsTheRunWithItsMessage() {
    maintest::WorkFolder folder;
    Program p;
    frmQuorvane& w = *p.window;
    w.chkStopJP->setChecked(true);
    QTimer safety;  // a run that never stops by itself fails instead of hanging
    safety.setSingleShot(true);
    connect(&safety, &QTimer::timeout, w.cmdAUTO, [&w] { if (w.RunFlagIsStop()) w.cmdAUTO->click(); });
    safety.start(10'000);
    w.cmdAUTO->click();
    QVERIFY(safety.isActive());
    QCOMPARE(Messages().size(), 1);
    QVERIFY2(Messages()[0].startsWith("Free Spins \nGame = ") || Messages()[0].startsWith("JACKPOT!!!\nGame = "),
             qPrintable(Messages()[0]));
    QCOMPARE(w.cmdAUTO->text(), QString("Run"));
    QVERIFY(w.cmdAdd->isEnabled());
  }

  void stopReelButtonMovesTheBoldCaption() {
    maintest::WorkFolder folder;
    Program p;
    frmQuorvane& w = *p.window;
    w.cmdReels[2]->click();
    w.cmdReels[2]->click();
    for (int reel = 0; reel < 5; ++reel) QCOMPARE(IsBold(w.cmdReels[reel]), reel == 2);
    QCOMPARE(p.state.StopReel, int16_t(2));
  }

  void saveReportsDoneWithABeep() {
    maintest::WorkFolder folder;
    Program p;
    int beeps = 0;
    tamberlo::ui::SetBeepHook([&beeps] { ++beeps; });
    p.window->cmdStart->click();
    p.window->cmdSave->click();
    tamberlo::ui::SetBeepHook({});
    QCOMPARE(p.window->txtTextBox1->toPlainText(), QString("LOG DONE !!!"));
    QCOMPARE(beeps, 1);
    QVERIFY(QFileInfo::exists("empty.txt"));
  }

  void exitInMidRunLeavesCompleteLogs() {
    maintest::WorkFolder folder;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--exit-mid-run", folder.Path()});
    QVERIFY(child.waitForFinished(60'000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QByteArray series = maintest::ReadFile("FreeSpins.txt");
    QVERIFY(!series.isEmpty());
    QCOMPARE(series.size() % 44, 0);  // whole lines of 42 characters and CR LF
    for (const char* log : {"Jackpot.txt", "Percent_10000.txt"}) {
      const QByteArray text = maintest::ReadFile(log);
      QVERIFY2(text.isEmpty() || text.endsWith("\r\n"), log);
    }
  }

  void aLogThatCannotBeWrittenEndsTheProgramNamingIt() {
    maintest::WorkFolder folder;
    QVERIFY(QFile::link("/dev/full", "FreeSpins.txt"));
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--exit-mid-run", folder.Path()});
    QVERIFY(child.waitForFinished(60'000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    QVERIFY(child.readAllStandardError().contains("FreeSpins.txt"));
  }

  void screenshotAfterAStep() {
    maintest::WorkFolder folder;
    Program p;
    p.window->cmdStart->click();
    const QPixmap shot = p.window->grab();
    QCOMPARE(shot.size(), QSize(676, 630));
    QVERIFY(shot.save(QDir::temp().filePath("tamberlo_main_window.png")));
  }

  void cleanup() { tamberlo::ui::SetMessageResponder({}); }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tamberlo");
  if (argc == 3 && std::string(argv[1]) == "--exit-mid-run") return ExitMidRun(argv[2]);
  TestMainWindow test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_main_window.moc"
