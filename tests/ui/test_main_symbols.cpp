// The symbol window: drawing codes, the pen cut at each cell, line colours,
// scatter boxes, and a new picture wiping what was drawn.
#include <QtTest>
#include <set>

#include "frm_quorvane.h"
#include "symbol_cell.h"
#include "symbol_lines.h"
#include "win_lines.h"

using tamberlo::ui::LineSegments;

namespace {

uint32_t FirstStop(uint32_t) { return 0; }

// The window without a load: all 20 lines set, the screen all figure 0.
struct Window {
  tamberlo::GameState state;
  tamberlo::RunLogs logs;
  frmQuorvane window{state, logs, &FirstStop};

  Window() {
    tamberlo::SetWinLines(state);
    window.DrawScreen();
  }
  std::set<int> PaintedCells() const {
    QImage blank(130, 130, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    std::set<int> cells;
    for (int c = 0; c < tamberlo::kCells; ++c)
      if (window.Picture1[c]->Overlay() != blank) cells.insert(c);
    return cells;
  }
};

}  // namespace

class TestMainSymbols : public QObject {
  Q_OBJECT

 private slots:
  // Every code of the table draws; a two-digit code runs from left edge point a to
  // right edge point b; points use real halves and quarters; a jump between top
  // and bottom rows crosses the middle row on both reels.
  void segments() {
    for (int code : {11, 12, 13, 21, 22, 23, 31, 32, 33, 113, 213, 313, 131, 231, 331, 132, 133, 311, 312})
      QVERIFY2(!LineSegments(code, 130, 130).empty(), qPrintable(QString::number(code)));
    QVERIFY(LineSegments(14, 130, 130).empty());
    for (int code : {11, 12, 13, 21, 22, 23, 31, 32, 33}) {
      const auto s = LineSegments(code, 130, 130);
      QCOMPARE(s.front().from, QPointF(0, (code / 10 - 1) * 65));
      QCOMPARE(s.back().to, QPointF(130, (code % 10 - 1) * 65));
    }
    auto text = [](const std::vector<tamberlo::ui::CellSegment>& s, size_t i) {
      return i >= s.size() ? QString("none") : QString("%1,%2 (%3,%4)-(%5,%6)").arg(s[i].rowStep).arg(s[i].reelStep)
          .arg(s[i].from.x()).arg(s[i].from.y()).arg(s[i].to.x()).arg(s[i].to.y());
    };
    QCOMPARE(text(LineSegments(113, 130, 65), 1), QString("0,0 (65,32.5)-(97.5,65)"));
    QCOMPARE(text(LineSegments(213, 130, 130), 0), QString("0,0 (0,130)-(65,65)"));
    QCOMPARE(text(LineSegments(213, 130, 130), 2), QString("1,0 (97.5,0)-(130,65)"));
    QCOMPARE(text(LineSegments(213, 130, 130), 3), QString("1,1 (0,65)-(32.5,130)"));
    QCOMPARE(text(LineSegments(331, 130, 130), 3), QString("-1,1 (0,65)-(32.5,0)"));
  }

  void winLines() {
    auto expect = [](int line, std::set<int> cells, int cell, QPoint inked, QColor colour, QPoint clear) {
      Window w;
      w.window.DrawWinLine(line);
      QCOMPARE(w.PaintedCells(), cells);
      QCOMPARE(QColor(w.window.Picture1[cell]->Overlay().pixel(inked)), colour);
      QCOMPARE(qAlpha(w.window.Picture1[cell]->Overlay().pixel(clear)), 0);
    };
    // The 7-pixel pen reaches the cell's edge at full width, cut there, and no wider.
    expect(0, {5, 6, 7, 8, 9}, 5, {0, 63}, QColor(15, 15, 15), {60, 60});
    // Line 4's V: cell 12 goes from the top-left corner through the centre to the top-right corner.
    expect(3, {0, 6, 12, 8, 4}, 12, {65, 65}, QColor(255, 0, 0), {65, 120});
    expect(13, {0, 11, 2, 13, 4, 5, 6, 7, 8, 9}, 5, {117, 40}, QColor(0, 255, 255), {65, 5});
  }

  // A scatter box is an open green rectangle; setting the pictures again wipes what was drawn.
  void scatterBoxAndWipe() {
    Window w;
    w.window.DrawWinLine(3);
    w.window.DrawScatterBox(7);
    const QImage& box = w.window.Picture1[7]->Overlay();
    QCOMPARE(QColor(box.pixel(3, 65)), QColor(0, 255, 0));
    QCOMPARE(QColor(box.pixel(65, 127)), QColor(0, 255, 0));
    QCOMPARE(qAlpha(box.pixel(65, 65)), 0);
    w.window.DrawScreen();
    QCOMPARE(w.PaintedCells(), std::set<int>{});
  }
};

QTEST_MAIN(TestMainSymbols)
#include "test_main_symbols.moc"
