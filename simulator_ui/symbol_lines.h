#pragma once
// How a win line is drawn over the symbol cells: the segments of each drawing
// code and the line colours. Points are in the coordinates of the cell drawn on.
#include <QColor>
#include <QPointF>
#include <vector>

namespace tamberlo::ui {

struct CellSegment {
  int rowStep;   // from the line's own cell: -1 above, +1 below
  int reelStep;  // 0 the same reel, 1 the next
  QPointF from;
  QPointF to;
};

// The segments of one drawing code in pictures of w x h pixels, in drawing
// order; an unknown code draws nothing.
std::vector<CellSegment> LineSegments(int code, int w, int h);

// The colour of win line `line` (0..19).
QColor LineColour(int line);

inline QColor ScatterBoxColour() { return QColor(0, 255, 0); }

}  // namespace tamberlo::ui
