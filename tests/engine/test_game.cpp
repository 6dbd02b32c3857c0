// Playing: base game, free spin, series, run loop and Step; what they book,
// show and log, and when.
#include <limits>

#include "file_size_limit.h"
#include "helpers.h"

namespace tamberlo::testing {

using Play = GameFixture;
using Strings = std::vector<std::string>;
using Labels = std::vector<LabelValue>;
using enum LabelKind;
using Slot = LabelSlot;

TEST_F(Play, AShownGameBooksAndShowsEveryWinningLineAQuietOneOnlyItsLabels) {
  ScriptedRng::Game(kFives);
  game.PlayBaseGame();
  EXPECT_EQ(Strings(display.calls.begin() + 4, display.calls.begin() + 8),
            (Strings{"Caption 4 4", "DrawScreen", "ClearText", "Text"}));  // captions: QuietMode was 0
  EXPECT_EQ(Values(s.TotalBet, s.TotalWin, s.WinCount, s.LineHits[kScatterSlot][0][kScatter],
                   display.Count("DrawWinLine 19"), display.detailText.size()),
            Values(20, 200, 20, 1, 1, 20 * 32));
  for (int line = 0; line < kLines; ++line)
    EXPECT_EQ(Values(s.LineHits[line][5][5], s.LineWins[line][5][5]), Values(1, 10));
  EXPECT_EQ(display.detailText.substr(19 * 32), "Line : 20,  Win :   10, - 5 F5\r\n");
  EXPECT_EQ(display.Labels({Slot::Rtp, Slot::FreeGames, Slot::HitRate}),
            (Labels{{.kind = RtpLine, .win = 200, .bet = 20},
                    {.kind = FreeGamesBase, .games = 0, .win = 0, .bet = 20},
                    {.kind = HitRate, .games = 0, .winCount = 20}}));

  s = MakeState();
  display = RecordingDisplay();
  display.stop = true;
  s.QuietMode = 1, s.Games = 3;
  ScriptedRng::Game(kLose);
  game.PlayBaseGame();
  ScriptedRng::Game(kFives);
  game.PlayBaseGame();
  EXPECT_EQ(Values(display.calls.size(), s.QuietMode), Values(0, 1));
  EXPECT_EQ(display.labelWrites, (std::vector{Slot::Rtp, Slot::Rtp, Slot::HitRate}));  // no hit rate before a win
}

TEST_F(Play, JackpotsCountLogAndShowEvenAtZeroPay) {
  s.PayTable[kWild][5] = 0;
  s.Games = 1234;
  ScriptedRng::Game(kWilds);
  game.PlayBaseGame();
  EXPECT_EQ(Values(s.WinCount, s.TotalWin, s.LineHits[4][5][kWild], display.messages.size()), Values(20, 0, 1, 0));
  EXPECT_EQ(display.detailText.substr(0, 34), "Line :  1,  Win :    0, - 5 WILD\r\n");
  const std::string log = Log("Jackpot.txt");
  EXPECT_EQ(log.size(), 9u * 19u + 11u * 20u);
  EXPECT_EQ(log.substr(0, 23) + log.substr(log.size() - 20), "    1234       1 \r\n        1234       20 \r\n");
}

TEST_F(Play, AQuietJackpotOrTriggerWithAutoStopStopsTheRunAndShowsTheRest) {
  display.stop = display.autoStop = true;
  display.detailText = "earlier text";
  s.QuietMode = 1, s.Games = 7;
  ScriptedRng::Game(kWilds);
  game.PlayBaseGame();
  ASSERT_EQ(display.messages.size(), 20u);  // one per jackpot line
  EXPECT_EQ(display.messages[0], "JACKPOT!!!\r\nGame = 7");
  EXPECT_EQ(Strings(display.calls.begin(), display.calls.begin() + 6),
            (Strings{"DrawScreen", "Message", "RunFlag Run", "Add on", "Text", "DrawWinLine 0"}));
  EXPECT_EQ(display.detailText.substr(0, 12), "earlier text");  // not emptied
  EXPECT_EQ(Values(s.QuietMode, s.TotalWin, display.labels.count(Slot::FreeGames)), Values(0, 20000, 1));

  display = RecordingDisplay();
  display.stop = display.autoStop = true;
  s.QuietMode = 1, s.Games = 42;
  ScriptedRng::Game(kTrigger);
  game.PlayBaseGame();
  EXPECT_EQ(display.messages, (Strings{"Free Spins \r\nGame = 42"}));
  EXPECT_EQ(display.detailText, "");
  EXPECT_EQ(display.calls, (Strings{"DrawScreen", "Message", "RunFlag Run", "Add on", "FocusStep"}));
  EXPECT_EQ(display.labels[Slot::FreeGames], (LabelValue{.kind = FreeGamesBase, .games = 1, .win = 0, .bet = 40}));
}

TEST_F(Play, ScattersPayUpToFiveTwoWithoutPayAreAWinThreeTrigger) {
  ScriptedRng::Game({kScatters, kScatters, kLose, kLose, kLose});  // six scatters
  game.PlayBaseGame();
  EXPECT_EQ(Values(s.LineHits[kScatterSlot][5][kScatter], s.LineWins[kScatterSlot][kScatter][5], s.TotalWin,
                   s.WinCount, s.FreeGames, s.FreeSpinsActive),
            Values(1, 1000, 1000, 1, 1, 1));
  EXPECT_EQ(display.detailText, "5 Scatter Win: 1 000\r\n5 SCATTERS = 15 Free Spins At x4\r\n");
  EXPECT_EQ(Strings(display.calls.end() - 7, display.calls.end() - 1),
            (Strings{"ScatterBox 0", "ScatterBox 1", "ScatterBox 5", "ScatterBox 6", "ScatterBox 10",
                     "ScatterBox 11"}));

  s = MakeState();
  s.PayTable[kScatter][2] = 0;
  ScriptedRng::Game({kTwoScatters, kLose, kLose, kLose, kLose});
  game.PlayBaseGame();
  EXPECT_EQ(display.detailText, "2 Scatter Win:  \r\n");
  s.ReelStrip[13][0] = 0;  // one scatter: only its hit
  ScriptedRng::Game({kTwoScatters, kLose, kLose, kLose, kLose});
  game.PlayBaseGame();
  EXPECT_EQ(Values(s.WinCount, s.LineHits[kScatterSlot][2][kScatter], s.LineHits[kScatterSlot][1][kScatter],
                   s.FreeSpinsActive),
            Values(1, 1, 1, 0));
}

TEST_F(Play, FreeSpinsPayTimesFourWriteTheirTextsAndLogJackpotsWithTheTriggeringGame) {
  s.Games = 77, s.FreeSpinsActive = display.autoStop = true;
  ScriptedRng::Game(kFives);
  game.StepClick();
  const std::string perLine = "Line :  1,  Win :   40, - 5 F5\r\n";
  EXPECT_EQ(display.detailText.substr(0, perLine.size()), perLine);
  EXPECT_EQ(display.detailText.substr(20 * perLine.size()), "_________________\r\nFree Spin win = 800\r\n");
  ScriptedRng::Game(kTrigger);
  game.StepClick();
  EXPECT_EQ(display.detailText, "3 Scatter Win:  160\r\n3 SCATTERS = New 15 Free Spins At x4\r\n"
                                "_________________\r\nFree Spin win = 960\r\n");
  EXPECT_EQ(Values(s.FreeSpinNo, s.Retriggered), Values(2 - 15, 1));
  ScriptedRng::Game(kWilds);
  game.StepClick();
  ASSERT_EQ(display.messages.size(), 20u);
  EXPECT_EQ(display.messages[0], "JACKPOT!!!\r\nGame = 77\r\n Free Spin ");
  EXPECT_EQ(Values(s.SeriesWin, s.WinCount), Values(960 + 20 * 1000 * 4, 0));
  EXPECT_EQ(Log("Jackpot.txt").substr(0, 41), "      77       1              Free Spin\r\n");
}

TEST_F(Play, RunShowsEveryTenThousandthGameItsCaptionsWithTheNextGame) {
  display.stop = true;
  s.QuietMode = 1, s.Games = 9999, s.Cash = 345, s.TotalWin = 5000;
  ScriptedRng::Game(kLose);
  ScriptedRng::Game({2, 3, 4, 5, 6});
  game.RunPass();
  EXPECT_EQ(display.calls, (Strings{"DrawScreen", "ClearText", "DrawPercent", "ShowHits", "ProcessEvents"}));
  EXPECT_EQ(display.labelWrites,
            (std::vector{Slot::Rtp, Slot::FreeGames, Slot::Games, Slot::GameWin, Slot::Cash}));
  EXPECT_EQ(display.Labels({Slot::Games, Slot::GameWin, Slot::Cash}),  // the last game's win, not the total
            (Labels{{.kind = GamesCount, .games = 10000}, {.kind = GameWin, .win = 0}, {.kind = Cash, .credits = 345}}));
  display.calls.clear();
  game.RunPass();
  EXPECT_EQ(display.calls, (Strings{"Caption 0 2", "Caption 1 3", "Caption 2 4", "Caption 3 5", "Caption 4 6"}));
  EXPECT_EQ(s.QuietMode, 1);
}

TEST_F(Play, RunJudgesChartsAndLogsASeriesAfterItEnds) {
  display.stop = true;
  s.Games = 99;
  ScriptedRng::Game(kTrigger);
  game.RunPass();  // game 100 triggers: no chart point, no streak yet
  EXPECT_EQ(Values(display.Count("DrawPercent"), display.Count("ProcessEvents"), s.EmptyRuns[0]), Values(0, 1, 0));
  game.RunPass();  // the series
  EXPECT_EQ(Values(display.Count("DrawPercent"), display.Count("ProcessEvents"), s.EmptyRuns[0]), Values(1, 2, 1));
  EXPECT_EQ(display.labels[Slot::FreeGames], (LabelValue{.kind = FreeGamesRun, .games = 1, .win = 0, .bet = 20}));
  game.RunPass();  // the next base game logs it
  EXPECT_EQ(Log("FreeSpins.txt"), "       100   15 Free_Spins_Won =     0.000\r\n");
}

TEST_F(Play, RunCountsStreaksWithoutAWinButNotOneOfFifty) {
  display.stop = true;
  for (int game_ = 0; game_ < 50; ++game_) game.RunPass();
  EXPECT_EQ(s.EmptyCount, 0);
  for (int k = 1; k < kEmptyRunSlots; ++k) EXPECT_EQ(s.EmptyRuns[k], 1) << k;
  game.RunPass();
  EXPECT_EQ(Values(s.EmptyCount, s.EmptyRuns[1]), Values(1, 2));
  ScriptedRng::Game(kFives);
  game.RunPass();
  EXPECT_EQ(Values(s.EmptyCount, s.EmptyRuns[0]), Values(0, 1));
}

TEST_F(Play, RunEndsAtANestedStopOrAMultipleOfGamesPerRunANestedStepLeavesTheCredit) {
  display.onProcessEvents = [&] {
    if (s.Games == 100) ScriptedRng::Game(kFives), game.StepClick();
    if (s.Games == 300) game.RunClick();
  };
  game.RunClick();
  EXPECT_EQ(Values(s.Games, s.TotalWin, s.Cash, s.QuietMode, display.stop, display.addEnabled,
                   display.Count("ProcessEvents")),
            Values(300, 200, 1000000, 0, 0, 1, 3));
  EXPECT_EQ(Strings(display.calls.begin(), display.calls.begin() + 2), (Strings{"RunFlag Stop", "Add off"}));

  display = RecordingDisplay();
  display.onProcessEvents = [&] {
    if (s.Games == 900) game.RunClick();  // ends a Run that misses its stop at 800
  };
  s.GamesPerRun = 400;
  game.RunClick();
  EXPECT_EQ(Strings(display.calls.end() - 6, display.calls.end()),
            (Strings{"DrawPercent", "ProcessEvents", "ShowHits", "Save", "Message", "RunFlag Run"}));
  EXPECT_EQ(display.messages, (Strings{" 400 Games!"}));
  EXPECT_EQ(Values(s.Games, s.QuietMode, display.addEnabled), Values(400, 0, 0));  // Add stays disabled
  game.RunClick();
  EXPECT_EQ(display.messages, (Strings{" 400 Games!", " 800 Games!"}));
  EXPECT_EQ(s.Games, 800);
}

// Notes QuietMode at every ShowHits: the statistics window skips a refresh while it is 1.
struct QuietModeAtShowHits : RecordingDisplay {
  const GameState& s;
  std::vector<int> quietModes;
  explicit QuietModeAtShowHits(const GameState& state) : s(state) {}
  void ShowHits() override { quietModes.push_back(s.QuietMode), RecordingDisplay::ShowHits(); }
};

TEST(NestedStep, RefreshesTheStatisticsThoughTheRunAroundItPlaysQuiet) {
  TempFolder folder;
  GameState s = MakeState();
  QuietModeAtShowHits display(s);
  RunLogs logs;
  logs.Open();
  Game game(s, display, logs, &ScriptedRng::GenNumber);
  ScriptedRng::stops.clear();
  display.onProcessEvents = [&] { game.StepClick(), display.stop = false; };  // at game 100
  game.RunClick();
  EXPECT_EQ(s.Games, 101);
  EXPECT_EQ(display.quietModes, std::vector<int>{0});
}

TEST_F(Play, ARetriggerAddsFifteenSpinsToTheSeriesOfARunPass) {
  s.Games = 5, display.stop = true;
  const std::pair<std::vector<int>, int> cases[] = {{{}, 15}, {{1}, 30}, {{15}, 30}, {{14, 29}, 45}};
  for (const auto& [retriggers, spins] : cases) {  // retriggers at the given spins
    s.FreeSpinsActive = true;
    s.FreeSpinsPlayed = 0, s.FreeWin = 0;
    ScriptedRng::ranges.clear();
    for (int spin = 1; spin <= 60; ++spin)
      ScriptedRng::Game(std::count(retriggers.begin(), retriggers.end(), spin) ? kTrigger : std::vector(5, kLose));
    game.RunPass();
    ScriptedRng::stops.clear();
    EXPECT_EQ(Values(s.FreeSpinsPlayed, ScriptedRng::ranges.size(), s.FreeWin, s.FreeSpinsActive, s.FreeSpinNo,
                     s.Retriggered, s.Games),
              Values(spins, 5 * spins, 160 * retriggers.size(), 0, 0, 0, 5));
  }
}

TEST_F(Play, ASeriesOfThousandsOfRetriggersPlaysEverySpinAndLogsThemAll) {
  s.Games = 41, display.stop = true;
  ScriptedRng::Game(kTrigger);
  game.RunPass();
  constexpr int kRetriggers = 5000;  // more spins pending at once than a 16-bit count holds
  for (int spin = 0; spin < kRetriggers; ++spin) ScriptedRng::Game(kTrigger);
  game.RunPass();
  EXPECT_EQ(Values(s.FreeSpinsPlayed, s.FreeWin, s.FreeSpinNo, s.FreeSpinsActive),
            Values(15 * (kRetriggers + 1), 160 * kRetriggers, 0, 0));
  EXPECT_EQ(display.labels[Slot::FreeGames],
            (LabelValue{.kind = FreeGamesRun, .games = 1, .win = 160 * kRetriggers, .bet = 20}));
  game.RunPass();
  EXPECT_EQ(Log("FreeSpins.txt"), "        4275015 Free_Spins_Won = 40000.000\r\n");  // five places for the spins
}

TEST_F(Play, StepCountsDownTheSpinsLeftOfARetriggeredSeries) {
  s.Cash = 1000, s.Games = 8;
  ScriptedRng::Game(kTrigger);
  game.StepClick();
  const int retriggerAt[] = {1, 2, 3, 20, 45};  // spins left after each: 29, 43, 57, ...
  int left = 15;
  for (int spin = 1; left > 0; ++spin) {
    const bool retrigger = std::count(std::begin(retriggerAt), std::end(retriggerAt), spin) > 0;
    ScriptedRng::Game(retrigger ? kTrigger : std::vector(5, kLose));
    game.StepClick();
    left += retrigger ? kSeriesSpins - 1 : -1;
    if (left > 0) {
      ASSERT_EQ(display.labels[Slot::Games], (LabelValue{.kind = FreeGamesLeft, .games = left})) << spin;
    }
  }
  EXPECT_EQ(Values(s.FreeSpinsPlayed, s.FreeWin, s.FreeSpinsActive), Values(90, 800, 0));
  EXPECT_EQ(display.labels[Slot::Games], (LabelValue{.kind = GamesCount, .games = 9}));
  game.StepClick();
  EXPECT_EQ(Log("FreeSpins.txt"), "         9   90 Free_Spins_Won =    40.000\r\n");
}

TEST_F(Play, AGameReadsWinLinesChangedAfterAnEarlierGame) {
  game.PlayBaseGame();
  for (int16_t& row : s.WinLineRow[0]) row = 2;
  DeriveLineMasks(s);
  ScriptedRng::Game(kTwoScatters);  // scatters in rows 0 and 1, losing figures in row 2
  game.PlayBaseGame();
  EXPECT_EQ(Values(s.LineResult[0][0], s.LineResult[0][1]), Values(0, 1));
}

TEST_F(Play, AFreeSpinJackpotWithAutoStopEndsTheRunOnlyAfterTheSeries) {
  s.Games = 77, s.FreeSpinsActive = display.autoStop = true;
  ScriptedRng::Game(kLose);
  ScriptedRng::Game(kWilds);
  game.RunClick();
  EXPECT_EQ(Values(display.stop, s.FreeSpinsActive, s.FreeSpinsPlayed, s.Games, display.messages.size()),
            Values(0, 0, 15, 77, 20));
  EXPECT_EQ(display.Count("ClearText"), 13) << "spins after the stop are shown like Steps";
}

TEST_F(Play, StepIsRefusedBelowTwentyCreditsAndKeepsTheCreditWhenAWinWouldPassItsLimit) {
  s.Cash = 19;
  game.StepClick();
  EXPECT_EQ(display.messages, (Strings{" Add Credit ! "}));
  EXPECT_EQ(display.calls, (Strings{"Message", "Step off", "Add on", "FocusAdd"}));
  EXPECT_EQ(Values(s.Games, display.labelWrites.size()), Values(0, 0));
  s.Cash = 20;
  game.StepClick();
  EXPECT_EQ(Values(s.Games, s.Cash), Values(1, 0));
  EXPECT_EQ(display.labels[Slot::Cash], (LabelValue{.kind = Cash, .credits = 0}));
  s.Cash = std::numeric_limits<int32_t>::max() - 5;
  ScriptedRng::Game(kFives);
  game.StepClick();
  EXPECT_EQ(Values(s.Cash, s.Games, s.TotalWin), Values(std::numeric_limits<int32_t>::max() - 5, 2, 200));
  EXPECT_EQ(display.labels[Slot::Cash], (LabelValue{.kind = Cash, .credits = std::numeric_limits<int32_t>::max() - 5}));
  EXPECT_EQ(display.messages.back(), "Cash cannot take this game's win of 200 less its stake of 20: it would pass "
                                     "2 147 483 647 and stays at 2 147 483 642.");
}

TEST_F(Play, StepSettlesTheTriggeringGameOnceItsSeriesHasEnded) {
  s.Cash = 1000, s.Games = 199;
  s.PayTable[5][4] = 1;
  ScriptedRng::Game(kTrigger);  // three scatters: 40, and a series
  game.StepClick();
  EXPECT_EQ(display.labels[Slot::GameWin], (LabelValue{.kind = GameWin, .win = 40}));
  const std::vector<uint32_t> mixed{kFives, kFives, kFives, kFives, 3};  // 14 lines of five, 6 of four: 584
  for (int spin = 1; spin <= 15; ++spin) {
    ScriptedRng::Game(spin == 3 ? mixed : std::vector(5, kLose));
    EXPECT_EQ(display.labels[Slot::Games], (LabelValue{.kind = FreeGamesLeft, .games = 16 - spin}));
    EXPECT_EQ(Values(s.TotalWin, s.FreeWin, s.LineWins[kScatterSlot][kScatter][5], s.Cash, s.EmptyRuns[0]),
              Values(40, 0, 0, 1000, 0)) << "the series is booked only at its end";
    game.StepClick();
  }
  EXPECT_EQ(Values(s.FreeWin, s.TotalWin, s.LineWins[kScatterSlot][kScatter][5], s.Cash, s.EmptyRuns[0]),
            Values(584, 624, 584, 1000 - 20 + 624, 1));
  EXPECT_EQ(Values(s.Games, s.TotalBet, s.FreeSpinsPlayed, s.SeriesWin, s.Retriggered), Values(200, 20, 15, 0, 0));
  EXPECT_EQ(s.SeriesWinX, 29.2f);
  EXPECT_EQ(display.Labels({Slot::Games, Slot::GameWin, Slot::Cash}),
            (Labels{{.kind = GamesCount, .games = 200}, {.kind = GameWin, .win = 624}, {.kind = Cash, .credits = 1604}}));
  EXPECT_EQ(Values(display.Count("DrawPercent"), display.Count("ShowHits")), Values(16, 16));  // game 200, every step
  EXPECT_EQ(ReadFile("FreeSpins.txt"), "") << "logged only after the next base game";
  game.StepClick();
  EXPECT_EQ(Log("FreeSpins.txt"), "       200   15 Free_Spins_Won =    29.200\r\n");
}

TEST_F(Play, StepClearsAStaleSeriesWinOnlyAtTheFirstSpinOfAFreshSeries) {
  s.FreeSpinsActive = true, s.SeriesWin = 999;
  game.StepClick();
  EXPECT_EQ(s.SeriesWin, 0);
  s.FreeSpinNo = 0, s.Retriggered = 1, s.SeriesWin = 999;  // a retriggered count passing 1 again
  game.StepClick();
  EXPECT_EQ(s.SeriesWin, 999);
  EXPECT_EQ(display.labels[Slot::Games], (LabelValue{.kind = FreeGamesLeft, .games = 14}));
}

TEST_F(Play, StepAndRunFinishEachOthersSeries) {
  s.Cash = 1000, s.Games = 5, s.FreeSpinsActive = true;
  for (int spin = 1; spin <= 4; ++spin) game.StepClick();
  ScriptedRng::ranges.clear();
  display.stop = true;
  game.RunPass();
  EXPECT_EQ(Values(ScriptedRng::ranges.size(), s.FreeSpinsPlayed, s.QuietMode), Values(11 * 5, 15, 1));
  display.stop = false, display.autoStop = true;
  ScriptedRng::Game(kTrigger);
  game.RunClick();  // stops at the trigger with the series pending
  EXPECT_EQ(Values(s.FreeSpinsActive, s.Cash), Values(1, 1000));
  for (int spin = 0; spin < 15; ++spin) game.StepClick();
  EXPECT_EQ(s.Cash, 1000 - 20 + 40);
}

// A full disk: the pass in which a log write failed is the run's last; one
// message names the log and the game from which it misses lines; the
// counters stay; a later Run works and its lines reach the disk at its stop.
TEST_F(Play, ALogThatCannotBeWrittenEndsTheRunAfterItsPassAndALaterRunWorks) {
  display.onProcessEvents = [&] { display.stop = s.Games < 200; };
  {
    const FileSizeLimit full(100);
    for (int g = 0; g < 30; ++g) ScriptedRng::Game(kWilds);  // 20 jackpot lines of 19 or 20 bytes a game
    game.RunClick();
  }
  // The buffer fills in game 21; five whole lines fit in 100 bytes.
  EXPECT_EQ(Values(s.Games, s.TotalWin, s.QuietMode, display.stop, display.addEnabled), Values(21, 420000, 0, 0, 1));
  EXPECT_EQ(display.messages,
            (Strings{"Cannot write \"Jackpot.txt\": File too large. The file holds 5 lines of game 1 and none "
                     "after it."}));
  std::string kept;
  for (int line = 1; line <= 5; ++line) kept += "       1       " + std::to_string(line) + " \r\n";
  EXPECT_EQ(ReadFile("Jackpot.txt"), kept);

  ScriptedRng::stops.clear();
  ScriptedRng::Game(kTrigger);  // game 22, logged after game 23
  game.RunClick();              // the disk has room again
  EXPECT_EQ(Values(s.Games, display.messages.size(), logs.Failures()), Values(200, 1, 1));
  EXPECT_EQ(ReadFile("FreeSpins.txt"), "        22   15 Free_Spins_Won =     0.000\r\n");
  EXPECT_EQ(ReadFile("Jackpot.txt"), kept);
}

// A Step whose log write fails says so once, after the Step; later Steps play on.
TEST_F(Play, AStepWhoseLogCannotBeWrittenSaysSoOnce) {
  const FileSizeLimit full(10);
  for (int series = 0; series < 2; ++series) {
    ScriptedRng::Game(kTrigger);
    for (int step = 0; step < 17; ++step) game.StepClick(), game.FlushLogs();  // as the window does
  }
  EXPECT_EQ(s.Games, 4);
  EXPECT_EQ(display.messages,
            (Strings{"Cannot write \"FreeSpins.txt\": File too large. The file holds no line from game 1 on."}));
  EXPECT_EQ(ReadFile("FreeSpins.txt"), "");
}

}  // namespace tamberlo::testing
