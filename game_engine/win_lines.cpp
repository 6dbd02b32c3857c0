#include "win_lines.h"

#include <cstdint>
#include <cstdlib>

#include "line_batch.h"

namespace tamberlo {

namespace {

// For line 1..20, reel 0..4: row (1 top .. 3 bottom), drawing code.
constexpr int16_t kWinLineList[kLines * kReels * 2] = {
    2, 22, 2, 22, 2, 22, 2, 22, 2, 22,            // line 1
    1, 22, 1, 22, 1, 22, 1, 22, 1, 22,            // line 2
    3, 22, 3, 22, 3, 22, 3, 22, 3, 22,            // line 3
    1, 23, 2, 13, 3, 11, 2, 31, 1, 32,            // line 4
    3, 21, 2, 31, 1, 33, 2, 13, 3, 12,            // line 5
    1, 22, 1, 23, 2, 13, 3, 12, 3, 22,            // line 6
    3, 22, 3, 21, 2, 31, 1, 32, 1, 22,            // line 7
    2, 21, 1, 33, 2, 13, 3, 11, 2, 32,            // line 8
    2, 23, 3, 11, 2, 31, 1, 33, 2, 12,            // line 9
    2, 21, 1, 32, 1, 23, 2, 11, 1, 32,            // line 10
    2, 23, 3, 12, 3, 21, 2, 33, 3, 12,            // line 11
    1, 23, 2, 11, 1, 32, 1, 23, 2, 12,            // line 12
    3, 21, 2, 33, 3, 12, 3, 21, 2, 32,            // line 13
    1, 113, 3, 131, 1, 313, 3, 131, 1, 311,       // line 14
    3, 331, 1, 313, 3, 131, 1, 313, 3, 133,       // line 15
    2, 21, 1, 213, 3, 131, 1, 312, 2, 12,         // line 16
    2, 23, 3, 231, 1, 313, 3, 132, 2, 32,         // line 17
    1, 23, 2, 12, 2, 22, 2, 21, 1, 32,            // line 18
    3, 21, 2, 32, 2, 22, 2, 23, 3, 12,            // line 19
    1, 113, 3, 133, 3, 22, 3, 331, 1, 311,        // line 20
};

}  // namespace

void SetWinLines(GameState& s) {
  for (int line = 0; line < kLines; ++line) {
    for (int reel = 0; reel < kReels; ++reel) {
      const int item = 2 * (kReels * line + reel);
      s.WinLineRow[line][reel] = static_cast<int16_t>(kWinLineList[item] - 1);
      s.WinLineShape[line][reel] = kWinLineList[item + 1];
    }
  }
  DeriveLineMasks(s);
}

void DeriveLineMasks(GameState& s) { s.WinLineMasks = MakeLineMasks(s); }

int DrawingCode(int previousRow, int ownRow, int nextRow) {
  if (std::abs(previousRow - ownRow) == 2 || std::abs(nextRow - ownRow) == 2) {
    return 100 * previousRow + 10 * ownRow + nextRow;
  }
  return 10 * (2 + previousRow - ownRow) + (2 + nextRow - ownRow);
}

}  // namespace tamberlo
