// The statistics window: its load, the refresh and its colours, the hits
// section of the report and the clipboard text.
#include <QTableView>
#include <QtTest>
#include <cstdio>
#include <string>
#include <vector>

#include "statistics_hits.h"
#include "statistics_test_state.h"

namespace {

int RowOf(int figure, int count) { return 4 * figure + count - 1; }

std::string Cell(const StatisticsHits& w, int row, int col) { return std::string(w.Grid().Text(row, col)); }

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

std::string SavedSection(StatisticsHits& w) {
  std::FILE* file = std::tmpfile();
  const bool ok = w.SaveHits(file);
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text.push_back(static_cast<char>(c));
  std::fclose(file);
  return ok ? text : std::string();
}

}  // namespace

class StatisticsHitsTest : public QObject {
  Q_OBJECT

 private slots:
  void loadWritesHeadersLabelsAndPays() {
    const tamberlo::GameState s = LoadedState();
    StatisticsHits w(s);
    QCOMPARE(w.windowTitle(), QString("Statistics (HITS)"));
    QCOMPARE(Cell(w, 0, 0), "Win Name");
    QCOMPARE(Cell(w, 0, 1), "Line 1");
    QCOMPARE(Cell(w, 0, 20), "Line 20");
    QCOMPARE(Cell(w, 0, 21), "SPECIAL");
    QCOMPARE(Cell(w, 0, 22), "HITS");
    QCOMPARE(Cell(w, 0, 23), "WIN");
    QCOMPARE(Cell(w, 0, 24), "TOTAL");
    QCOMPARE(Cell(w, 1, 0), " 2 Ten");
    QCOMPARE(Cell(w, RowOf(8, 3), 0), " 3 Treasure Chest");
    QCOMPARE(Cell(w, 52, 0), " 5 Scatter");
    QCOMPARE(Cell(w, 1, 23), "0");
    QCOMPARE(Cell(w, 52, 23), "700");
    for (int row = 1; row <= 52; ++row) {
      for (int col = 1; col <= 24; ++col) {
        if (col != 23) QCOMPARE(Cell(w, row, col), "");
        QVERIFY(w.Grid().Colour(row, col) == CellColour::Default);
      }
    }
    // The view shows the same cells, the fixed ones as its headers.
    QCOMPARE(w.MSFlexGrid1()->model()->headerData(51, Qt::Vertical).toString(), QString(" 5 Scatter"));
  }

  void firstRefreshColoursWhatMovedFromEmpty() {
    tamberlo::GameState s = LoadedState();
    s.LineHits[0][3][0] = 5;    // paying combination
    s.LineHits[1][2][0] = 3;    // combination that pays nothing
    s.LineHits[20][3][12] = 4;  // scatter slot
    s.LineWins[0][0][3] = 25;
    s.LineWins[20][12][3] = 40;
    s.LineWins[20][12][5] = 12345;  // finished series land here
    StatisticsHits w(s);
    w.ShowHits();

    QCOMPARE(Cell(w, RowOf(0, 3), 1), "5");
    QVERIFY(w.Grid().Colour(RowOf(0, 3), 1) == CellColour::Red);
    QCOMPARE(Cell(w, RowOf(0, 2), 2), "3");
    QVERIFY(w.Grid().Colour(RowOf(0, 2), 2) == CellColour::Yellow);
    QCOMPARE(Cell(w, RowOf(12, 3), 21), "4");
    QVERIFY(w.Grid().Colour(RowOf(12, 3), 21) == CellColour::Red);
    QCOMPARE(Cell(w, RowOf(5, 4), 7), "0");
    QVERIFY(w.Grid().Colour(RowOf(5, 4), 7) == CellColour::White);

    QCOMPARE(Cell(w, RowOf(0, 3), 22), "5");
    QCOMPARE(Cell(w, RowOf(0, 3), 24), "25");
    QCOMPARE(Cell(w, RowOf(12, 3), 22), "4");
    QCOMPARE(Cell(w, RowOf(12, 3), 24), "40");
    QCOMPARE(Cell(w, RowOf(12, 5), 24), "12345");
    QCOMPARE(Cell(w, RowOf(3, 4), 24), "0");
    // Sums and pays keep the grid's own colours.
    for (int col = 22; col <= 24; ++col) QVERIFY(w.Grid().Colour(RowOf(0, 3), col) == CellColour::Default);
  }

  void laterRefreshesCompareWithTheLastOne() {
    tamberlo::GameState s = LoadedState();
    s.LineHits[4][5][9] = 7;
    s.LineHits[4][2][3] = 2;
    StatisticsHits w(s);
    w.ShowHits();
    w.ShowHits();
    for (int row = 1; row <= 52; ++row)
      for (int col = 1; col <= 21; ++col) QVERIFY(w.Grid().Colour(row, col) == CellColour::White);

    s.LineHits[4][5][9] = 8;
    s.LineHits[4][2][3] = 0;  // a count that went down has moved too
    s.PayTable[3][2] = 0;
    w.ShowHits();
    QVERIFY(w.Grid().Colour(RowOf(9, 5), 5) == CellColour::Red);
    QVERIFY(w.Grid().Colour(RowOf(3, 2), 5) == CellColour::Yellow);
    QVERIFY(w.Grid().Colour(RowOf(9, 5), 4) == CellColour::White);
    QCOMPARE(Cell(w, RowOf(9, 5), 22), "8");
  }

  void refreshIsSkippedWhenMinimisedOrQuiet() {
    tamberlo::GameState s = LoadedState();
    s.LineHits[0][3][0] = 5;
    StatisticsHits w(s);
    w.show();
    QVERIFY(!w.isMinimized());
    w.showMinimized();
    w.ShowHits();
    QCOMPARE(Cell(w, RowOf(0, 3), 1), "");
    w.showNormal();
    s.QuietMode = 1;
    w.ShowHits();
    QCOMPARE(Cell(w, RowOf(0, 3), 1), "");
    s.QuietMode = 0;
    w.ShowHits();
    QCOMPARE(Cell(w, RowOf(0, 3), 1), "5");
  }

  void hitsSectionIsFiftyFourFixedLines() {
    tamberlo::GameState s = LoadedState();
    s.LineHits[0][3][0] = 123456789012LL;  // wider than a cell: cut to 11
    StatisticsHits w(s);
    const std::string text = SavedSection(w);
    QVERIFY(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
    std::vector<std::string> lines = SplitCrLf(text.substr(0, text.size() - 2));
    QCOMPARE(lines.size(), size_t{54});
    QCOMPARE(lines[0], "HIT DESCRIPTION");
    for (size_t i = 1; i < lines.size(); ++i) QCOMPARE(lines[i].size(), size_t{275});
    QCOMPARE(lines[1].substr(0, 33), "Win Name   Line 1     Line 2     ");
    QCOMPARE(lines[1].substr(10 * 11, 22), "Line 10    Line 11    ");
    QCOMPARE(lines[1].substr(22 * 11), "HITS       WIN        TOTAL      ");
    QCOMPARE(lines[1 + RowOf(8, 3)].substr(0, 22), " 3 Treasure0          ");
    QCOMPARE(lines[1 + RowOf(0, 3)].substr(11, 11), "12345678901");
    QCOMPARE(Cell(w, RowOf(8, 3), 0), " 3 Treasure Chest");  // kept whole in the grid
  }

  void saveHitsRefreshesAMinimisedWindowButNotAQuietRun() {
    tamberlo::GameState s = LoadedState();
    s.LineHits[2][4][1] = 9;
    StatisticsHits w(s);
    w.show();
    w.showMinimized();
    std::string text = SavedSection(w);
    QVERIFY(w.isMinimized());
    QCOMPARE(SplitCrLf(text)[1 + RowOf(1, 4)].substr(33, 11), "9          ");

    s.LineHits[2][4][1] = 10;
    s.QuietMode = 1;
    text = SavedSection(w);
    QCOMPARE(SplitCrLf(text)[1 + RowOf(1, 4)].substr(33, 11), "9          ");
  }

  void clipboardTextOfAFreshGrid() {
    tamberlo::GameState s = LoadedState();
    s.TotalBet = 2000;
    s.TotalWin = 1900;
    s.FreeGames = 3;
    s.FreeWin = 450;
    StatisticsHits w(s);
    const std::string text = w.GridClipboardText().toStdString();
    const std::vector<std::string> lines = SplitCrLf(text);
    QCOMPARE(lines.size(), size_t{55});
    QVERIFY(lines[0].starts_with("Win Name\tLine 1\tLine 2\t"));
    QVERIFY(lines[0].ends_with("SPECIAL\tHITS\tWIN\tTOTAL\t"));
    QCOMPARE(lines[1], " 2 Ten\t" + std::string(22, '\t') + "0\t\t");
    for (int i = 0; i < 53; ++i) QVERIFY(lines[static_cast<size_t>(i)].ends_with('\t'));
    QCOMPARE(lines[53], "TotalBet\t2000\tTotalWin\t1900");
    QCOMPARE(lines[54], "FreeGames\t3\tFreeWin\t450");
  }

  void gridFillsTheWindowAndShowsTheColours() {
    tamberlo::GameState s = LoadedState();
    s.LineHits[0][2][0] = 1;  // yellow: row 1, column 1
    s.LineHits[1][2][0] = 0;
    s.LineHits[2][2][0] = 0;
    s.LineHits[1][3][0] = 4;  // red: row 2, column 2
    StatisticsHits w(s);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(640, 420);
    QCoreApplication::processEvents();
    QCOMPARE(w.MSFlexGrid1()->geometry(), w.rect());
    w.ShowHits();
    const QImage image = w.grab().toImage();
    if (const QByteArray path = qgetenv("STATISTICS_GRAB_PNG"); !path.isEmpty()) image.save(QString(path));

    QTableView* view = w.MSFlexGrid1();
    auto pixelAt = [&](int row, int col) {
      const QRect cell = view->visualRect(view->model()->index(row - 1, col - 1));
      const QPoint p = view->viewport()->mapTo(&w, cell.topLeft() + QPoint(3, 3));
      return image.pixelColor(p * image.devicePixelRatio());
    };
    QCOMPARE(pixelAt(1, 1), QColor(255, 255, 0));
    QCOMPARE(pixelAt(2, 2), QColor(255, 0, 0));
    QCOMPARE(pixelAt(1, 2), QColor(255, 255, 255));
  }
};

QTEST_MAIN(StatisticsHitsTest)
#include "test_statistics_hits.moc"
