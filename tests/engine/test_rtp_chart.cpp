// The RTP chart's arithmetic on numbers: sweeps, the three lines' points,
// the green and blue windows, the Percent_10000.txt values and the texts.
#include <algorithm>
#include <cmath>
#include <limits>

#include "helpers.h"
#include "rtp_chart.h"
#include "rtp_chart_summary.h"

namespace tamberlo::chart {
namespace {

// Min 55, Step 4: y = (percent - 55) * 2.5.
ChartSetup SetupOf(int16_t steps = 500, int32_t green = 500, int32_t blue = 100) {
  return ChartSetup{steps, 55, 4, 95, {0, green, blue}};
}

struct Line {
  bool drawn;
  int32_t fromY;
  double toY;
};
using Lines = std::vector<Line>;

Lines Drawn(const ChartPoint& p) {  // blue, green, red
  Lines lines;
  for (const LineSegment& s : {p.blue, p.green, p.red}) lines.push_back({s.drawn, s.fromY, s.toY});
  return lines;
}

// Returns go through a division: equal within rounding.
bool Near(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b)); }
bool operator==(const Line& a, const Line& b) {
  return a.drawn == b.drawn && (!a.drawn || (a.fromY == b.fromY && Near(a.toY, b.toY)));
}
void PrintTo(const Line& l, std::ostream* os) { *os << (l.drawn ? "" : "hidden ") << l.fromY << " -> " << l.toY; }

// One call per 100 games: the counters after `call` calls, with the total win given.
ChartPoint Call(RtpChart& chart, const ChartSetup& setup, int call, int64_t totalWin, bool charted = true) {
  return chart.Next(setup, 2000LL * call, totalWin, charted);
}

TEST(RtpChart, EachPointJoinsTheLastOneKeptRoundedHalfToEven) {
  RtpChart chart;
  ChartPoint p = Call(chart, SetupOf(), 1, 1500);  // 75 percent: y = 50, from the bottom left
  EXPECT_TRUE(p.charted && !p.sweepEnd && !p.sweepStart && !p.percentLine);
  EXPECT_EQ(testing::Values(p.fromX, p.toX), testing::Values(10, 11));
  EXPECT_EQ(Drawn(p), (Lines{{true, 0, 50}, {true, 0, 50}, {true, 0, 50}}));
  p = Call(chart, SetupOf(), 2, 2400);  // 60 percent: y = 12.5, kept as 12
  EXPECT_EQ(Drawn(p), (Lines{{true, 50, 12.5}, {true, 50, 12.5}, {true, 50, 12.5}}));
  p = Call(chart, SetupOf(), 3, 4050);  // 67.5 percent: y = 31.25
  EXPECT_EQ(testing::Values(p.fromX, p.toX), testing::Values(12, 13));
  EXPECT_EQ(Drawn(p).back(), (Line{true, 12, 31.25}));
}

TEST(RtpChart, SweepsEndOneCallBeforeTheyStartAgainAtTheLeftEdge) {
  struct Case {
    int16_t steps;
    int call;
    bool end, start;
    int fromX, toX;
  };
  const Case cases[] = {{500, 1, false, false, 10, 11},  {500, 498, false, false, 507, 508},
                        {500, 499, true, false, 508, 509}, {500, 500, false, true, 10, 10},
                        {500, 501, false, false, 10, 11}, {500, 999, true, false, 508, 509},
                        {500, 1000, false, true, 10, 10}, {1, 1, true, true, 10, 10},
                        {1, 2, true, true, 10, 10},       {2, 1, true, false, 10, 11},
                        {2, 2, false, true, 10, 10},      {2, 3, true, false, 10, 11}};
  for (const Case& c : cases) {
    RtpChart chart;
    ChartPoint p;
    for (int call = 1; call <= c.call; ++call) p = Call(chart, SetupOf(c.steps), call, 1500LL * call);
    EXPECT_EQ(testing::Values(p.sweepEnd, p.sweepStart, p.fromX, p.toX),
              testing::Values(c.end, c.start, c.fromX, c.toX))
        << c.steps << " steps, call " << c.call;
  }
}

TEST(RtpChart, AnUncheckedChartOnlyCounts) {
  RtpChart chart;
  const ChartSetup setup = SetupOf(500, 500, 2);
  Call(chart, setup, 1, 1500);
  for (int call = 2; call <= 5; ++call) {
    const ChartPoint p = Call(chart, setup, call, 1500LL * call, false);
    EXPECT_TRUE(!p.charted && !p.sweepEnd && !p.percentLine && !p.red.drawn);
  }
  const ChartPoint p = Call(chart, setup, 6, 13800);  // 115 percent: y = 150, at x 6
  EXPECT_EQ(testing::Values(p.fromX, p.toX), testing::Values(11, 16));
  EXPECT_EQ(Drawn(p).back(), (Line{true, 50, 150}));
  EXPECT_TRUE(p.percentLine) << "no window was reset meanwhile";
  EXPECT_DOUBLE_EQ(p.blueReturn, 115);
}

// Each blue window's return, with the call that ends it; a window of one call hides its line.
TEST(RtpChart, TheBlueWindowGivesItsReturnAtEachResetAndAWindowOfOneCallHidesItsLine) {
  struct Case {
    const char* name;
    int32_t green, blue;
    std::vector<std::pair<int, int64_t>> calls;  // (call, total win)
    std::vector<std::pair<double, int>> returns;
    bool greenShown, blueShown;
  };
  std::vector<std::pair<int, int64_t>> hundreds;
  for (int call = 1; call <= 200; ++call) hundreds.push_back({call, call < 100 ? 0 : call < 200 ? 15000 : 215500});
  const Case cases[] = {
      {"blue windows of 100, green of one call", 1, 100, hundreds, {{7.5, 100}, {100.25, 200}}, false, true},
      {"windows of one call; a free spin adds no bet",
       1, 1, {{1, 1500}, {1, 1500}, {2, 4500}}, {{75, 1}, {150, 2}}, false, false},
      {"negative lengths count like their size",
       -1, -2, {{1, 1500}, {2, 3000}, {3, 4500}, {4, 6000}}, {{75, 2}, {75, 4}}, true, true}};
  for (const Case& c : cases) {
    RtpChart chart;
    std::vector<std::pair<double, int>> returns;
    bool greenShown = false, blueShown = false;
    for (const auto& [call, win] : c.calls) {
      const ChartPoint p = Call(chart, SetupOf(500, c.green, c.blue), call, win);
      if (p.percentLine) returns.push_back({p.blueReturn, call});
      greenShown |= p.green.drawn;
      blueShown |= p.blue.drawn;
    }
    ASSERT_EQ(returns.size(), c.returns.size()) << c.name;
    for (size_t i = 0; i < returns.size(); ++i) {
      EXPECT_TRUE(Near(returns[i].first, c.returns[i].first) && returns[i].second == c.returns[i].second)
          << c.name << ": " << returns[i].first << " at call " << returns[i].second;
    }
    EXPECT_EQ(testing::Values(greenShown, blueShown), testing::Values(c.greenShown, c.blueShown)) << c.name;
  }
}

// Each window restarts at its own period: green every 300 calls, blue every 100.
TEST(RtpChart, TheGreenAndBlueWindowsRestartEachAtItsOwnPeriod) {
  RtpChart chart;
  const ChartSetup setup = SetupOf(500, 300, 100);
  const auto win = [](int call) { return call <= 100 ? int64_t{0} : 3000LL * (call - 100); };  // 150% after call 100
  const auto y = [](double percent) { return (percent - 55) * 2.5; };
  for (int call = 1; call <= 350; ++call) {
    const ChartPoint p = Call(chart, setup, call, win(call));
    if (call == 150) {  // green since the start: 150000 / 300000; blue since call 100
      EXPECT_TRUE(Near(p.green.toY, y(50))) << p.green.toY;
      EXPECT_TRUE(Near(p.blue.toY, y(150))) << p.blue.toY;
    }
    if (call == 350) {  // green since call 300, its bet less one
      EXPECT_TRUE(Near(p.green.toY, y(150000.0 / 99999 * 100))) << p.green.toY;
    }
  }
}

TEST(RtpChart, TheGreenWindowDividesByItsBetLessOneAnEmptyWindowKeepsItsPoint) {
  RtpChart chart;
  const ChartSetup setup = SetupOf(500, 2, 2);
  Call(chart, setup, 1, 2300);  // 115 percent: y = 150
  Call(chart, setup, 2, 4600);  // both windows reset here
  ChartPoint p = chart.Next(setup, 4020, 4619, true);  // green: 19 / 19 = 100 percent, blue: 19 / 20 = 95 percent
  EXPECT_EQ(Drawn(p), (Lines{{true, 150, 100}, {true, 150, 112.5}, {true, 150, (4619.0 / 4020 * 100 - 55) * 2.5}}));

  const ChartSetup everyCall = SetupOf(500, 500, 1);
  p = chart.Next(everyCall, 4020, 4619, true);
  EXPECT_TRUE(p.percentLine && Near(p.blueReturn, 95));
  p = chart.Next(everyCall, 4020, 4619, true);  // a free spin: the blue window has no bet
  EXPECT_TRUE(!p.percentLine && !p.blue.drawn);
  p = chart.Next(everyCall, 6020, 5619, true);
  EXPECT_TRUE(p.percentLine && Near(p.blueReturn, 50));
  EXPECT_EQ(p.blue.fromY, 100) << "the point of the last window with a bet";
}

TEST(RtpChart, APointBeyondThirtyTwoBitsIsDrawnExactlyAndKeptAtTheEdge) {
  const ChartSetup setup{500, 0, 1, 0, {0, 500, 100}};
  for (const int64_t win : {int64_t{1'000'000'000'000}, int64_t{-1'000'000'000'000}}) {
    RtpChart chart;
    const double y = static_cast<double>(win) / 2000 * 100 * 10;
    EXPECT_EQ(chart.Next(setup, 2000, win, true).red.toY, y);
    EXPECT_EQ(chart.Next(setup, 4000, 0, true).red.fromY,
              win > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min());
  }
}

TEST(RtpChartSummary, SnapshotKeepsThePatternBlanksTheSweepTrimsThem) {
  GameState s;
  EXPECT_EQ(SnapshotSummary(s), "Games played =" + std::string(9, ' ') + " /    = n/a");
  s.Games = 49900;
  s.TotalWin = 949328;
  s.TotalBet = 998000;
  EXPECT_EQ(SnapshotSummary(s), "Games played = 49 900      949 328 /  998 000 = 95.123%");
  EXPECT_EQ(SweepSummary(s), "Games = 49 900    95.123% = 949 328 / 998 000");
  EXPECT_EQ(SweepBitmapName(s), "Test 49900.bmp");
}

}  // namespace
}  // namespace tamberlo::chart
