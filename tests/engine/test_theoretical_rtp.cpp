// The default game's theoretical return, computed exactly from ReelSetup.ini
// with the real line evaluation, must be the RTP its header states.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "definition_file.h"
#include "evaluation.h"
#include "win_lines.h"

using namespace tamberlo;

namespace {

using Strip = int16_t[kStripPositions][kReels];

GameState LoadDefaultGame() {
  const std::string path = std::string(TAMBERLO_SOURCE_DIR) + "/ReelSetup.ini";
  GameState s;
  HeadPass head(path);
  head.ReadVersionRtpSeed(s);
  head.ReadCountsAndNames(s);
  s.FigureNameList.assign(std::begin(s.FigureName), std::end(s.FigureName));
  BodyPass body(path);
  body.ReadStrips(s);
  body.ReadPayTable(s);
  for (int line = 0; line < kLines; ++line) {
    for (int reel = 0; reel < kReels; ++reel) SetWinLineCell(s, line, reel);
  }
  return s;
}

struct Reels {
  double figure[kReels][kFigures] = {};  // chance of each figure at a cell
  double scatters[6] = {};               // chance of n scatters in the window, 5 = 5 or more
};

Reels Distribution(const Strip& strip, const int16_t (&last)[kReels]) {
  Reels r;
  std::vector<double> total{1.0};
  for (int reel = 0; reel < kReels; ++reel) {
    const int length = last[reel] + 1;
    double window[4] = {};
    for (int stop = 0; stop < length; ++stop) {
      r.figure[reel][strip[stop][reel]] += 1.0 / length;
      int n = 0;
      for (int offset = -1; offset <= 1; ++offset) {
        n += strip[(stop + offset + length) % length][reel] == kScatter;
      }
      window[n] += 1.0 / length;
    }
    std::vector<double> next(total.size() + 3, 0.0);
    for (size_t a = 0; a < total.size(); ++a) {
      for (int b = 0; b < 4; ++b) next[a + static_cast<size_t>(b)] += total[a] * window[b];
    }
    total = next;
  }
  for (size_t n = 0; n < total.size(); ++n) r.scatters[std::min<size_t>(n, 5)] += total[n];
  return r;
}

// Expected win of one line (line stake 1): every line sees the same
// independent figures, so enumerating the middle row covers them all.
double ExpectedLineWin(GameState& s, const Reels& r) {
  double expected = 0.0;
  int f[kReels];
  for (f[0] = 0; f[0] < kFigures; ++f[0]) {
    for (f[1] = 0; f[1] < kFigures; ++f[1]) {
      for (f[2] = 0; f[2] < kFigures; ++f[2]) {
        for (f[3] = 0; f[3] < kFigures; ++f[3]) {
          for (f[4] = 0; f[4] < kFigures; ++f[4]) {
            double p = 1.0;
            for (int reel = 0; reel < kReels; ++reel) {
              p *= r.figure[reel][f[reel]];
              s.Screen[1][reel] = static_cast<int16_t>(f[reel]);
            }
            if (p == 0.0) continue;
            EvaluateLine(s, 0);
            expected += p * s.LineResult[0][2];
          }
        }
      }
    }
  }
  return expected;
}

double ExpectedScatterPay(const GameState& s, const Reels& r) {
  double expected = 0.0;
  for (int n = 2; n <= 5; ++n) expected += r.scatters[n] * s.PayTable[kScatter][n];
  return expected;
}

double TriggerChance(const Reels& r) { return r.scatters[3] + r.scatters[4] + r.scatters[5]; }

// One base game or free spin on random stops: line and scatter win in credits.
struct Spin {
  int64_t win = 0;
  bool trigger = false;
};

Spin Play(GameState& s, const Strip& strip, const int16_t (&last)[kReels], std::mt19937_64& random,
          int multiplier) {
  for (int reel = 0; reel < kReels; ++reel) {
    const int length = last[reel] + 1;
    const int stop = static_cast<int>(random() % static_cast<uint64_t>(length));
    for (int row = 0; row < kRows; ++row) {
      s.Screen[row][reel] = strip[(stop + row - 1 + length) % length][reel];
    }
  }
  Spin spin;
  for (int line = 0; line < kLines; ++line) {
    EvaluateLine(s, line);
    spin.win += int64_t{s.LineResult[line][2]} * multiplier;
  }
  EvaluateScatter(s);
  if (s.LineResult[kScatterSlot][1] >= 2) spin.win += int64_t{s.LineResult[kScatterSlot][2]} * kStake * multiplier;
  spin.trigger = s.LineResult[kScatterSlot][1] >= 3;
  return spin;
}

}  // namespace

TEST(TheoreticalRtpTest, DefaultGameStatesItsTrueRtp) {
  GameState s = LoadDefaultGame();
  const Reels base = Distribution(s.ReelStrip, s.ReelLast);
  const Reels free = Distribution(s.FreeReelStrip, s.FreeReelLast);

  const double baseLine = ExpectedLineWin(s, base);
  const double baseScatter = ExpectedScatterPay(s, base);
  const double freeLine = ExpectedLineWin(s, free);
  const double freeScatter = ExpectedScatterPay(s, free);
  const double trigger = TriggerChance(base);
  const double retrigger = TriggerChance(free);
  ASSERT_LT(kSeriesSpins * retrigger, 1.0) << "a series would never end";
  const double seriesSpins = kSeriesSpins / (1.0 - kSeriesSpins * retrigger);
  const double spinWin = kFreeMultiplier * (kLines * freeLine + kStake * freeScatter);
  const double seriesWin = seriesSpins * spinWin;

  const double lineReturn = kLines * baseLine / kStake;
  const double scatterReturn = baseScatter;
  const double freeReturn = trigger * seriesWin / kStake;
  const double rtp = 100.0 * (lineReturn + scatterReturn + freeReturn);
  std::printf("RTP %.4f%% = lines %.4f + scatter %.4f + free spins %.4f\n", rtp, 100 * lineReturn,
              100 * scatterReturn, 100 * freeReturn);
  std::printf("trigger 1 in %.1f games, retrigger 1 in %.1f spins, series %.2f spins, %.2f stakes\n",
              1.0 / trigger, 1.0 / retrigger, seriesSpins, seriesWin / kStake);

  EXPECT_GE(rtp, 94.0);
  EXPECT_LE(rtp, 97.0);
  EXPECT_EQ(std::lround(rtp * 100.0), std::lround(s.Game_RTP * 100.0)) << "the RTP line of ReelSetup.ini";
  EXPECT_GT(1.0 / trigger, 100.0);
  EXPECT_LT(1.0 / trigger, 200.0);

  // Standard deviation per base game (its series included), estimated by
  // playing random games; the mean checks the exact figure on the way.
#if defined(__SANITIZE_ADDRESS__)
  constexpr int kGames = 100000;
#else
  constexpr int kGames = 2000000;
#endif
  std::mt19937_64 random(20240611);
  double sum = 0.0;
  double squares = 0.0;
  for (int game = 0; game < kGames; ++game) {
    Spin spin = Play(s, s.ReelStrip, s.ReelLast, random, 1);
    int64_t win = spin.win;
    for (int left = spin.trigger ? kSeriesSpins : 0; left > 0; --left) {
      const Spin freeSpin = Play(s, s.FreeReelStrip, s.FreeReelLast, random, kFreeMultiplier);
      win += freeSpin.win;
      if (freeSpin.trigger) left += kSeriesSpins;
    }
    const double stakes = static_cast<double>(win) / kStake;
    sum += stakes;
    squares += stakes * stakes;
  }
  const double mean = sum / kGames;
  const double sd = std::sqrt(squares / kGames - mean * mean);
  std::printf("simulated %d games: return %.3f%%, standard deviation %.2f stakes per game\n", kGames,
              100 * mean, sd);
  EXPECT_LT(sd, 10.0);
  EXPECT_NEAR(100 * mean, rtp, 100 * 5 * sd / std::sqrt(kGames));
}
