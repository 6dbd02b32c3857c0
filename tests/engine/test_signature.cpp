// The default game's signature for its seed: any change in the draws, the
// window, the evaluation or the booking of a million games shows up here.
#include <gtest/gtest.h>

#include <algorithm>

#include "../../bench/bench_game.h"
#include "recording_display.h"

namespace tamberlo::testing {
namespace {

TEST(Signature, AMillionGamesOfTheDefaultGame) {
  TempFolder folder;
  GameState s;
  bench::LoadGame(s, TAMBERLO_SOURCE_DIR "/ReelSetup.ini");
  ASSERT_EQ(s.RngSeed, 271828);
  bench::RunGames(s, 1000000);

  EXPECT_EQ(s.Games, 1000000);
  EXPECT_EQ(s.TotalBet, 20000000);
  EXPECT_EQ(s.TotalWin, 19230403);
  EXPECT_EQ(s.WinCount, 1091852);
  EXPECT_EQ(s.FreeGames, 7805);
  EXPECT_EQ(s.FreeWin, 3530208);

  // Every series but possibly the last is logged after the next base game.
  const std::string log = ReadFile("FreeSpins.txt");
  const auto lines = std::count(log.begin(), log.end(), '\n');
  EXPECT_GE(lines, s.FreeGames - 1);
  EXPECT_LE(lines, s.FreeGames);
}

}  // namespace
}  // namespace tamberlo::testing
