// Quiet games allocate nothing (operator new is counted), and a million of the
// default game give its pinned signature: draws, window, evaluation and booking.
#include <cstdlib>
#include <memory>
#include <new>

#include "bench_game.h"
#include "helpers.h"
#include "rtp_chart.h"

namespace {
long newCalls = 0;
}

// The replacements pair malloc with free; once the library's sized delete is
// inlined into them the compiler takes that for new paired with free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++newCalls;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace tamberlo::testing {

// operator new calls during a run of 9900 games, all quiet (game 10000 is shown).
long NewCallsInARun(GameState& s, GenNumberFn genNumber) {
  TempFolder folder;
  RunLogs logs;
  logs.Open();
  bench::NullDisplay display(s, 9900);
  Game game(s, display, logs, genNumber);
  const long before = newCalls;
  game.RunClick();
  const long during = newCalls - before;
  const auto probe = std::make_unique<int>(1);
  EXPECT_EQ(newCalls, before + during + 1) << "the count does not see operator new";
  EXPECT_EQ(s.Games, 9900);
  return during;
}

TEST(QuietGames, AllocateNothingWithJackpotsAndSeries) {
  GameState s = MakeState();
  for (int r = 0; r < kReels; ++r)  // free spins without scatters: no endless series
    for (int p = 9; p <= 14; ++p) s.FreeReelStrip[p][r] = 5;
  // Stops at the hand-made game's block centres: wins, jackpots and series come up often.
  EXPECT_EQ(NewCallsInARun(s, [](uint32_t n) {
              static uint32_t x = 12345;
              x = x * 1103515245u + 12345u;
              const uint32_t stop = 1 + 3 * ((x >> 16) % 5);
              return stop < n ? stop : 0;
            }),
            0);
  EXPECT_GT(s.FreeGames, 100);
  EXPECT_GT(s.LineHits[0][5][kWild], 0) << "no jackpot was played";
}

TEST(QuietGames, AllocateNothingInTheDefaultGameAndAMillionGiveItsSignature) {
  TempFolder folder;
  GameState s;
  tamberlo::LoadGame(s, DefaultGamePath(), &corvello::rng_Init);
  EXPECT_EQ(NewCallsInARun(s, &corvello::rng_GenNumber), 0);
  EXPECT_GT(s.FreeGames, 0);

  GameState fresh;
  tamberlo::LoadGame(fresh, DefaultGamePath(), &corvello::rng_Init);  // seeds the library again
  ASSERT_EQ(fresh.RngSeed, 271828);
  bench::RunGames(fresh, 1000000);
  EXPECT_EQ(Values(fresh.Games, fresh.TotalBet, fresh.TotalWin, fresh.WinCount, fresh.FreeGames, fresh.FreeWin),
            Values(1000000, 20000000, 19230403, 1091852, 7805, 3530208));
  const std::string log = ReadFile("FreeSpins.txt");  // every series but maybe the last is logged
  EXPECT_NEAR(std::count(log.begin(), log.end(), '\n'), fresh.FreeGames - 0.5, 0.5);
}

// A run asks the chart for a point every 100 games.
TEST(QuietGames, ChartPointsAllocateNothing) {
  chart::RtpChart chart;
  const chart::ChartSetup setup{500, 55, 4, 95, {0, 500, 100}};
  const long before = newCalls;
  int lines = 0;
  for (int call = 1; call <= 100000; ++call) lines += chart.Next(setup, 2000LL * call, 1900LL * call, true).percentLine;
  EXPECT_EQ(newCalls, before);
  EXPECT_EQ(lines, 1000);
}

}  // namespace tamberlo::testing
