// The run loop and the Step click: cadence, stops, nesting, streaks, credit.
#include <limits>

#include "recording_display.h"

namespace tamberlo::testing {
namespace {

using RunLoop = GameFixture;
using Step = GameFixture;

const std::vector<uint32_t> kTrigger{kScatters, kLose, kLose, kLose, kLose};

TEST_F(RunLoop, ReelCaptionsOfAShownGameAppearWithTheNextGame) {
  display.stop = true;
  s.QuietMode = 1;
  s.Games = 9999;
  s.Cash = 345;
  ScriptedRng::Game(kLose);
  ScriptedRng::Game({2, 3, 4, 5, 6});
  game.RunPass();
  EXPECT_EQ(display.calls, (std::vector<std::string>{"DrawScreen", "ClearText", "DrawPercent",
                                                     "ShowHits", "ProcessEvents"}));
  EXPECT_EQ(display.labels[1], (LabelValue{LabelKind::GamesCount, 10000}));
  EXPECT_EQ(display.labels[2], (LabelValue{LabelKind::GameWin, 0}));
  EXPECT_EQ(display.labels[5], (LabelValue{LabelKind::Cash, 345}));
  EXPECT_EQ(s.QuietMode, 0);

  display.Clear();
  game.RunPass();
  EXPECT_EQ(display.calls, (std::vector<std::string>{"Caption 0 2", "Caption 1 3", "Caption 2 4",
                                                     "Caption 3 5", "Caption 4 6"}));
  EXPECT_EQ(s.QuietMode, 1);
}

TEST_F(RunLoop, TheSeriesLineIsLoggedAfterTheNextBaseGame) {
  display.stop = true;
  s.Games = 9;
  ScriptedRng::Game(kTrigger);
  game.RunPass();
  EXPECT_TRUE(s.FreeSpinsActive);
  EXPECT_EQ(s.EmptyRuns[0], 0) << "the trigger is judged after its series";
  game.RunPass();
  EXPECT_EQ(s.FreeSpinsPlayed, 15);
  EXPECT_EQ(s.EmptyRuns[0], 1);
  game.RunPass();
  EXPECT_EQ(s.FreeSpinsPlayed, 0);
  EXPECT_EQ(Log("FreeSpins.txt"), "        10   15 Free_Spins_Won =     0.000\r\n");
}

TEST_F(RunLoop, AStreakOfFiftyLossesIsNotCounted) {
  display.stop = true;
  for (int game_ = 0; game_ < 50; ++game_) game.RunPass();
  EXPECT_EQ(s.EmptyCount, 0);
  for (int k = 1; k < kEmptyRunSlots; ++k) EXPECT_EQ(s.EmptyRuns[k], 1) << k;
  game.RunPass();
  EXPECT_EQ(s.EmptyCount, 1);
  EXPECT_EQ(s.EmptyRuns[1], 2);
  ScriptedRng::Game(kFives);
  game.RunPass();
  EXPECT_EQ(s.EmptyCount, 0);
  EXPECT_EQ(s.EmptyRuns[0], 1);
}

TEST_F(RunLoop, ANestedStopClickEndsTheRunAtTheNextTop) {
  display.onProcessEvents = [&] {
    if (s.Games == 300) game.RunClick();
  };
  game.RunClick();
  EXPECT_EQ(s.Games, 300);
  EXPECT_FALSE(display.stop);
  EXPECT_TRUE(display.addEnabled);
  EXPECT_EQ(s.QuietMode, 0);
  EXPECT_EQ(display.Count("DrawPercent"), 3);
  EXPECT_EQ(display.Count("ProcessEvents"), 3);
  EXPECT_EQ(display.calls[0], "RunFlag Stop");
  EXPECT_EQ(display.calls[1], "Add off");
}

TEST_F(RunLoop, ANestedStepPlaysWithoutTouchingTheCredit) {
  s.Cash = 500;
  display.onProcessEvents = [&] {
    if (s.Games == 100) {
      ScriptedRng::Game(kFives);
      game.StepClick();
    }
    if (s.Games == 200) display.stop = false;
  };
  game.RunClick();
  EXPECT_EQ(s.Games, 200);
  EXPECT_EQ(s.TotalWin, 200);
  EXPECT_EQ(s.Cash, 500);
}

TEST_F(RunLoop, AGameThatTriggersAtAHundredGetsItsChartPointAfterTheSeries) {
  display.stop = true;
  s.Games = 99;
  ScriptedRng::Game(kTrigger);
  game.RunPass();
  EXPECT_EQ(display.Count("DrawPercent"), 0);
  EXPECT_EQ(display.Count("ProcessEvents"), 1);
  game.RunPass();
  EXPECT_EQ(display.Count("DrawPercent"), 1);
  EXPECT_EQ(display.Count("ProcessEvents"), 2);
}

TEST_F(RunLoop, StopsBySelfAtAMultipleOfGamesPerRun) {
  s.GamesPerRun = 100;
  game.RunClick();
  EXPECT_EQ(s.Games, 100);
  const std::vector<std::string> tail(display.calls.end() - 6, display.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"DrawPercent", "ProcessEvents", "ShowHits", "Save",
                                            "Message", "RunFlag Run"}));
  EXPECT_EQ(display.messages, (std::vector<std::string>{" 100 Games!"}));
  EXPECT_FALSE(display.addEnabled) << "this stop leaves Add disabled";
  EXPECT_EQ(s.QuietMode, 0);
}

TEST_F(Step, IsRefusedBelowTwentyCredits) {
  s.Cash = 19;
  game.StepClick();
  EXPECT_EQ(display.messages, (std::vector<std::string>{" Add Credit ! "}));
  EXPECT_EQ(display.calls,
            (std::vector<std::string>{"Message", "Step off", "Add on", "FocusAdd"}));
  EXPECT_EQ(s.Games, 0);
  EXPECT_TRUE(display.labelWrites.empty());

  s.Cash = 20;
  game.StepClick();
  EXPECT_EQ(s.Games, 1);
  EXPECT_EQ(s.Cash, 0);
  EXPECT_EQ(display.labels[5], (LabelValue{LabelKind::Cash, 0}));
}

TEST_F(Step, RefreshesTheStatisticsAndChartsEveryStepAtAHundredAlsoInASeries) {
  s.Games = 199;
  ScriptedRng::Game(kTrigger);
  for (int click = 0; click < 16; ++click) game.StepClick();
  EXPECT_FALSE(s.FreeSpinsActive);
  EXPECT_EQ(display.Count("DrawPercent"), 16);
  EXPECT_EQ(display.Count("ShowHits"), 16);
  EXPECT_EQ(s.QuietMode, 0);
}

TEST_F(Step, ACreditBeyondThirtyTwoBitsStopsAtTheLimit) {
  s.Cash = std::numeric_limits<int32_t>::max() - 5;
  ScriptedRng::Game(kFives);
  game.StepClick();
  EXPECT_EQ(s.Cash, std::numeric_limits<int32_t>::max());
}

TEST_F(Step, SettlesASeriesThatARunLeftPendingWithItsBaseGame) {
  s.Cash = 1000;
  display.autoStop = true;
  ScriptedRng::Game(kTrigger);
  game.RunClick();  // stops at the trigger with the series pending
  EXPECT_TRUE(s.FreeSpinsActive);
  EXPECT_EQ(s.Cash, 1000);
  for (int spin = 0; spin < 15; ++spin) game.StepClick();
  EXPECT_EQ(s.Cash, 1000 - 20 + 40);
}

}  // namespace
}  // namespace tamberlo::testing
