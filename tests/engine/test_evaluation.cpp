#include "evaluation.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "line_batch.h"
#include "win_lines.h"

using namespace tamberlo;

namespace {

constexpr int W = kWild;
constexpr int X = kScatter;

// Pays that differ everywhere, so a wrong cell or a missed doubling shows.
GameState StateWithPays() {
  GameState s;
  for (int figure = 0; figure < kFigures; ++figure) {
    for (int count = 0; count <= 5; ++count) {
      s.PayTable[figure][count] = static_cast<int16_t>(100 * figure + 10 * count + 1);
    }
  }
  for (int line = 0; line < kLines; ++line) {
    for (int reel = 0; reel < kReels; ++reel) SetWinLineCell(s, line, reel);
  }
  return s;
}

// Puts the five figures on the middle row (line 1) and evaluates it.
std::array<int32_t, 3> Middle(GameState& s, std::array<int, 5> figures) {
  for (int reel = 0; reel < kReels; ++reel) s.Screen[1][reel] = static_cast<int16_t>(figures[reel]);
  EvaluateLine(s, 0);
  return {s.LineResult[0][0], s.LineResult[0][1], s.LineResult[0][2]};
}

int P(const GameState& s, int figure, int count) { return s.PayTable[figure][count]; }

}  // namespace

TEST(EvaluateLineTest, OrdinaryRunsAndTheSingleWildDoubling) {
  GameState s = StateWithPays();
  using R = std::array<int32_t, 3>;
  EXPECT_EQ(Middle(s, {3, 3, 3, 5, 4}), (R{3, 3, P(s, 3, 3)}));
  EXPECT_EQ(Middle(s, {3, 3, 5, W, 3}), (R{3, 2, P(s, 3, 2)}));
  EXPECT_EQ(Middle(s, {3, W, 3, 3, 4}), (R{3, 4, 2 * P(s, 3, 4)}));
  EXPECT_EQ(Middle(s, {3, W, W, W, W}), (R{3, 5, 2 * P(s, 3, 5)}));
  EXPECT_EQ(Middle(s, {3, W, 5, 5, 5}), (R{3, 2, 2 * P(s, 3, 2)}));
  EXPECT_EQ(Middle(s, {W, 3, W, 3, W}), (R{3, 5, 2 * P(s, 3, 5)}));
  EXPECT_EQ(Middle(s, {W, 3, 3, 7, 7}), (R{3, 3, 2 * P(s, 3, 3)}));
  EXPECT_EQ(Middle(s, {4, 5, 5, 5, 5}), (R{4, 1, P(s, 4, 1)}));
  EXPECT_EQ(Middle(s, {3, X, 3, 3, 3}), (R{3, 1, P(s, 3, 1)}));
}

TEST(EvaluateLineTest, ScattersAndPureWildRuns) {
  GameState s = StateWithPays();
  using R = std::array<int32_t, 3>;
  EXPECT_EQ(Middle(s, {W, W, W, W, W}), (R{W, 5, P(s, W, 5)}));
  EXPECT_EQ(Middle(s, {W, W, X, 3, 3}), (R{W, 2, P(s, W, 2)}));
  EXPECT_EQ(Middle(s, {W, X, 3, 3, 3}), (R{W, 1, P(s, W, 1)}));
  EXPECT_EQ(Middle(s, {X, 3, 3, 3, 3}), (R{X, 0, P(s, X, 0)}));
  EXPECT_EQ(Middle(s, {X, X, X, X, X}), (R{X, 0, P(s, X, 0)}));
}

TEST(EvaluateLineTest, PureWildComparisonKeepsTheOrdinaryFigureOnATie) {
  GameState s = StateWithPays();
  using R = std::array<int32_t, 3>;
  s.PayTable[3][5] = 500;
  s.PayTable[W][2] = 999;
  EXPECT_EQ(Middle(s, {W, W, 3, 3, 3}), (R{3, 5, 1000}));
  s.PayTable[W][2] = 1000;
  EXPECT_EQ(Middle(s, {W, W, 3, 3, 3}), (R{3, 5, 1000}));  // tie
  s.PayTable[W][2] = 1001;
  EXPECT_EQ(Middle(s, {W, W, 3, 3, 3}), (R{W, 2, 1001}));

  s.PayTable[4][5] = 300;
  s.PayTable[W][4] = 601;
  EXPECT_EQ(Middle(s, {W, W, W, W, 4}), (R{W, 4, 601}));
  s.PayTable[W][4] = 100;
  EXPECT_EQ(Middle(s, {W, W, W, W, 4}), (R{4, 5, 600}));

  s.PayTable[5][5] = 250;
  s.PayTable[W][3] = 500;
  EXPECT_EQ(Middle(s, {W, W, W, 5, 5}), (R{5, 5, 500}));

  // A single leading wild never triggers the comparison.
  s.PayTable[3][3] = 1;
  s.PayTable[W][1] = 5000;
  EXPECT_EQ(Middle(s, {W, 3, 3, 7, 7}), (R{3, 3, 2}));
}

TEST(EvaluateLineTest, SixteenBitLimitsAndNegativePays) {
  GameState s = StateWithPays();
  s.PayTable[2][5] = 16383;
  s.PayTable[W][5] = 32767;
  s.PayTable[6][3] = -16384;
  EXPECT_EQ(Middle(s, {2, W, 2, 2, 2})[2], 32766);
  EXPECT_EQ(Middle(s, {W, W, W, W, W})[2], 32767);
  EXPECT_EQ(Middle(s, {6, W, 6, 1, 1})[2], -32768);
}

TEST(EvaluateLineTest, EachLineReadsItsOwnRowsAndLeavesOthersAlone) {
  GameState s = StateWithPays();
  for (int row = 0; row < kRows; ++row) {
    for (int reel = 0; reel < kReels; ++reel) s.Screen[row][reel] = static_cast<int16_t>(row);
  }
  s.LineResult[1][0] = 77;
  EvaluateLine(s, 0);
  EXPECT_EQ(s.LineResult[0][0], 1);
  EXPECT_EQ(s.LineResult[0][1], 5);
  EXPECT_EQ(s.LineResult[1][0], 77);
  EvaluateLine(s, 2);
  EXPECT_EQ(s.LineResult[2][0], 2);
  EvaluateLine(s, 3);  // V: rows 0 1 2 1 0
  EXPECT_EQ(s.LineResult[3][0], 0);
  EXPECT_EQ(s.LineResult[3][1], 1);
}

TEST(EvaluateScatterTest, CountsScattersAnywhereUpToFive) {
  GameState s = StateWithPays();
  EvaluateScatter(s);
  EXPECT_EQ(s.LineResult[kScatterSlot][0], X);
  EXPECT_EQ(s.LineResult[kScatterSlot][1], 0);
  EXPECT_EQ(s.LineResult[kScatterSlot][2], P(s, X, 0));
  s.Screen[0][0] = X;
  s.Screen[1][2] = X;
  s.Screen[2][4] = X;
  EvaluateScatter(s);
  EXPECT_EQ(s.LineResult[kScatterSlot][1], 3);
  EXPECT_EQ(s.LineResult[kScatterSlot][2], P(s, X, 3));
  s.Screen[0][1] = X;
  s.Screen[1][1] = X;
  s.Screen[2][1] = X;
  s.Screen[0][3] = X;
  EvaluateScatter(s);
  EXPECT_EQ(s.LineResult[kScatterSlot][1], 5);
  EXPECT_EQ(s.LineResult[kScatterSlot][2], P(s, X, 5));
}

// The rules written out step by step, to check the lean evaluation against.
std::array<int32_t, 3> Reference(const GameState& s, const std::array<int, 5>& f) {
  int figure = f[0];
  if (f[0] == W) {
    figure = W;
    for (int k = 1; k < 5; ++k) {
      if (f[k] != W) {
        figure = f[k] < W ? f[k] : W;
        break;
      }
    }
  }
  int count = 0;
  if (f[0] != X) {
    while (count < 5 && (f[count] == figure || f[count] == W)) ++count;
  }
  bool wildInRun = false;
  for (int k = 0; k < count; ++k) wildInRun |= f[k] == W;
  const int multiplier = count >= 2 && figure < W && wildInRun ? 2 : 1;
  int win = P(s, figure, count) * multiplier;
  if (f[0] == W && f[1] == W && figure != W) {
    int w = 0;
    while (f[w] == W) ++w;
    if (P(s, W, w) > win) return {W, w, P(s, W, w)};
  }
  return {figure, count, win};
}

TEST(EvaluateLineTest, AgreesWithTheRulesOnRandomLines) {
  GameState s = StateWithPays();
  s.PayTable[W][2] = 2000;  // so that pure wilds sometimes beat the doubled pay
  std::mt19937 random(3);
  std::uniform_int_distribution<int> pick(0, 17);
  for (int i = 0; i < 200000; ++i) {
    std::array<int, 5> f;
    for (int& figure : f) {
      const int r = pick(random);
      figure = r < 11 ? r : (r < 16 ? W : X);
    }
    ASSERT_EQ(Middle(s, f), Reference(s, f)) << f[0] << " " << f[1] << " " << f[2] << " " << f[3] << " " << f[4];
  }
}

TEST(EvaluateLinesTest, GivesEachLineWhatEvaluateLineGives) {
  GameState s = StateWithPays();
  s.PayTable[W][2] = 2000;  // pure wilds sometimes beat the doubled pay
  s.PayTable[3][1] = 0;     // and some results pay nothing or lose money
  s.PayTable[4][2] = -7;
  s.PayTable[X][0] = 0;
  const LineMasks masks = MakeLineMasks(s);
  std::mt19937 random(11);
  std::uniform_int_distribution<int> pick(0, 23);
  for (int screen = 0; screen < 100000; ++screen) {
    // Few figures, many wilds: long runs, shared rows and every wild rule.
    for (auto& row : s.Screen)
      for (auto& cell : row) {
        const int r = pick(random);
        cell = static_cast<int16_t>(r < 14 ? r % 5 : (r < 21 ? W : X));
      }
    int told[kLines] = {};
    const uint32_t paying = EvaluateLines(s, masks, [&](int line, int figure, int count) {
      ++told[line];
      EXPECT_EQ(s.LineResult[line][0], figure);
      EXPECT_EQ(s.LineResult[line][1], count);
    });
    int32_t batch[kLines][3];
    std::copy(&s.LineResult[0][0], &s.LineResult[0][0] + kLines * 3, &batch[0][0]);
    for (int line = 0; line < kLines; ++line) {
      EvaluateLine(s, line);
      const int32_t* one = s.LineResult[line];
      ASSERT_EQ(told[line], 1) << "screen " << screen << " line " << line;
      ASSERT_EQ(batch[line][0], one[0]) << "screen " << screen << " line " << line;
      ASSERT_EQ(batch[line][1], one[1]) << "screen " << screen << " line " << line;
      ASSERT_EQ(batch[line][2], one[2]) << "screen " << screen << " line " << line;
      const bool pays = one[2] > 0 || (one[0] == W && one[1] == 5);
      ASSERT_EQ((paying >> line) & 1u, pays ? 1u : 0u) << "screen " << screen << " line " << line;
    }
  }
}
