#include "symbol_lines.h"

#include <array>

namespace tamberlo::ui {

std::vector<CellSegment> LineSegments(int code, int w, int h) {
  const double W = w, H = h;
  const QPointF centre(W / 2, H / 2);
  const double q1 = W / 4, q3 = (3 * w) / 4.0;
  // Left-edge entry points 1, 2, 3 and right-edge exit points 1, 2, 3.
  const std::array<QPointF, 4> in = {QPointF(), QPointF(0, 0), QPointF(0, H / 2), QPointF(0, H)};
  const std::array<QPointF, 4> out = {QPointF(), QPointF(W, 0), QPointF(W, H / 2), QPointF(W, H)};

  auto via = [&](QPointF a, QPointF d) {
    return std::vector<CellSegment>{{0, 0, a, centre}, {0, 0, centre, d}};
  };
  // The crossing of the middle row that a jump between top and bottom rows makes.
  auto down = [&](QPointF a) {
    return std::vector<CellSegment>{{0, 0, a, centre},
                                    {0, 0, centre, QPointF(q3, H)},
                                    {1, 0, QPointF(q3, 0), QPointF(W, H / 2)},
                                    {1, 1, QPointF(0, H / 2), QPointF(q1, H)}};
  };
  auto up = [&](QPointF a) {
    return std::vector<CellSegment>{{0, 0, a, centre},
                                    {0, 0, centre, QPointF(q3, 0)},
                                    {-1, 0, QPointF(q3, H), QPointF(W, H / 2)},
                                    {-1, 1, QPointF(0, H / 2), QPointF(q1, 0)}};
  };

  switch (code) {
    case 11: case 12: case 21: case 23: case 32: case 33:
      return via(in[code / 10], out[code % 10]);
    case 13: case 22: case 31:
      return {{0, 0, in[code / 10], out[code % 10]}};
    case 113: return down(QPointF(0, H / 2));
    case 213: return down(QPointF(0, H));
    case 313: return down(QPointF(q1, H));
    case 131: return up(QPointF(q1, 0));
    case 231: return up(QPointF(0, 0));
    case 331: return up(QPointF(0, H / 2));
    case 132: return via(QPointF(q1, 0), out[1]);
    case 133: return via(QPointF(q1, 0), out[2]);
    case 311: return via(QPointF(q1, H), out[2]);
    case 312: return via(QPointF(q1, H), out[3]);
    default: return {};
  }
}

QColor LineColour(int line) {
  static constexpr std::array<std::array<int, 3>, 20> kColours = {{
      {15, 15, 15}, {15, 15, 15}, {15, 15, 15}, {255, 0, 0},   {192, 64, 64},
      {0, 255, 0},  {64, 192, 64}, {255, 255, 0}, {192, 192, 64}, {0, 0, 255},
      {64, 64, 192}, {255, 0, 255}, {192, 64, 192}, {0, 255, 255}, {64, 192, 192},
      {192, 192, 192}, {64, 64, 64}, {0, 128, 255}, {64, 128, 192}, {160, 96, 32},
  }};
  const auto& c = kColours.at(static_cast<size_t>(line));
  return QColor(c[0], c[1], c[2]);
}

}  // namespace tamberlo::ui
