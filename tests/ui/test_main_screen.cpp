// What the main window shows and how it answers the keyboard: the buttons'
// colours, Enter on a focused button, the caption's number, the labels'
// whole texts, and the labels while a run goes on, on a clock the test drives.
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <map>
#include <utility>

#include "cadence_test_clock.h"
#include "frm_slot_chart.h"
#include "screen_cadence.h"
#include "statistics_clipboard.h"
#include "statistics_hits.h"
#include "test_main_game.h"

namespace {

using Slot = tamberlo::LabelSlot;
using tamberlo::ui::CadenceClock;

QColor MostCommonColour(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
  auto most = counts.begin();
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it->second > most->second) most = it;
  return QColor::fromRgb(most->first);
}

// Calls `seen` whenever the widget paints itself.
struct PaintWatch : QObject {
  std::function<void()> seen;
  PaintWatch(QWidget* widget, std::function<void()> onPaint) : seen(std::move(onPaint)) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) seen();
    return false;
  }
};

QString GamesLabel(int64_t games) { return QString::fromStdString(tamberlo::LabelText({.kind = tamberlo::LabelKind::GamesCount, .games = games})); }

// Child mode: start the game in `folder` and press Enter on the focused Exit.
int ExitByEnter(const char* folder) {
  QDir::setCurrent(folder);
  maintest::Program program;
  if (!program.window) return 2;
  program.window->cmdExit->setFocus();
  QTest::keyClick(program.window->cmdExit, Qt::Key_Return);
  return 3;  // Exit never returns
}

}  // namespace

class TestMainScreen : public QObject {
  Q_OBJECT

 private slots:
  void buttonsShowTheirColours() {
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    const QColor grey(223, 223, 223);
    const std::pair<QPushButton*, QColor> buttons[] = {
        {w.cmdExit, QColor(255, 128, 128)}, {w.cmdSave, QColor(255, 224, 192)}, {w.cmdAdd, QColor(255, 192, 192)},
        {w.cmdAUTO, grey}, {w.cmdStart, grey}, {w.cmdReels[0], grey}, {w.cmdReels[4], grey}, {w.cmd_OskarthDetails, grey}};
    for (const auto& [button, colour] : buttons) QCOMPARE(MostCommonColour(button), colour);
    w.cmdAdd->setEnabled(false);  // as during a run
    QCOMPARE(MostCommonColour(w.cmdAdd), QColor(255, 192, 192));
  }

  void enterClicksAFocusedButton() {
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    p.state.GamesPerRun = 100;  // a run started by Enter stops by itself
    QList<QPushButton*> buttons = {w.cmdStart, w.cmdSave};
    buttons << QList<QPushButton*>(w.cmdReels.begin(), w.cmdReels.end());
    // Add before Run: a run to its game count leaves Add disabled.
    buttons << w.Chart()->findChild<QPushButton*>("cmdCharSetup") << w.cmdAdd << w.cmdAUTO;
    for (QPushButton* button : buttons) {
      QSignalSpy clicked(button, &QPushButton::clicked);
      button->setFocus();
      QTest::keyClick(button, button == w.cmdStart ? Qt::Key_Enter : Qt::Key_Return);
      QVERIFY2(clicked.size() == 1, qPrintable(button->text()));
      if (button == w.cmdAdd) {
        QVERIFY(w.txtAddCredit->isVisible());  // the entry began; Enter in the box ends it
        QTest::keyClick(w.txtAddCredit, Qt::Key_Return);
      }
    }
    QCOMPARE(p.state.Games, int64_t{100});  // Step played one, Run the rest
    // Exit ends the program, so a child process presses it.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--exit-by-enter", folder.dir.path()});
    QVERIFY(child.waitForFinished(60'000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
  }

  void captionUsesTheLocalesDecimalSeparator_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("caption");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << " SLOT  Simulator RTP = 95.5%  ver.1.0.7";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << " SLOT  Simulator RTP = 95,5%  ver.1.0.7";
  }
  void captionUsesTheLocalesDecimalSeparator() {
    QFETCH(QLocale, locale);
    QFETCH(QString, caption);
    const QLocale previous;
    QLocale::setDefault(locale);
    maintest::WorkFolder folder;
    maintest::Program p;
    QLocale::setDefault(previous);
    QVERIFY(p.window);
    QCOMPARE(p.window->windowTitle(), caption);
    QVERIFY(maintest::ReadFile("Temp1.txt").contains("\r\n Game RTP: 95,50 %\r\n"));  // the report stays as it is
  }

  // Counters far past what the labels were sized for still show every
  // character, in a narrower or smaller font; ordinary ones keep the label's font.
  void labelsShowTheirWholeText() {
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    using Kind = tamberlo::LabelKind;
    const QFont normal = w.Label(Slot::Rtp)->font();
    const int64_t big = 999'999'999'999'999;  // the counters' practical end: 15 digits
    const std::pair<Slot, tamberlo::LabelValue> wide[] = {
        {Slot::Rtp, {.kind = Kind::RtpLine, .win = 270'704'247'422, .bet = 2'000'000'000}},
        {Slot::Rtp, {.kind = Kind::RtpLine, .win = 19'138'559'480, .bet = 20'000'000'000}},
        {Slot::Rtp, {.kind = Kind::RtpLine, .win = big, .bet = 20'000'000'000}},
        {Slot::Games, {.kind = Kind::GamesCount, .games = big}},
        {Slot::Games, {.kind = Kind::FreeGamesLeft, .games = big}},
        {Slot::GameWin, {.kind = Kind::GameWin, .win = big}},
        {Slot::FreeGames, {.kind = Kind::FreeGamesBase, .games = big / 10, .win = big, .bet = 20'000'000'000}},
        {Slot::FreeGames, {.kind = Kind::FreeGamesRun, .games = big / 10, .win = big, .bet = 20'000'000'000}},
        {Slot::HitRate, {.kind = Kind::HitRate, .games = big, .winCount = 1'000'000}},
        {Slot::HitRate, {.kind = Kind::HitRate}},  // "no wins yet"
        {Slot::Cash, {.kind = Kind::Cash, .credits = 2'147'483'647}},
        {Slot::CashTotal, {.kind = Kind::CashTotal, .credits = 2'147'483'647}},
    };
    const std::pair<Slot, tamberlo::LabelValue> ordinary[] = {
        {Slot::Rtp, {.kind = Kind::RtpLine, .win = 955'000, .bet = 1'000'000}},
        {Slot::Games, {.kind = Kind::GamesCount, .games = 50'000}},
        {Slot::GameWin, {.kind = Kind::GameWin, .win = 400}},
        {Slot::FreeGames, {.kind = Kind::FreeGamesRun, .games = 300, .win = 90'000, .bet = 1'000'000}},
        {Slot::HitRate, {.kind = Kind::HitRate, .games = 50'000, .winCount = 15'000}},
        {Slot::Cash, {.kind = Kind::Cash, .credits = 1'000'000}},
        {Slot::CashTotal, {.kind = Kind::CashTotal, .credits = 1'000'000}},
    };
    // Pushed to its label: the text as it is, every character inside the label.
    const auto shownWhole = [&](Slot slot, const tamberlo::LabelValue& value) {
      w.SetLabel(slot, value);
      w.PushLabels();
      const QLabel* label = w.Label(slot);
      const QString text = QString::fromStdString(tamberlo::LabelText(value));
      const int room = label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
      return label->text() == text && label->fontMetrics().horizontalAdvance(text) <= room;
    };
    for (const auto& [slot, value] : wide) QVERIFY2(shownWhole(slot, value), tamberlo::LabelText(value).c_str());
    for (const auto& [slot, value] : ordinary) {
      QVERIFY2(shownWhole(slot, value), tamberlo::LabelText(value).c_str());
      QVERIFY2(w.Label(slot)->font() == normal, tamberlo::LabelText(value).c_str());
    }
  }

  // On a clock that moves one millisecond per hundred games, each frame
  // brings the games counted so far to the screen while the run goes on.
  void labelsReachTheScreenDuringARun() {
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    const CadenceClock::time_point start = CadenceClock::now();
    TestClock clock([&] { return start + std::chrono::microseconds(10 * p.state.Games); });
    p.state.GamesPerRun = 200'000;  // twenty frames
    QStringList painted;
    QList<int64_t> gamesAtPaint;
    PaintWatch watch(w.Label(Slot::Games), [&] {
      if (w.cmdAUTO->text() != "Stop") return;
      painted << w.Label(Slot::Games)->text();
      gamesAtPaint << p.state.Games;
    });
    w.cmdAUTO->click();
    QCOMPARE(p.state.Games, int64_t{200'000});
    QVERIFY2(painted.size() >= 10, qPrintable(painted.join('|')));
    for (qsizetype i = 0; i < painted.size(); ++i) QCOMPARE(painted[i], GamesLabel(gamesAtPaint[i]));
    QVERIFY(gamesAtPaint.first() > 0 && gamesAtPaint.last() < 200'000);
  }

  // A click on the grid holds the run for its copy; the main window shows
  // the games whose totals go to the clipboard, though no frame has passed.
  void labelsAreCurrentUnderANestedHandler() {
    maintest::WorkFolder folder;
    maintest::Program p;
    frmQuorvane& w = *p.window;
    FrozenClock clock;
    // The copy reads the wait clock first: that is where its handler has begun.
    struct CopyClock final : tamberlo::ui::WaitClock {
      std::function<void()> onCopy;
      TimePoint now{};
      CopyClock() { tamberlo::ui::SetWaitClock(this); }
      ~CopyClock() override { tamberlo::ui::SetWaitClock(nullptr); }
      TimePoint Now() override {
        if (onCopy) std::exchange(onCopy, {})();
        return now;
      }
      void HandleEventsFor(std::chrono::milliseconds span) override { now += span; }
    } copyClock;
    QString labelAtCopy;
    int64_t gamesAtCopy = -1;
    copyClock.onCopy = [&] {
      labelAtCopy = w.Label(Slot::Games)->text();
      gamesAtCopy = p.state.Games;
      w.cmdAUTO->click();  // Stop
    };
    QTableView* grid = w.Statistics()->MSFlexGrid1();
    const QPoint cell = grid->visualRect(grid->model()->index(0, 0)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const QPointF global = grid->viewport()->mapToGlobal(QPointF(cell));
      QCoreApplication::postEvent(grid->viewport(), new QMouseEvent(type, QPointF(cell), global, Qt::LeftButton,
                                                                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                                    Qt::NoModifier));
    }
    w.cmdAUTO->click();
    QVERIFY(gamesAtCopy > 0);
    QCOMPARE(labelAtCopy, GamesLabel(gamesAtCopy));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tamberlo");
  if (argc == 3 && std::string(argv[1]) == "--exit-by-enter") return ExitByEnter(argv[2]);
  TestMainScreen test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_main_screen.moc"
