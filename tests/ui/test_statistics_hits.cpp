// The statistics window: the refresh and its colours, the grid on screen, the
// clipboard copy, and the hits section that Save puts after its totals.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cadence_test_clock.h"
#include "save_files.h"
#include "statistics_clipboard.h"
#include "statistics_hits.h"
#include "ui_platform.h"

using namespace std::chrono_literals;

namespace {

constexpr size_t kSectionSize = 17 + 53 * 277;  // "HIT DESCRIPTION" and 53 grid lines, CR LF each

// As the load leaves it: pays for 3..5 of every figure, for 2 of the high ones
// only, and a negative pay (a designer's charge) for 2 of figure 4.
tamberlo::GameState Loaded() {
  tamberlo::GameState s;
  for (int f = 0; f < tamberlo::kFigures; ++f) {
    s.FigureNameList.push_back(f == 8 ? "Treasure Chest" : "Figure" + std::to_string(f));
    s.PayTable[f][2] = int16_t(f >= 9 ? 2 : 0);
    for (int count = 3; count <= 5; ++count) s.PayTable[f][count] = int16_t(count * 100 + f);
  }
  s.PayTable[4][2] = -5;
  s.ReportFileName = "Temp1.txt";
  return s;
}

// A grid cell, its hits at each refresh and its colour after each (Default, White, Red, Yellow).
struct Moved { int figure, count, slot; QList<int> hits; const char* colours; };

int RowOf(int figure, int count) { return 4 * figure + count - 1; }

QString Cell(const StatisticsHits& w, int row, int col) { return GridString(w.Grid().Text(row, col)); }

std::string ReadFile(const char* path) { return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str(); }

QStringList SectionLines(StatisticsHits& w) { return QString::fromStdString(w.SaveHits()).split("\r\n"); }

// One wait's event handling as the clock saw it: when it began (ms after the
// click), how long it was asked for, and the status label's text if shown.
struct Waited {
  qint64 at, span;
  QString label;
  bool operator==(const Waited&) const = default;
};

char* toString(const Waited& w) { return QTest::toString(QString("{%1, %2, %3}").arg(w.at).arg(w.span).arg(w.label)); }

// The statistics window's waits on a clock the test moves: each handling of
// events passes at most 400 ms, as an event loop may come back early.
struct SteppedClock final : tamberlo::ui::WaitClock {
  TimePoint start{}, now{};
  QLabel* label = nullptr;
  QList<Waited> waits;
  SteppedClock() { tamberlo::ui::SetWaitClock(this); }
  ~SteppedClock() override { tamberlo::ui::SetWaitClock(nullptr); }
  qint64 Elapsed() const { return std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count(); }
  TimePoint Now() override { return now; }
  void HandleEventsFor(std::chrono::milliseconds span) override {
    QCoreApplication::processEvents();
    waits << Waited{Elapsed(), span.count(), label != nullptr && label->isVisible() ? label->text() : QString()};
    now += std::min<std::chrono::milliseconds>(span, 400ms);
  }
};

// A fresh current folder that records message boxes and beeps.
struct Sandbox {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  QStringList messages;
  int beeps = 0;
  Sandbox() {
    QDir::setCurrent(dir.path());
    tamberlo::ui::SetMessageResponder([this](const QString& text, auto) { return messages << text, tamberlo::ui::Answer::Ok; });
    tamberlo::ui::SetBeepHook([this] { ++beeps; });
  }
  ~Sandbox() {
    QDir::setCurrent(previous);
    tamberlo::ui::SetMessageResponder({});
    tamberlo::ui::SetBeepHook({});
  }
};

}  // namespace

Q_DECLARE_METATYPE(Moved)

class StatisticsHitsTest : public QObject {
  Q_OBJECT

 private slots:
  // Red: a count with a pay (negative too) moved since the last refresh (empty
  // reads 0); yellow: one that pays nothing; white: still.
  void refreshColoursWhatMoved_data() {
    QTest::addColumn<Moved>("cell");
    QTest::newRow("paying, then still") << Moved{0, 3, 0, {5, 5}, "RW"};
    QTest::newRow("paying nothing, then still") << Moved{0, 2, 1, {3, 3}, "YW"};
    QTest::newRow("negative pay, then still") << Moved{4, 2, 7, {2, 2}, "RW"};
    QTest::newRow("scatter slot, growing") << Moved{12, 3, 20, {4, 6}, "RR"};
    QTest::newRow("never hit") << Moved{5, 4, 6, {0, 0}, "WW"};
    QTest::newRow("went down") << Moved{3, 2, 4, {2, 0}, "YY"};
  }
  void refreshColoursWhatMoved() {
    QFETCH(Moved, cell);
    const auto [figure, count, slot, hits, colours] = cell;
    tamberlo::GameState s = Loaded();
    StatisticsHits w(s);
    QVERIFY(w.Grid().Colour(RowOf(figure, count), slot + 1) == CellColour::Default);
    for (int i = 0; i < hits.size(); ++i) {
      s.LineHits[slot][count][figure] = hits[i];
      w.ShowHits();
      QCOMPARE("DWRY"[int(w.Grid().Colour(RowOf(figure, count), slot + 1))], colours[i]);
      QCOMPARE(Cell(w, RowOf(figure, count), slot + 1), QString::number(hits[i]));
    }
    for (int col = 22; col <= 24; ++col) QVERIFY(w.Grid().Colour(RowOf(figure, count), col) == CellColour::Default);
  }

  void refreshIsSkippedWhenMinimisedOrQuietButSaveRefreshesAMinimisedWindow() {
    tamberlo::GameState s = Loaded();
    s.LineHits[2][4][1] = 9;
    StatisticsHits w(s);
    w.show();
    w.showMinimized();
    w.ShowHits();
    QCOMPARE(Cell(w, RowOf(1, 4), 3), QString());
    QCOMPARE(SectionLines(w)[1 + RowOf(1, 4)].mid(33, 11), QString("9          "));
    QVERIFY(w.isMinimized());
    w.showNormal();
    s.LineHits[2][4][1] = 10;
    s.QuietMode = 1;
    w.ShowHits();
    QCOMPARE(SectionLines(w)[1 + RowOf(1, 4)].mid(33, 11), QString("9          "));
  }

  void hitsSectionIsFiftyFourLinesOf275Characters() {
    tamberlo::GameState s = Loaded();
    s.LineHits[0][3][0] = 123456789012LL;  // wider than a cell: cut to 11
    StatisticsHits w(s);
    const QStringList lines = SectionLines(w);
    QCOMPARE(lines.size(), 55);
    QCOMPARE(lines[0], QString("HIT DESCRIPTION"));
    QVERIFY(lines[54].isEmpty());  // nothing after the last CR LF
    for (int i = 1; i < 54; ++i) QCOMPARE(lines[i].size(), 275);
    QCOMPARE(lines[1].left(33), QString("Win Name   Line 1     Line 2     "));
    QCOMPARE(lines[1].mid(20 * 11), QString("Line 20    SPECIAL    HITS       WIN        TOTAL      "));
    QCOMPARE(lines[1 + RowOf(8, 3)].left(22), QString(" 3 Treasure0          "));
    QCOMPARE(lines[1 + RowOf(0, 3)].mid(11, 11), QString("12345678901"));
  }

  void clipboardTextIsTheGridAndFourTotals() {
    tamberlo::GameState s = Loaded();
    s.TotalBet = 2000;
    s.TotalWin = 1900;
    s.FreeGames = 3;
    s.FreeWin = 450;
    s.LineHits[0][3][12] = 1;
    s.LineHits[20][3][12] = 4;
    s.LineWins[0][12][3] = 25;
    s.LineWins[20][12][3] = 40;
    StatisticsHits w(s);
    QCOMPARE(w.GridClipboardText().split("\r\n")[RowOf(12, 3)], " 3 Figure12\t" + QString(22, '\t') + "312\t\t");
    w.ShowHits();
    const QStringList lines = w.GridClipboardText().split("\r\n");
    QCOMPARE(lines.size(), 55);
    QString header = "Win Name\t";
    for (int line = 1; line <= 20; ++line) header += QString("Line %1\t").arg(line);
    QCOMPARE(lines[0], header + "SPECIAL\tHITS\tWIN\tTOTAL\t");
    QCOMPARE(lines[RowOf(12, 3)], " 3 Figure12\t1\t" + QString("0\t").repeated(19) + "4\t5\t312\t65\t");
    QCOMPARE(lines[53], QString("TotalBet\t2000\tTotalWin\t1900"));
    QCOMPARE(lines[54], QString("FreeGames\t3\tFreeWin\t450"));
  }

  void aClickCopiesWithTwoMessagesOnlyWhenTheClipboardTookIt_data() {
    QTest::addColumn<bool>("taken");
    QTest::newRow("taken") << true;
    QTest::newRow("taken over by another program before the read-back") << false;
  }
  void aClickCopiesWithTwoMessagesOnlyWhenTheClipboardTookIt() {
    QFETCH(bool, taken);
    Sandbox sandbox;
    SteppedClock clock;
    const tamberlo::GameState s = Loaded();
    StatisticsHits w(s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clock.label = w.Label1();
    // Putting the text on the clipboard takes 300 ms; another program may take the clipboard over.
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString grid = w.GridClipboardText();
    bool copied = false;
    const QMetaObject::Connection watch = connect(clipboard, &QClipboard::dataChanged, [&] {
      if (copied || clipboard->text() != grid) return;
      copied = true;
      clock.now += 300ms;
      if (!taken) clipboard->setText("another program's text");
    });
    QTest::mouseClick(w.MSFlexGrid1()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    disconnect(watch);

    // Each wait ends a second after its start, the first one counted from the click.
    const QString copying = QString::fromUtf8("Копиране на данните в клипборда!");
    const QString done = QString::fromUtf8("Данните са в клипборда!");
    QList<Waited> expected{{300, 700, copying}, {700, 300, copying}};
    if (taken) expected << Waited{1000, 1000, done} << Waited{1400, 600, done} << Waited{1800, 200, done};
    QCOMPARE(clock.waits, expected);
    QCOMPARE(clock.Elapsed(), taken ? 2000 : 1000);
    QVERIFY(!w.Label1()->isVisible());
    const QSize outer = w.frameGeometry().size() - w.Label1()->size();
    QCOMPARE(w.Label1()->pos(), QPoint(outer.width() / 2, outer.height() / 2));
    QCOMPARE(sandbox.beeps, taken ? 1 : 0);
    QCOMPARE(sandbox.messages, taken ? QStringList() : QStringList("The statistics could not be put on the clipboard."));
    if (taken) QCOMPARE(clipboard->text(), grid);
  }

  void theGridFillsTheWindowAndShowsTheLastRefresh() {
    tamberlo::GameState s = Loaded();
    s.LineHits[0][2][0] = 1;
    StatisticsHits w(s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(640, 420);
    QCoreApplication::processEvents();
    QTableView* view = w.MSFlexGrid1();
    QCOMPARE(view->geometry(), w.rect());
    QCOMPARE(view->model()->headerData(51, Qt::Vertical).toString(), QString(" 5 Figure12"));
    QCOMPARE(view->model()->headerData(23, Qt::Horizontal).toString(), QString("TOTAL"));
    QSignalSpy told(view->model(), &QAbstractItemModel::dataChanged);
    FrozenClock clock;
    w.ShowHits();
    s.LineHits[1][3][0] = 4;  // red: row 2, column 2
    s.LineHits[1][2][0] = 2;  // yellow: row 1, column 2
    w.ShowHits();
    QCOMPARE(told.size(), 1);                         // the views hear of quick refreshes once ...
    QTRY_COMPARE(told.size(), 2);                     // ... and always of the last one
    const QImage image = w.grab().toImage();
    auto pixelAt = [&](int row, int col) {
      const QPoint at = view->visualRect(view->model()->index(row - 1, col - 1)).topLeft() + QPoint(3, 3);
      return image.pixelColor(view->viewport()->mapTo(&w, at) * image.devicePixelRatio());
    };
    QCOMPARE(pixelAt(2, 2), QColor(255, 0, 0));
    QCOMPARE(pixelAt(1, 2), QColor(255, 255, 0));
    QCOMPARE(pixelAt(1, 1), QColor(255, 255, 255));
  }

  // Totals of 12 digits (a game paying 16,000 over 100,000,000 games) keep every digit in view.
  void everyCellTextFitsItsColumn() {
    tamberlo::GameState s = Loaded();
    for (int f = 0; f < tamberlo::kFigures; ++f) {
      for (int count = 2; count <= 5; ++count) {
        s.LineHits[0][count][f] = 1'234'567'890;
        s.LineWins[tamberlo::kScatterSlot][f][count] = 267'805'440'000 + f;
      }
    }
    StatisticsHits w(s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.ShowHits();
    QTableView* view = w.MSFlexGrid1();
    const QFontMetrics metrics = view->fontMetrics();
    QCOMPARE(Cell(w, RowOf(12, 5), 24), QString("267805440012"));
    for (int row = 1; row < StatisticsGrid::kRows; ++row) {
      for (int col = 1; col < StatisticsGrid::kCols; ++col) {
        const QString text = Cell(w, row, col);
        QVERIFY2(metrics.horizontalAdvance(text) + 6 <= view->columnWidth(col - 1), qPrintable(text));
      }
    }
  }

  // The report gets a totals block and a hits section per Save; empty.txt is rewritten in place.
  void twoSavesAppendTwoBlocksAndRewriteEmptyRuns() {
    Sandbox sandbox;
    const std::string description = "  Company: x\r\nPAYTABLE DESCRIPTION\r\n";
    std::ofstream("Temp1.txt", std::ios::binary) << description;
    tamberlo::GameState s = Loaded();
    s.Games = 10;
    s.EmptyRuns[0] = 3;
    s.LineHits[3][3][2] = 4;  // row (2, 3), line 4
    StatisticsHits w(s);
    tamberlo::SaveResults(s, w.SaveHits());
    std::string expected = description + tamberlo::TotalsBlock(s) + SectionLines(w).join("\r\n").toStdString();
    QCOMPARE(tamberlo::EmptyRunsRecords(s).size(), size_t{1250});
    QCOMPARE(ReadFile("empty.txt"), tamberlo::EmptyRunsRecords(s));

    std::ofstream("empty.txt", std::ios::binary) << std::string(1400, 'x');
    s.Games = 20;
    s.EmptyRuns[1] = 1;
    s.LineHits[3][3][2] = 6;
    tamberlo::SaveResults(s, w.SaveHits());
    expected += tamberlo::TotalsBlock(s) + SectionLines(w).join("\r\n").toStdString();
    QCOMPARE(ReadFile("Temp1.txt"), expected);
    QCOMPARE(expected.substr(expected.size() - kSectionSize + 17 + 10 * 277 + 44, 11), std::string("6          "));
    QCOMPARE(ReadFile("empty.txt"), tamberlo::EmptyRunsRecords(s) + std::string(150, 'x'));  // the tail is kept
    QVERIFY(sandbox.messages.isEmpty());
  }
};

QTEST_MAIN(StatisticsHitsTest)
#include "test_statistics_hits.moc"
