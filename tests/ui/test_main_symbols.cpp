// The symbol window: drawing codes, the pen cut at each cell, line colours,
// scatter boxes, and a new picture wiping what was drawn.
#include <QtTest>
#include <set>

#include "frm_quorvane.h"
#include "symbol_cell.h"
#include "symbol_lines.h"
#include "win_lines.h"

using tamberlo::ui::CellSegment;
using tamberlo::ui::LineSegments;

namespace {

uint32_t FirstStop(uint32_t) { return 0; }

bool Painted(const QImage& overlay) {
  for (int y = 0; y < overlay.height(); ++y)
    for (int x = 0; x < overlay.width(); ++x)
      if (qAlpha(overlay.pixel(x, y)) != 0) return true;
  return false;
}

struct Window {
  tamberlo::GameState state;
  tamberlo::RunLogs logs;
  frmQuorvane window{state, logs, &FirstStop};

  Window() {
    for (int line = 0; line < tamberlo::kLines; ++line)
      for (int reel = 0; reel < tamberlo::kReels; ++reel) tamberlo::SetWinLineCell(state, line, reel);
    window.DrawScreen();  // Screen all figure 0
  }
  std::set<int> PaintedCells() const {
    std::set<int> cells;
    for (int c = 0; c < tamberlo::kCells; ++c)
      if (Painted(window.Picture1[c]->Overlay())) cells.insert(c);
    return cells;
  }
};

}  // namespace

class TestMainSymbols : public QObject {
  Q_OBJECT

 private slots:
  void everyCodeOfTheTableDraws() {
    const int codes[] = {11, 12, 13, 21, 22, 23, 31, 32, 33, 113, 213, 313, 131, 231, 331, 132, 133, 311, 312};
    for (int code : codes) QVERIFY2(!LineSegments(code, 130, 130).empty(), qPrintable(QString::number(code)));
    QVERIFY(LineSegments(14, 130, 130).empty());
    QVERIFY(LineSegments(0, 130, 130).empty());
  }

  void pointsUseRealHalvesAndQuarters() {
    const auto v = LineSegments(23, 130, 130);
    QCOMPARE(v.size(), size_t(2));
    QCOMPARE(v[0].from, QPointF(0, 65));
    QCOMPARE(v[1].to, QPointF(130, 130));
    const auto odd = LineSegments(113, 130, 65);
    QCOMPARE(odd[0].from, QPointF(0, 32.5));
    QCOMPARE(odd[1].to, QPointF(97.5, 65));
    QCOMPARE(odd[3].to, QPointF(32.5, 65));
    QCOMPARE(LineSegments(22, 130, 130).size(), size_t(1));
  }

  void jumpsCrossTheMiddleRowOnBothReels() {
    const auto down = LineSegments(213, 130, 130);
    QCOMPARE(down.size(), size_t(4));
    QCOMPARE((std::pair{down[2].rowStep, down[2].reelStep}), (std::pair{1, 0}));
    QCOMPARE(down[2].from, QPointF(97.5, 0));
    QCOMPARE(down[2].to, QPointF(130, 65));
    QCOMPARE((std::pair{down[3].rowStep, down[3].reelStep}), (std::pair{1, 1}));
    QCOMPARE(down[3].from, QPointF(0, 65));
    QCOMPARE(down[3].to, QPointF(32.5, 130));
    const auto up = LineSegments(331, 130, 130);
    QCOMPARE((std::pair{up[2].rowStep, up[3].rowStep}), (std::pair{-1, -1}));
    QCOMPARE(up[3].to, QPointF(32.5, 0));
  }

  void straightLinesStayInTheirRowInNearBlack() {
    Window w;
    w.window.DrawWinLine(0);
    QCOMPARE(w.PaintedCells(), (std::set<int>{5, 6, 7, 8, 9}));
    QCOMPARE(QColor(w.window.Picture1[7]->Overlay().pixel(65, 65)), QColor(15, 15, 15));
    QCOMPARE(qAlpha(w.window.Picture1[7]->Overlay().pixel(65, 20)), 0);
  }

  void lineFourDrawsItsVInRed() {
    Window w;
    w.window.DrawWinLine(3);
    QCOMPARE(w.PaintedCells(), (std::set<int>{0, 6, 12, 8, 4}));
    QCOMPARE(QColor(w.window.Picture1[6]->Overlay().pixel(65, 65)), QColor(255, 0, 0));
    // Cell 12 goes from the top-left corner through the centre to the top-right corner.
    QCOMPARE(qAlpha(w.window.Picture1[12]->Overlay().pixel(65, 120)), 0);
  }

  void zigzagLineFillsBothRowsAndTheMiddle() {
    Window w;
    w.window.DrawWinLine(13);
    QCOMPARE(w.PaintedCells(), (std::set<int>{0, 11, 2, 13, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(QColor(w.window.Picture1[5]->Overlay().pixel(117, 40)), QColor(0, 255, 255));
  }

  void laterLineLiesOnTop() {
    Window w;
    w.window.DrawWinLine(3);
    w.window.DrawWinLine(19);  // through the same middle cells
    const QColor seen(w.window.Picture1[6]->Overlay().pixel(65, 65));
    QVERIFY(seen == QColor(160, 96, 32) || seen == QColor(255, 0, 0));
    QCOMPARE(tamberlo::ui::LineColour(19), QColor(160, 96, 32));
  }

  void penIsCutAtTheCellEdge() {
    SymbolCell cell;
    QPixmap picture(130, 130);
    picture.fill(Qt::white);
    cell.SetPicture(picture);
    QCOMPARE(cell.size(), QSize(130, 130));
    cell.DrawSegment(QPointF(0, 65), QPointF(130, 65), Qt::red);
    QCOMPARE(cell.Overlay().size(), QSize(130, 130));
    QCOMPARE(QColor(cell.Overlay().pixel(129, 65)), QColor(Qt::red));
    QCOMPARE(QColor(cell.Overlay().pixel(0, 63)), QColor(Qt::red));
    QCOMPARE(qAlpha(cell.Overlay().pixel(60, 55)), 0);  // 7 pixels wide, not more
  }

  void scatterBoxIsAnOpenGreenRectangleThatAPictureWipes() {
    Window w;
    w.window.DrawScatterBox(7);
    const QImage& box = w.window.Picture1[7]->Overlay();
    QCOMPARE(QColor(box.pixel(3, 65)), QColor(0, 255, 0));
    QCOMPARE(QColor(box.pixel(65, 127)), QColor(0, 255, 0));
    QCOMPARE(qAlpha(box.pixel(65, 65)), 0);
    w.window.DrawScreen();
    QCOMPARE(w.PaintedCells(), std::set<int>{});
  }

  void drawScreenShowsTheFigureOfEachCell() {
    Window w;
    w.state.Screen[2][4] = tamberlo::kScatter;
    w.state.Screen[0][1] = tamberlo::kWild;
    w.window.DrawScreen();
    QCOMPARE(w.window.Picture1[14]->Picture().toImage(), w.window.ImageList1[12].toImage());
    QCOMPARE(w.window.Picture1[1]->Picture().toImage(), w.window.ImageList1[11].toImage());
    QCOMPARE(w.window.Picture1[0]->Picture().toImage(), w.window.ImageList1[0].toImage());
  }

  void picturesAreDistinctAndOfOneSize() {
    Window w;
    for (int a = 0; a < tamberlo::kFigures; ++a) {
      QCOMPARE(w.window.ImageList1[a].size(), QSize(130, 130));
      for (int b = a + 1; b < tamberlo::kFigures; ++b)
        QVERIFY(w.window.ImageList1[a].toImage() != w.window.ImageList1[b].toImage());
    }
  }
};

QTEST_MAIN(TestMainSymbols)
#include "test_main_symbols.moc"
