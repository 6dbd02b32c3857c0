// The default game's theoretical return, computed exactly from ReelSetup.ini
// with the real line evaluation, is the RTP that its header states.
#include <cmath>

#include "evaluation.h"
#include "helpers.h"

namespace tamberlo::testing {
namespace {

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
  const double seriesSpins = kSeriesSpins / (1.0 - kSeriesSpins * retrigger);
  const double rtp = 100.0 * (ExpectedWin(s, base) + trigger * seriesSpins * kFreeMultiplier * ExpectedWin(s, free));
  EXPECT_EQ(std::lround(rtp * 100.0), std::lround(s.Game_RTP * 100.0)) << rtp << "%, the RTP line of ReelSetup.ini";
  EXPECT_NEAR(1.0 / trigger, 150, 50) << "games per series";
}

}  // namespace
}  // namespace tamberlo::testing
