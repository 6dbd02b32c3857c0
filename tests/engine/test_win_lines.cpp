#include "win_lines.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace tamberlo;

namespace {

GameState AllLines() {
  GameState s;
  for (int line = 0; line < kLines; ++line) {
    for (int reel = 0; reel < kReels; ++reel) SetWinLineCell(s, line, reel);
  }
  return s;
}

}  // namespace

TEST(WinLinesTest, EveryCodeFollowsTheRuleFromTheRows) {
  const GameState s = AllLines();
  int matching = 0;
  for (int line = 0; line < kLines; ++line) {
    for (int reel = 0; reel < kReels; ++reel) {
      const int own = s.WinLineRow[line][reel] + 1;
      const int previous = reel == 0 ? own : s.WinLineRow[line][reel - 1] + 1;
      const int next = reel == kReels - 1 ? own : s.WinLineRow[line][reel + 1] + 1;
      EXPECT_EQ(DrawingCode(previous, own, next), s.WinLineShape[line][reel])
          << "line " << line + 1 << " reel " << reel;
      matching += DrawingCode(previous, own, next) == s.WinLineShape[line][reel];
    }
  }
  EXPECT_EQ(matching, 100);
}

TEST(WinLinesTest, KnownLinesAndTableInvariants) {
  const GameState s = AllLines();
  const std::vector<int16_t> middle{1, 1, 1, 1, 1}, top{0, 0, 0, 0, 0}, bottom{2, 2, 2, 2, 2};
  auto rows = [&](int line) { return std::vector<int16_t>(s.WinLineRow[line], s.WinLineRow[line] + kReels); };
  auto shapes = [&](int line) {
    return std::vector<int16_t>(s.WinLineShape[line], s.WinLineShape[line] + kReels);
  };
  EXPECT_EQ(rows(0), middle);
  EXPECT_EQ(rows(1), top);
  EXPECT_EQ(rows(2), bottom);
  EXPECT_EQ(rows(3), (std::vector<int16_t>{0, 1, 2, 1, 0}));
  EXPECT_EQ(shapes(3), (std::vector<int16_t>{23, 13, 11, 31, 32}));
  EXPECT_EQ(rows(13), (std::vector<int16_t>{0, 2, 0, 2, 0}));
  EXPECT_EQ(shapes(13), (std::vector<int16_t>{113, 131, 313, 131, 311}));
  EXPECT_EQ(shapes(19), (std::vector<int16_t>{113, 133, 22, 331, 311}));

  std::set<std::vector<int16_t>> distinct;
  for (int line = 0; line < kLines; ++line) distinct.insert(rows(line));
  EXPECT_EQ(distinct.size(), 20u);
  for (int reel = 0; reel < kReels; ++reel) {
    for (int row = 0; row < kRows; ++row) {
      int uses = 0;
      for (int line = 0; line < kLines; ++line) uses += s.WinLineRow[line][reel] == row;
      EXPECT_TRUE(uses == 6 || uses == 7) << "reel " << reel << " row " << row;
    }
  }
}
