// The main window from start-up on: the seed, a game that cannot start, the
// load and layout, Step, Run/Stop, Auto Stop, and how the program ends.
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QtTest>

#include "file_size_limit.h"
#include "frm_slot_chart.h"
#include "save_files.h"
#include "statistics_hits.h"
#include "symbol_cell.h"
#include "test_main_game.h"

namespace {

using Slot = tamberlo::LabelSlot;

bool Shows(const frmQuorvane& w, int cell, int figure) {
  return w.Picture1[cell]->Picture().toImage() == w.ImageList1[figure].toImage();
}

// Child mode: start the game in `folder`, run, and click Exit from inside the
// run, or after it when the run stopped by itself.
int ExitMidRun(const char* folder) {
  QDir::setCurrent(folder);
  maintest::Program program;
  if (!program.window) return 2;
  QTimer::singleShot(700, program.window->cmdExit, &QPushButton::click);
  program.window->cmdAUTO->click();
  program.window->cmdExit->click();
  return 3;  // Exit never returns
}

int Lines(const char* log) { return static_cast<int>(maintest::ReadFile(log).count("\r\n")); }

// The FreeSpins.txt lines due so far: every series but one still pending or not yet followed by a base game.
int SeriesLinesDue(const tamberlo::GameState& s) {
  return static_cast<int>(s.FreeGames) - (s.FreeSpinsActive ? 1 : 0) - (s.FreeSpinsPlayed > 0 ? 1 : 0);
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void seedBelowZeroIsReplacedAndReported() {
    for (int seed : {-1, 0}) {
      maintest::WorkFolder folder(maintest::Definition("SEED = " + std::to_string(seed)));
      maintest::Program p;
      QVERIFY(p.window);
      QVERIFY(seed < 0 ? p.state.RngSeed >= 0 && p.state.RngSeed <= 65535 : p.state.RngSeed == seed);
      const QByteArray line = "RNG DESCRIPTION\r\nSEED = " + QByteArray::number(p.state.RngSeed) + "\r\n";
      QVERIFY(maintest::ReadFile("Temp1.txt").contains(line));  // the report names the seed played with
    }
  }

  // One message naming the file (and line), no window, no file of an earlier start touched.
  void gameThatCannotStart_data() {
    QTest::addColumn<QString>("definition");
    QTest::addColumn<QString>("message");
    QTest::newRow("no definition") << "" << "ReelSetup.ini";
    // The head reads; the paytable holds a pay that no 16-bit number can hold.
    std::string pay = maintest::Definition();
    pay.replace(pay.find(" 100,", pay.find("Scatter,    ")), 5, " 99999999,");
    QTest::newRow("pay too large") << QString::fromStdString(pay) << "^ReelSetup.ini:34: .*expected";
    // Reel 3 ends after one figure: the first window would show a gap at its position 1.
    std::string gap = maintest::Definition();
    size_t row = gap.find("\r\n", gap.find("REEL STRIP\r\n") + 12) + 2;
    for (int r = 1; r < maintest::kRows; ++r, row = gap.find("\r\n", row) + 2)
      gap.replace(row + 22, 11, maintest::Cell("GAP", 11));
    QTest::newRow("gap in the first window") << QString::fromStdString(gap) << "^ReelSetup.ini:8: ";
    // Scatters everywhere on the free-spin strips: every free spin retriggers.
    QString endless = QString::fromStdString(maintest::Definition());
    const qsizetype free = endless.indexOf("FREE SPINS REEL STRIP");
    const qsizetype end = endless.indexOf("WIN LINE DESCRIPTION");
    endless.replace(free, end - free, endless.mid(free, end - free).replace(QRegularExpression("(F\\d+|Wild),"), "Scatter,"));
    QTest::newRow("endless series") << endless << "^ReelSetup.ini: the free-spin reel strips retrigger too often";
  }
  void gameThatCannotStart() {
    QFETCH(QString, definition);
    QFETCH(QString, message);
    maintest::WorkFolder folder(definition.toStdString());
    const char* files[] = {"Temp1.txt", "Jackpot.txt", "Percent_10000.txt", "FreeSpins.txt"};
    for (const char* file : files) maintest::WriteFile(file, "kept\r\n");
    maintest::Program p;
    QVERIFY(!p.window);
    for (QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
    QCOMPARE(p.messages.size(), 1);
    QVERIFY2(p.messages[0].contains(QRegularExpression(message)), qPrintable(p.messages[0]));
    for (const char* file : files) QCOMPARE(maintest::ReadFile(file), QByteArray("kept\r\n"));
  }

  void loadLayoutAndTabOrder() {
    maintest::WorkFolder folder;
    maintest::WriteFile("Jackpot.txt", "from an earlier start\r\n");
    maintest::Program p;
    QVERIFY(p.window);
    frmQuorvane& w = *p.window;
    QVERIFY(p.messages.isEmpty());
    QVERIFY(w.isVisible() && w.Statistics()->isVisible() && w.Chart()->isVisible());
    QCOMPARE(w.windowTitle(), QString(" SLOT  Simulator RTP = 95.5%  ver.1.0.7"));
    for (int reel = 0; reel < 5; ++reel) {
      QVERIFY(Shows(w, reel, (11 + reel) % 13));  // the strip's last row above row 0
      QVERIFY(Shows(w, reel + 5, reel) && Shows(w, reel + 10, reel + 1));
      QCOMPARE(w.cmdReels[reel]->font().bold(), reel == 4);
    }
    for (int a = 0; a < tamberlo::kFigures; ++a)  // the pictures differ, so the above tells figures apart
      for (int b = a + 1; b < tamberlo::kFigures; ++b) QVERIFY(w.ImageList1[a].toImage() != w.ImageList1[b].toImage());
    QCOMPARE(w.Label(Slot::Cash)->text(), QString(" Cash = 1 000 000 $"));
    QCOMPARE(w.Label(Slot::CashTotal)->text(), QString(" Total = 1 000 000 $"));
    for (const char* log : {"Jackpot.txt", "Percent_10000.txt", "FreeSpins.txt"})
      QVERIFY2(QFileInfo::exists(log) && QFileInfo(log).size() == 0, log);
    // At 15 twips to the pixel the window's frame stands 4 pixels from the
    // screen's right edge and 32 above its bottom edge; the chart's frame is
    // as wide as the screen; the load lays the cells out.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(w.frameGeometry() != w.geometry());  // the platform draws a frame
    QCOMPARE(w.frameGeometry().bottomRight(), screen.bottomRight() - QPoint(4, 32));
    QCOMPARE(w.size(), QSize(676, 630));
    QCOMPARE(w.Chart()->frameGeometry(), QRect(0, 0, screen.width(), screen.height() * 5 / 8));
    QCOMPARE(w.Chart()->ChartImage().size(), w.Chart()->size());
    QCOMPARE(w.Picture2->geometry(), QRect(13, 4, 650, 455));
    QCOMPARE(w.Picture1[7]->geometry(), QRect(260, 195, 130, 130));
    QCOMPARE(w.Picture1[14]->geometry(), QRect(520, 325, 130, 130));
    struct LabelPlace {
      Slot slot;
      size_t index;  // in Label1
      QRect place;   // in twips
    };
    const LabelPlace labelPlaces[] = {
        {Slot::Rtp, 0, {6600, 7920, 3435, 255}},     {Slot::Games, 1, {6600, 8340, 1695, 255}},
        {Slot::GameWin, 2, {8340, 8340, 1695, 255}}, {Slot::FreeGames, 3, {6600, 8730, 3435, 255}},
        {Slot::HitRate, 4, {2280, 7920, 735, 255}},  {Slot::Cash, 5, {6600, 9120, 1695, 255}},
        {Slot::CashTotal, 6, {8340, 9120, 1695, 255}}};
    for (const LabelPlace& label : labelPlaces) {
      QCOMPARE(w.Label(label.slot), w.Label1[label.index]);
      const QRect& t = label.place;
      QCOMPARE(w.Label(label.slot)->geometry(), tamberlo::ui::TwipsRect(t.x(), t.y(), t.width(), t.height()));
    }
    QCOMPARE(w.Label(Slot::Rtp)->toolTip(), QString(" Win / Bet  = RTP [percent] "));
    QCOMPARE(w.Label(Slot::HitRate)->toolTip(), QString(" HitRate = "));
    for (QCheckBox* box : {w.chkRND, w.chkStopJP}) {  // captions show whole
      QStyleOptionButton option;
      option.initFrom(box);
      option.text = box->text();
      const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
      QVERIFY2(room.width() >= box->fontMetrics().horizontalAdvance(box->text()), qPrintable(box->text()));
    }
    QList<QWidget*> expected = {w.cmdStart, w.cmdExit, w.cmdAUTO, w.txtTextBox1};
    expected << QList<QWidget*>(w.cmdReels.begin(), w.cmdReels.end()) << w.cmdSave << w.cmdAdd << w.chkStopJP << w.Picture2;
    for (SymbolCell* cell : w.Picture1) expected << cell;
    expected << w.cmd_OskarthDetails << w.cmdStart;
    QList<QWidget*> walked = {w.focusWidget()};
    while (walked.size() < expected.size()) {
      QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
      walked << w.focusWidget();
    }
    QCOMPARE(walked, expected);
    QVERIFY(!w.txtTextBox1->toPlainText().contains('\t'));  // the detail text passes Tab on
    // A paste from a clipboard with no format at all, as when no program owns it, leaves the text; text pastes.
    QTest::mouseClick(w.txtTextBox1->viewport(), Qt::LeftButton);
    QTest::keyClicks(w.txtTextBox1, "ab");
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(w.txtTextBox1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.txtTextBox1, Qt::Key_Insert, Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText("cd");
    QTest::keyClick(w.txtTextBox1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.txtTextBox1->toPlainText(), QString("abcd"));
    // A stop-reel button moves the bold caption; clicked again it keeps it.
    w.cmdReels[2]->click();
    w.cmdReels[2]->click();
    for (int reel = 0; reel < 5; ++reel) QCOMPARE(w.cmdReels[reel]->font().bold(), reel == 2);
    QCOMPARE(p.state.StopReel, int16_t(2));
  }

  // Reel r of the base strip ends at row 11 - 2r, the rest of its column gaps.
  void firstSymbolWindowTakesEachReelsOwnLastPosition() {
    std::string definition = maintest::Definition();
    size_t row = definition.find("REEL STRIP\r\n") + 12;
    for (int r = 0; r < maintest::kRows; ++r, row = definition.find("\r\n", row) + 2)
      for (int reel = 0; reel < 5; ++reel)
        if (r > 11 - 2 * reel) definition.replace(row + 11 * reel, 11, maintest::Cell("GAP", 11));
    maintest::WorkFolder folder(definition);
    maintest::Program p;
    QVERIFY(p.window);
    for (int reel = 0; reel < 5; ++reel) {
      QCOMPARE(p.state.ReelLast[reel], int16_t(11 - 2 * reel));
      QVERIFY(Shows(*p.window, reel, 11 - reel));  // figure (row + reel) mod 13 at row 11 - 2 * reel
      QVERIFY(Shows(*p.window, reel + 5, reel) && Shows(*p.window, reel + 10, reel + 1));
    }
  }

  void stepPlaysAndShowsOneGame() {
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    // With seed 4321 the first game triggers a series: no credit moves until it ends.
    w.cmdStart->click();
    QVERIFY(p.state.Games == 1 && p.state.FreeSpinsActive);
    for (int cell = 0; cell < 15; ++cell) QVERIFY(Shows(w, cell, p.state.Screen[cell / 5][cell % 5]));
    QCOMPARE(w.cmdReels[2]->text(), QString::number(p.state.ReelStop[2]));
    QVERIFY(w.txtTextBox1->toPlainText().contains("SCATTERS = 15 Free Spins At x4"));
    QCOMPARE(w.Label(Slot::Games)->text(), QString(" FreeGames =  15"));
    QCOMPARE(w.Label(Slot::Cash)->text(), QString(" Cash = 1 000 000 $"));
    // The space bar on the focused Step plays the spins; the last one settles the credit.
    for (int spin = 1; spin <= 300 && p.state.FreeSpinsActive; ++spin) QTest::keyClick(w.cmdStart, Qt::Key_Space);
    QVERIFY(!p.state.FreeSpinsActive);
    QCOMPARE(w.Label(Slot::Games)->text(), QString(" Games =  1"));
    QCOMPARE(int64_t(p.state.Cash), 1'000'000 - 20 + p.state.TotalWin);
    QCOMPARE(w.Label(Slot::Cash)->text(), QString::fromStdString(tamberlo::LabelText({.kind = tamberlo::LabelKind::Cash, .credits = p.state.Cash})));
    QCOMPARE(w.Label(Slot::GameWin)->text(), " GameWin =  " + QString::number(p.state.TotalWin));
    QCOMPARE(Lines("FreeSpins.txt"), 0);
    w.cmdStart->click();  // the series is logged, and on disk right after the Step
    QCOMPARE(Lines("FreeSpins.txt"), 1);
  }

  void runEnds_data() {
    QTest::addColumn<bool>("autoStop");
    QTest::newRow("by a Stop click from inside the run") << false;
    QTest::newRow("by Auto Stop, with one message") << true;
  }
  void runEnds() {
    QFETCH(bool, autoStop);
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    w.chkStopJP->setChecked(autoStop);
    bool clicked = false;  // with Auto Stop, only a run that never stops by itself gets here
    QTimer::singleShot(autoStop ? 10'000 : 300, w.cmdAUTO, [&] {
      const bool running = w.cmdAUTO->text() == "Stop" && !w.cmdAdd->isEnabled();
      clicked = true;
      // While a message waits, the logs on disk hold every line so far.
      QCheckBox* chartSave = w.Chart()->findChild<QCheckBox*>("chkSave");
      tamberlo::ui::SetMessageResponder([&](const QString&, auto) {
        [&] { QCOMPARE(Lines("FreeSpins.txt"), SeriesLinesDue(p.state)); }();
        return tamberlo::ui::Answer::No;
      });
      chartSave->click();
      chartSave->click();
      tamberlo::ui::SetMessageResponder([&](const QString& text, auto) { return p.messages << text, tamberlo::ui::Answer::Ok; });
      w.cmdAUTO->click();
      QVERIFY(running);
    });
    w.cmdAUTO->click();
    QCOMPARE(clicked, !autoStop);
    QCOMPARE(w.cmdAUTO->text(), QString("Run"));
    QVERIFY(w.cmdAdd->isEnabled());
    QCOMPARE(p.messages.size(), autoStop ? 1 : 0);
    QCOMPARE(Lines("FreeSpins.txt"), SeriesLinesDue(p.state));  // on disk at the stop
    if (autoStop) {
      QVERIFY2(p.messages[0].startsWith("Free Spins \nGame = ") || p.messages[0].startsWith("JACKPOT!!!\nGame = "),
               qPrintable(p.messages[0]));
    } else {
      QVERIFY(p.state.Games >= 100 && p.state.Games % 100 == 0);
      QCOMPARE(w.Label(Slot::Games)->text(), " Games =  " + QString::number(p.state.Games));
    }
  }

  // A full disk ends the run after its pass with one message and keeps the
  // counters; Save then changes nothing and says so; once there is room,
  // Save writes the totals of every game and a later Run works.
  void aFullDiskStopsTheRunAndSaveChangesNothingUntilThereIsRoom() {
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    w.cmdSave->click();
    QCOMPARE(w.txtTextBox1->toPlainText(), QString("LOG DONE !!!"));
    const QByteArray report = maintest::ReadFile("Temp1.txt"), emptyRuns = maintest::ReadFile("empty.txt");
    const qint64 room = report.size() + 100;  // FreeSpins.txt fills it first; a Save does not fit
    {
      const FileSizeLimit full(room);
      QTimer::singleShot(20'000, w.cmdAUTO, [&] { if (w.cmdAUTO->text() == "Stop") w.cmdAUTO->click(); });
      w.cmdAUTO->click();
      QCOMPARE(p.messages.size(), 1);
      for (const QString& line : p.messages[0].split('\n'))
        QVERIFY2(line.contains(QRegularExpression("^Cannot write \"[A-Za-z_0-9]+\\.txt\": File too large\\. "
                                                  "The file holds (no line from game [0-9]+ on|"
                                                  "[0-9]+ lines? of game [0-9]+ and none after it)\\.$")),
                 qPrintable(line));
      QVERIFY(p.messages[0].contains("\"FreeSpins.txt\""));
      for (const char* log : {"Jackpot.txt", "Percent_10000.txt", "FreeSpins.txt"}) {
        const QByteArray text = maintest::ReadFile(log);
        QVERIFY2((text.isEmpty() || text.endsWith("\r\n")) && text.size() <= room, log);  // no torn line
      }
      QVERIFY(w.cmdAUTO->text() == "Run" && w.cmdAdd->isEnabled() && p.state.Games > 0);
      const tamberlo::LabelValue rtp{.kind = tamberlo::LabelKind::RtpLine, .win = p.state.TotalWin, .bet = p.state.TotalBet};
      QCOMPARE(w.Label(Slot::Rtp)->text(), QString::fromStdString(tamberlo::LabelText(rtp)));

      w.cmdSave->click();
      QCOMPARE(p.messages.size(), 2);
      QCOMPARE(p.messages[1], QString("Cannot write \"Temp1.txt\": File too large. Nothing was saved: Temp1.txt and "
                                      "empty.txt are as they were."));
      QCOMPARE(maintest::ReadFile("Temp1.txt"), report);
      QCOMPARE(maintest::ReadFile("empty.txt"), emptyRuns);
      QVERIFY(!w.txtTextBox1->toPlainText().contains("LOG DONE"));
    }
    const int64_t games = p.state.Games;
    w.cmdSave->click();
    QCOMPARE(p.messages.size(), 2);
    QCOMPARE(w.txtTextBox1->toPlainText(), QString("LOG DONE !!!"));
    QVERIFY(maintest::ReadFile("Temp1.txt").mid(report.size()).startsWith(tamberlo::TotalsBlock(p.state).c_str()));
    QCOMPARE(maintest::ReadFile("empty.txt"), QByteArray::fromStdString(tamberlo::EmptyRunsRecords(p.state)));

    QTimer::singleShot(200, w.cmdAUTO, &QPushButton::click);
    w.cmdAUTO->click();
    QVERIFY(p.state.Games > games);
    QCOMPARE(p.messages.size(), 2);
  }

  // Save puts what the run logs hold on disk first and says "LOG DONE !!!"
  // with a beep; a Save that fails takes that word back and does not beep.
  void saveKeepsTheLogsOnDiskAndSaysDoneOnlyWhenDone() {
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    p.logs.WriteJackpot(12, 3, false);  // still in its buffer
    w.cmdSave->click();
    QCOMPARE(maintest::ReadFile("Jackpot.txt"), QByteArray("      12       3 \r\n"));
    QCOMPARE(w.txtTextBox1->toPlainText(), QString("LOG DONE !!!"));
    QCOMPARE(p.beeps, 1);

    QVERIFY(QFile::remove("empty.txt") && QDir().mkdir("empty.txt"));
    w.cmdSave->click();
    QCOMPARE(p.messages, QStringList("Cannot write \"empty.txt\": Is a directory. Nothing was saved: Temp1.txt and "
                                     "empty.txt are as they were."));
    QCOMPARE(w.txtTextBox1->toPlainText(), QString());
    QCOMPARE(p.beeps, 1);
  }

  // A child process runs and clicks Exit from inside the run.
  void exitInMidRun_data() {
    QTest::addColumn<bool>("logUnwritable");
    QTest::newRow("logs left in whole lines") << false;
    QTest::newRow("a log that cannot be written stops the run; Exit names it") << true;
  }
  void exitInMidRun() {
    QFETCH(bool, logUnwritable);
    maintest::WorkFolder folder;
    if (logUnwritable) QVERIFY(QFile::link("/dev/full", "FreeSpins.txt"));
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--exit-mid-run", folder.dir.path()});
    QVERIFY(child.waitForFinished(60'000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), logUnwritable ? 1 : 0);
    QCOMPARE(child.readAllStandardError().contains("Cannot write \"FreeSpins.txt\": No space left on device. "
                                                   "The file holds no line from game "),
             logUnwritable);
    if (logUnwritable) return;
    const QByteArray series = maintest::ReadFile("FreeSpins.txt");
    QVERIFY(!series.isEmpty() && series.size() % 44 == 0);  // whole lines of 42 characters and CR LF
    for (const char* log : {"Jackpot.txt", "Percent_10000.txt"}) {
      const QByteArray text = maintest::ReadFile(log);
      QVERIFY2(text.isEmpty() || text.endsWith("\r\n"), log);
    }
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tamberlo");
  if (argc == 3 && std::string(argv[1]) == "--exit-mid-run") return ExitMidRun(argv[2]);
  TestMainWindow test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_main_window.moc"
