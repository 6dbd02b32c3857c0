// A quiet game allocates nothing: operator new is counted over whole runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "../../bench/bench_game.h"
#include "recording_display.h"

namespace {
long newCalls = 0;
}

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

namespace tamberlo::testing {
namespace {

// Stops from the block centres of the hand-made game, so that wins,
// jackpots and series all come up within a few thousand games.
uint32_t BlockStops(uint32_t n) {
  static uint32_t x = 12345;
  x = x * 1103515245u + 12345u;
  const uint32_t stop = 1 + 3 * ((x >> 16) % 5);
  return stop < n ? stop : 0;
}

TEST(QuietGames, AllocateNothingInTheHandMadeGame) {
  TempFolder folder;
  GameState s = MakeState();
  for (int r = 0; r < kReels; ++r)  // free spins without scatters: no endless series
    for (int p = 9; p <= 14; ++p) s.FreeReelStrip[p][r] = 5;
  RunLogs logs;
  logs.Open();
  bench::NullDisplay display(s, 9900);  // below game 10000, which is shown
  Game game(s, display, logs, &BlockStops);

  const long before = newCalls;
  game.RunClick();
  EXPECT_EQ(newCalls - before, 0);
  EXPECT_EQ(s.Games, 9900);
  EXPECT_GT(s.FreeGames, 100);
  EXPECT_GT(s.LineHits[0][5][kWild], 0) << "no jackpot was played";

  const long counted = newCalls;
  const auto probe = std::make_unique<int>(1);
  EXPECT_EQ(newCalls, counted + 1) << "the count does not see operator new";
}

TEST(QuietGames, AllocateNothingInTheDefaultGame) {
  TempFolder folder;
  GameState s;
  bench::LoadGame(s, TAMBERLO_SOURCE_DIR "/ReelSetup.ini");
  RunLogs logs;
  logs.Open();
  bench::NullDisplay display(s, 9900);
  Game game(s, display, logs, &corvello::rng_GenNumber);

  const long before = newCalls;
  game.RunClick();
  EXPECT_EQ(newCalls - before, 0);
  EXPECT_GT(s.FreeGames, 0);
}

}  // namespace
}  // namespace tamberlo::testing
