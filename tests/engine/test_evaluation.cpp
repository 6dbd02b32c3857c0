// The win lines, one line's evaluation, the scatter count, all 20 lines at once
// against one line at a time, and the default game's exact theoretical RTP.
#include <array>
#include <cmath>
#include <random>
#include <set>

#include "evaluation.h"
#include "helpers.h"
#include "line_batch.h"
#include "retrigger_chance.h"

namespace tamberlo::testing {

constexpr int W = kWild, X = kScatter;

GameState WinLinesAndPays() {  // pays that differ everywhere: 100 * figure + 10 * count + 1
  GameState s;
  for (int figure = 0; figure < kFigures; ++figure)
    for (int count = 0; count <= 5; ++count)
      s.PayTable[figure][count] = static_cast<int16_t>(100 * figure + 10 * count + 1);
  SetWinLines(s);
  return s;
}

TEST(WinLines, RowsAndDrawingCodes) {
  const GameState s = WinLinesAndPays();
  std::set<std::vector<int16_t>> distinct;
  for (int line = 0; line < kLines; ++line) {
    distinct.emplace(s.WinLineRow[line], s.WinLineRow[line] + kReels);
    for (int reel = 0; reel < kReels; ++reel) {  // every code follows from the rows (1..3)
      const int own = s.WinLineRow[line][reel] + 1;
      const int previous = reel == 0 ? own : s.WinLineRow[line][reel - 1] + 1;
      const int next = reel == kReels - 1 ? own : s.WinLineRow[line][reel + 1] + 1;
      EXPECT_EQ(DrawingCode(previous, own, next), s.WinLineShape[line][reel]) << line + 1 << " " << reel;
    }
  }
  EXPECT_EQ(distinct.size(), 20u);  // no two lines alike; the report's test checks their rows
  EXPECT_EQ(std::vector<int16_t>(s.WinLineShape[13], s.WinLineShape[13] + kReels),
            (std::vector<int16_t>{113, 131, 313, 131, 311}));
}

TEST(EvaluateLine, RunsWildDoublingScattersAndPureWilds) {
  GameState s = WinLinesAndPays();
  s.PayTable[3][5] = 500, s.PayTable[4][5] = 300, s.PayTable[5][5] = 250;
  s.PayTable[W][1] = 5000, s.PayTable[W][2] = 1000, s.PayTable[W][3] = 500, s.PayTable[W][4] = 601;
  const std::pair<std::array<int, 5>, std::array<int32_t, 3>> cases[] = {
      {{3, 3, 3, 5, 4}, {3, 3, 331}}, {{3, 3, 5, W, 3}, {3, 2, 321}}, {{4, 5, 5, 5, 5}, {4, 1, 411}},
      {{3, W, 3, 3, 4}, {3, 4, 682}}, {{3, W, W, W, W}, {3, 5, 1000}}, {{3, W, 5, 5, 5}, {3, 2, 642}},
      {{W, 3, W, 3, W}, {3, 5, 1000}},  // any wild in the run doubles
      {{W, 3, 3, 7, 7}, {3, 3, 662}},   // one leading wild: no pure-wild comparison
      {{3, X, 3, 3, 3}, {3, 1, 311}}, {{X, 3, 3, 3, 3}, {X, 0, 1201}}, {{X, X, X, X, X}, {X, 0, 1201}},
      {{W, W, W, W, W}, {W, 5, 1151}}, {{W, W, X, 3, 3}, {W, 2, 1000}}, {{W, X, 3, 3, 3}, {W, 1, 5000}},
      {{W, W, W, X, 3}, {W, 3, 500}},   // a scatter ends a run of wilds
      {{W, W, 2, 7, 7}, {W, 2, 1000}},  // the wilds pay more than the doubled run
      {{W, W, W, W, 4}, {W, 4, 601}}, {{W, W, W, 6, 6}, {6, 5, 1302}},
      {{W, W, 3, 3, 3}, {3, 5, 1000}}, {{W, W, W, 5, 5}, {5, 5, 500}}};  // a tie keeps the figure
  for (const auto& [figures, result] : cases) {
    for (int reel = 0; reel < kReels; ++reel) s.Screen[1][reel] = static_cast<int16_t>(figures[reel]);
    EvaluateLine(s, 0);  // the middle row
    EXPECT_EQ((std::array<int32_t, 3>{s.LineResult[0][0], s.LineResult[0][1], s.LineResult[0][2]}), result)
        << figures[0] << figures[1] << figures[2] << figures[3] << figures[4];
  }
}

TEST(EvaluateScatter, CountsScattersAnywhereUpToFive) {
  GameState s = WinLinesAndPays();
  const std::pair<std::vector<int>, int> cases[] = {{{}, 0}, {{0, 7, 14}, 3}, {{0, 1, 5, 6, 10, 11}, 5}};
  for (const auto& [cells, count] : cases) {
    for (auto& row : s.Screen) std::fill(std::begin(row), std::end(row), int16_t{0});
    for (int cell : cells) s.Screen[cell / kReels][cell % kReels] = X;
    EvaluateScatter(s);
    const int32_t* result = s.LineResult[kScatterSlot];
    EXPECT_EQ(Values(result[0], result[1], result[2]), Values(X, count, 1201 + 10 * count));
  }
}

TEST(EvaluateLines, GivesEachLineWhatEvaluateLineGives) {
  GameState s = WinLinesAndPays();
  s.PayTable[W][2] = 2000;  // pure wilds sometimes beat the doubled pay
  s.PayTable[3][1] = 0;     // and some results pay nothing or lose money
  s.PayTable[4][2] = -7;
  s.PayTable[X][0] = 0;
  const LineMasks masks = MakeLineMasks(s);
  std::mt19937 random(11);
  for (int screen = 0; screen < 100000; ++screen) {
    for (auto& row : s.Screen)  // few figures, many wilds: long runs, shared rows, every wild rule
      for (auto& cell : row) {
        const int r = static_cast<int>(random() % 24);
        cell = static_cast<int16_t>(r < 14 ? r % 5 : (r < 21 ? W : X));
      }
    int told[kLines] = {};
    const uint32_t paying = EvaluateLines(s, masks, [&](int line, int figure, int count) {
      ++told[line];
      EXPECT_EQ(Values(s.LineResult[line][0], s.LineResult[line][1]), Values(figure, count));
    });
    int32_t batch[kLines][3];
    std::copy(&s.LineResult[0][0], &s.LineResult[0][0] + kLines * 3, &batch[0][0]);
    for (int line = 0; line < kLines; ++line) {
      EvaluateLine(s, line);
      const int32_t* one = s.LineResult[line];
      const bool pays = one[2] > 0 || (one[0] == W && one[1] == 5);
      ASSERT_TRUE(told[line] == 1 && batch[line][0] == one[0] && batch[line][1] == one[1] &&
                  batch[line][2] == one[2] && ((paying >> line) & 1u) == pays)
          << "screen " << screen << " line " << line;
    }
  }
}


struct Reels {
  double figure[kReels][kFigures] = {};  // chance of each figure at a cell
  double scatters[6] = {};               // chance of n scatters in the window, 5 = 5 or more
};

Reels Chances(const int16_t (&strip)[kStripPositions][kReels], const int16_t (&last)[kReels]) {
  Reels r;
  std::vector<double> total{1.0};  // chance of n scatters on the reels so far
  for (int reel = 0; reel < kReels; ++reel) {
    const int length = last[reel] + 1;
    std::vector<double> next(total.size() + 3, 0.0);
    for (int stop = 0; stop < length; ++stop) {
      r.figure[reel][strip[stop][reel]] += 1.0 / length;
      int n = 0;
      for (int offset = -1; offset <= 1; ++offset) n += strip[(stop + offset + length) % length][reel] == kScatter;
      for (size_t a = 0; a < total.size(); ++a) next[a + static_cast<size_t>(n)] += total[a] / length;
    }
    total = next;
  }
  for (size_t n = 0; n < total.size(); ++n) r.scatters[std::min<size_t>(n, 5)] += total[n];
  return r;
}

// Expected win of one line and of the scatter per stake: every line sees the
// same independent figures, so the middle row's 13^5 windows cover them all.
double ExpectedWin(GameState& s, const Reels& r) {
  double line = 0.0;
  for (int code = 0; code < 371293; ++code) {
    double p = 1.0;
    for (int reel = 0, c = code; reel < kReels; ++reel, c /= kFigures) {
      p *= r.figure[reel][c % kFigures];
      s.Screen[1][reel] = static_cast<int16_t>(c % kFigures);
    }
    if (p == 0.0) continue;
    EvaluateLine(s, 0);
    line += p * s.LineResult[0][2];
  }
  double scatter = 0.0;
  for (int n = 2; n <= 5; ++n) scatter += r.scatters[n] * s.PayTable[kScatter][n];
  return kLines * line / kStake + scatter;
}

TEST(TheoreticalRtp, TheDefaultGameStatesItsTrueRtp) {
  GameState s = LoadGame(DefaultGamePath());
  const Reels base = Chances(s.ReelStrip, s.ReelLast);
  const Reels free = Chances(s.FreeReelStrip, s.FreeReelLast);
  const double trigger = base.scatters[3] + base.scatters[4] + base.scatters[5];
  const double retrigger = free.scatters[3] + free.scatters[4] + free.scatters[5];
  ASSERT_LT(kSeriesSpins * retrigger, 1.0) << "a series would never end";
  const RetriggerChance exact = FreeSpinRetriggerChance(s);  // the load's count, windows wrapping round
  EXPECT_NEAR(static_cast<double>(exact.retriggering) / static_cast<double>(exact.combinations), retrigger, 1e-15);
  const double seriesSpins = kSeriesSpins / (1.0 - kSeriesSpins * retrigger);
  const double rtp = 100.0 * (ExpectedWin(s, base) + trigger * seriesSpins * kFreeMultiplier * ExpectedWin(s, free));
  EXPECT_EQ(std::lround(rtp * 100.0), std::lround(s.Game_RTP * 100.0)) << rtp << "%, the RTP line of ReelSetup.ini";
  EXPECT_NEAR(1.0 / trigger, 150, 50) << "games per series";
}

}  // namespace tamberlo::testing
