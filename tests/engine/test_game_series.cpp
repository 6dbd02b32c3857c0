// Free spins and the free-spin series, under Step and under Run.
#include <algorithm>

#include "recording_display.h"

namespace tamberlo::testing {
namespace {

using Series = GameFixture;

// A series pending from base game `games`, as a trigger leaves it.
void Pending(GameState& s, int64_t games) {
  s.Games = games;
  s.FreeSpinsActive = true;
  s.FreeGames = 1;
}

TEST_F(Series, StepSettlesTheTriggeringGameOnceTheSeriesHasEnded) {
  s.Cash = 1000;
  ScriptedRng::Game({kScatters, kLose, kLose, kLose, kLose});  // 3 scatters: 40, trigger
  game.StepClick();
  EXPECT_EQ(s.Cash, 1000);
  EXPECT_EQ(display.labels[1], (LabelValue{LabelKind::FreeGamesLeft, 15}));
  EXPECT_EQ(display.labels[2], (LabelValue{LabelKind::GameWin, 40}));
  EXPECT_EQ(s.EmptyRuns[0], 0);

  for (int spin = 1; spin <= 15; ++spin) {
    ScriptedRng::Game(spin == 3 ? kFives : kLose);
    game.StepClick();
    if (spin < 15) {
      EXPECT_EQ(display.labels[1], (LabelValue{LabelKind::FreeGamesLeft, 15 - spin}));
      EXPECT_EQ(s.TotalWin, 40) << "the series is booked only at its end";
      EXPECT_EQ(s.FreeWin, 0);
      EXPECT_EQ(s.LineWins[kScatterSlot][kScatter][5], 0);
      EXPECT_EQ(s.Cash, 1000);
    }
  }
  EXPECT_EQ(s.FreeWin, 800);
  EXPECT_EQ(s.TotalWin, 840);
  EXPECT_EQ(s.LineWins[kScatterSlot][kScatter][5], 800);
  EXPECT_EQ(s.Cash, 1000 - 20 + 840);
  EXPECT_EQ(display.labels[1], (LabelValue{LabelKind::GamesCount, 1}));
  EXPECT_EQ(display.labels[2], (LabelValue{LabelKind::GameWin, 840}));
  EXPECT_EQ(display.labels[5], (LabelValue{LabelKind::Cash, 1820}));
  EXPECT_EQ(s.EmptyRuns[0], 1);
  EXPECT_EQ(s.FreeSpinsPlayed, 15);
  EXPECT_FLOAT_EQ(s.SeriesWinX, 40.0f);
  EXPECT_EQ(s.Games, 1);
  EXPECT_EQ(s.TotalBet, 20);

  EXPECT_EQ(ReadFile("FreeSpins.txt"), "") << "logged only after the next base game";
  game.StepClick();
  EXPECT_EQ(s.FreeSpinsPlayed, 0);
  EXPECT_EQ(Log("FreeSpins.txt"), "         1   15 Free_Spins_Won =    40.000\r\n");
}

TEST_F(Series, AShownFreeSpinWritesItsTextsWithTheMultiplier) {
  Pending(s, 3);
  ScriptedRng::Game(kFives);
  game.StepClick();
  const std::string perLine = "Line :  1,  Win :   40, - 5 F5\r\n";
  EXPECT_EQ(display.detailText.substr(0, perLine.size()), perLine);
  EXPECT_EQ(display.detailText.substr(20 * perLine.size()),
            "_________________\r\nFree Spin win = 800\r\n");

  ScriptedRng::Game({kScatters, kLose, kLose, kLose, kLose});
  game.StepClick();
  EXPECT_EQ(display.detailText,
            "3 Scatter Win:  160\r\n3 SCATTERS = New 15 Free Spins At x4\r\n"
            "_________________\r\nFree Spin win = 960\r\n");
  EXPECT_EQ(s.FreeSpinNo, 2 - 15);
  EXPECT_EQ(s.Retriggered, 1);
}

// Spins of one series in a run pass, with a retrigger at the given spins.
int SpinsWithRetriggersAt(GameFixture& f, std::vector<int> retriggerSpins) {
  Pending(f.s, 5);
  f.display.stop = true;
  for (int spin = 1; spin <= 60; ++spin) {
    const bool retrigger =
        std::find(retriggerSpins.begin(), retriggerSpins.end(), spin) != retriggerSpins.end();
    ScriptedRng::Game(retrigger ? std::vector<uint32_t>{kScatters, kLose, kLose, kLose, kLose}
                                : std::vector<uint32_t>{kLose, kLose, kLose, kLose, kLose});
  }
  f.game.RunPass();
  EXPECT_FALSE(f.s.FreeSpinsActive);
  EXPECT_EQ(f.s.FreeSpinNo, 0);
  EXPECT_EQ(f.s.Retriggered, 0);
  EXPECT_EQ(f.s.Games, 5);
  EXPECT_EQ(f.s.FreeWin, 160 * static_cast<int64_t>(retriggerSpins.size()));
  EXPECT_EQ(static_cast<int>(ScriptedRng::ranges.size()), 5 * f.s.FreeSpinsPlayed);
  return f.s.FreeSpinsPlayed;
}

TEST_F(Series, NoRetriggerGivesFifteenSpins) { EXPECT_EQ(SpinsWithRetriggersAt(*this, {}), 15); }
TEST_F(Series, RetriggerAtSpinOneGivesThirty) { EXPECT_EQ(SpinsWithRetriggersAt(*this, {1}), 30); }
TEST_F(Series, RetriggerAtSpinFifteenGivesThirty) {
  EXPECT_EQ(SpinsWithRetriggersAt(*this, {15}), 30);
}
TEST_F(Series, TwoRetriggersGiveFortyFive) {
  EXPECT_EQ(SpinsWithRetriggersAt(*this, {14, 29}), 45);
}

TEST_F(Series, RunPassFinishesASeriesThatStepBegan) {
  Pending(s, 5);
  for (int spin = 1; spin <= 4; ++spin) game.StepClick();
  ScriptedRng::Reset();
  display.stop = true;
  game.RunPass();
  EXPECT_EQ(ScriptedRng::ranges.size(), 11u * 5u);
  EXPECT_EQ(s.FreeSpinsPlayed, 15);
  EXPECT_EQ(display.labels[3], (LabelValue{LabelKind::FreeGamesRun, 1, 0, 0}));
  EXPECT_EQ(s.QuietMode, 1);
}

TEST_F(Series, StepClearsAStaleSeriesWinOnlyAtTheFirstSpinOfAFreshSeries) {
  Pending(s, 5);
  s.SeriesWin = 999;  // left over, as a retriggered count passing 1 again would see it
  game.StepClick();
  EXPECT_EQ(s.SeriesWin, 0);

  Pending(s, 6);
  s.FreeSpinNo = 0;
  s.Retriggered = 1;
  s.SeriesWin = 999;
  game.StepClick();
  EXPECT_EQ(s.SeriesWin, 999);
  EXPECT_EQ(display.labels[1], (LabelValue{LabelKind::FreeGamesLeft, 14}));
}

TEST_F(Series, SeriesEndBooksTheWinInOnePieceAndKeepsTheLogLineForLater) {
  Pending(s, 1234);
  s.FreeSpinNo = 14;
  s.FreeSpinsPlayed = 14;
  s.SeriesWin = 1234;
  s.Retriggered = 1;
  s.TotalWin = 100;
  game.StepClick();
  EXPECT_FLOAT_EQ(s.SeriesWinX, 61.7f);
  EXPECT_EQ(s.SeriesWinX, 61.7f);
  EXPECT_EQ(s.FreeWin, 1234);
  EXPECT_EQ(s.TotalWin, 1334);
  EXPECT_EQ(s.LineWins[kScatterSlot][kScatter][5], 1234);
  EXPECT_EQ(s.SeriesWin, 0);
  EXPECT_EQ(s.Retriggered, 0);

  game.StepClick();
  EXPECT_EQ(Log("FreeSpins.txt"), "      1234   15 Free_Spins_Won =    61.700\r\n");
}

TEST_F(Series, AJackpotInAFreeSpinIsLoggedWithTheTriggeringGame) {
  Pending(s, 77);
  display.autoStop = true;
  ScriptedRng::Game(kWilds);
  game.StepClick();
  ASSERT_EQ(display.messages.size(), 20u);
  EXPECT_EQ(display.messages[0], "JACKPOT!!!\r\nGame = 77\r\n Free Spin ");
  EXPECT_EQ(s.SeriesWin, 20 * 1000 * 4);
  EXPECT_EQ(s.WinCount, 0);
  const std::string log = Log("Jackpot.txt");
  EXPECT_EQ(log.substr(0, 41), "      77" + std::string(6, ' ') + " 1 " + std::string(11, ' ') +
                                    "  Free Spin\r\n");
}

TEST_F(Series, AFreeSpinJackpotWithAutoStopEndsTheRunOnlyAfterTheSeries) {
  Pending(s, 77);
  display.autoStop = true;
  ScriptedRng::Game(kLose);
  ScriptedRng::Game(kWilds);
  game.RunClick();
  EXPECT_FALSE(display.stop);
  EXPECT_FALSE(s.FreeSpinsActive);
  EXPECT_EQ(s.FreeSpinsPlayed, 15);
  EXPECT_EQ(s.Games, 77);
  EXPECT_EQ(display.Count("ClearText"), 13) << "spins after the stop are shown like Steps";
  EXPECT_EQ(display.messages.size(), 20u);
}

}  // namespace
}  // namespace tamberlo::testing
