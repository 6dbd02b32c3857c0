// The base game: stops, window, lines, scatter, trigger, jackpot, labels.
#include "recording_display.h"

namespace tamberlo::testing {
namespace {

using BaseGame = GameFixture;

TEST_F(BaseGame, DrawsFiveStopsReelZeroFirstOverEachReelLength) {
  s.Games = 1;
  game.PlayBaseGame();
  EXPECT_EQ(ScriptedRng::ranges, (std::vector<uint32_t>{15, 16, 17, 18, 19}));

  ScriptedRng::ranges.clear();
  s.FreeReelLast[2] = 5;
  game.PlayFreeSpin();
  EXPECT_EQ(ScriptedRng::ranges, (std::vector<uint32_t>{15, 16, 6, 18, 19}));
}

TEST_F(BaseGame, FillsTheWindowFromTheRing) {
  for (int p = 0; p < kStripPositions; ++p)
    for (int r = 0; r < kReels; ++r) s.ReelStrip[p][r] = static_cast<int16_t>(p % 11);
  s.Games = 1;
  ScriptedRng::Game({0, 15, 7, 17, 1});  // 15 and 17 are the last positions of reels 1 and 3
  game.PlayBaseGame();
  const int16_t expected[kRows][kReels] = {{14 % 11, 14 % 11, 6, 16 % 11, 0},
                                           {0, 15 % 11, 7, 17 % 11, 1},
                                           {1, 0, 8, 0, 2}};
  for (int row = 0; row < kRows; ++row)
    for (int r = 0; r < kReels; ++r) EXPECT_EQ(s.Screen[row][r], expected[row][r]) << row << r;
  EXPECT_EQ(s.ReelStop[1], 15);
}

TEST_F(BaseGame, AStepShowsItsGameAndBooksEveryWinningLine) {
  s.Games = 1;
  ScriptedRng::Game(kFives);
  game.PlayBaseGame();

  EXPECT_EQ(display.calls[0], "Caption 0 4");  // QuietMode was 0 before the game
  EXPECT_EQ(display.calls[5], "DrawScreen");
  EXPECT_EQ(display.calls[6], "ClearText");
  EXPECT_EQ(display.Count("DrawWinLine 19"), 1);
  EXPECT_EQ(s.QuietMode, 0);
  EXPECT_EQ(s.TotalBet, 20);
  EXPECT_EQ(s.WinBeforeGame, 0);
  EXPECT_EQ(s.TotalWin, 20 * kFivePay);
  EXPECT_EQ(s.WinCount, 20);
  for (int line = 0; line < kLines; ++line) {
    EXPECT_EQ(s.LineHits[line][5][5], 1);
    EXPECT_EQ(s.LineWins[line][5][5], kFivePay);
  }
  EXPECT_EQ(s.LineHits[kScatterSlot][0][kScatter], 1);
  EXPECT_EQ(display.detailText.substr(0, 30), "Line :  1,  Win :   10, - 5 F5");
  EXPECT_EQ(display.detailText.size(), 20u * 32u);
  EXPECT_EQ(display.detailText.substr(19 * 32), "Line : 20,  Win :   10, - 5 F5\r\n");

  EXPECT_EQ(display.labels[0], (LabelValue{LabelKind::RtpLine, 200, 20}));
  EXPECT_EQ(display.labels[3], (LabelValue{LabelKind::FreeGamesBase, 0, 0, 20}));
  EXPECT_EQ(display.labels[4], (LabelValue{LabelKind::HitRate, 1, 20}));
}

TEST_F(BaseGame, AQuietGameShowsNothingAndWritesOnlyItsLabels) {
  display.stop = true;
  s.QuietMode = 1;
  s.Games = 3;
  ScriptedRng::Game(kLose);
  game.PlayBaseGame();
  EXPECT_TRUE(display.calls.empty());
  EXPECT_EQ(s.QuietMode, 1);
  ASSERT_EQ(display.labelWrites.size(), 1u);  // no win counted yet: no hit rate
  EXPECT_EQ(display.labelWrites[0].first, 0);

  ScriptedRng::Game(kFives);
  game.PlayBaseGame();
  EXPECT_TRUE(display.calls.empty());
  ASSERT_EQ(display.labelWrites.size(), 3u);
  EXPECT_EQ(display.labelWrites[2].first, 4);
}

TEST_F(BaseGame, JackpotWithZeroPayStillCountsLogsAndShows) {
  s.PayTable[kWild][5] = 0;
  s.Games = 1234;
  ScriptedRng::Game(kWilds);
  game.PlayBaseGame();

  EXPECT_EQ(s.WinCount, 20);
  EXPECT_EQ(s.TotalWin, 0);
  EXPECT_EQ(s.LineHits[4][5][kWild], 1);
  EXPECT_EQ(display.detailText.substr(0, 34), "Line :  1,  Win :    0, - 5 WILD\r\n");
  const std::string log = Log("Jackpot.txt");
  EXPECT_EQ(log.substr(0, 23), "    1234       1 \r\n    ");
  EXPECT_EQ(log.size(), 9u * 19u + 11u * 20u);  // lines 1..9 and 10..20
  EXPECT_NE(log.find("    1234       20 \r\n"), std::string::npos);
  EXPECT_TRUE(display.messages.empty());
}

TEST_F(BaseGame, JackpotInAQuietGameWithAutoStopShowsTheRestOfTheGame) {
  display.stop = true;
  display.autoStop = true;
  display.detailText = "earlier text";
  s.QuietMode = 1;
  s.Games = 7;
  ScriptedRng::Game(kWilds);
  game.PlayBaseGame();

  ASSERT_EQ(display.messages.size(), 20u);  // one per jackpot line
  EXPECT_EQ(display.messages[0], "JACKPOT!!!\r\nGame = 7");
  EXPECT_EQ(display.calls[0], "DrawScreen");
  EXPECT_EQ(display.calls[1], "Message");
  EXPECT_EQ(display.calls[2], "RunFlag Run");
  EXPECT_EQ(display.calls[3], "Add on");
  EXPECT_EQ(display.calls[4], "Text");
  EXPECT_EQ(display.calls[5], "DrawWinLine 0");
  EXPECT_EQ(display.detailText.substr(0, 12), "earlier text");  // not emptied
  EXPECT_EQ(s.QuietMode, 0);
  EXPECT_FALSE(display.stop);
  EXPECT_TRUE(display.labels.count(3));
  EXPECT_EQ(s.TotalWin, 20 * 1000);
}

TEST_F(BaseGame, SixScattersPayAsFiveAndTrigger) {
  s.Games = 1;
  ScriptedRng::Game({kScatters, kScatters, kLose, kLose, kLose});
  game.PlayBaseGame();

  EXPECT_EQ(s.LineHits[kScatterSlot][5][kScatter], 1);
  EXPECT_EQ(s.LineWins[kScatterSlot][kScatter][5], 50 * 20);
  EXPECT_EQ(s.TotalWin, 1000);
  EXPECT_EQ(s.WinCount, 1);
  EXPECT_TRUE(s.FreeSpinsActive);
  EXPECT_EQ(s.FreeGames, 1);
  EXPECT_EQ(display.detailText,
            "5 Scatter Win: 1 000\r\n5 SCATTERS = 15 Free Spins At x4\r\n");
  std::vector<std::string> boxes;
  for (const auto& c : display.calls)
    if (c.rfind("ScatterBox", 0) == 0) boxes.push_back(c);
  EXPECT_EQ(boxes, (std::vector<std::string>{"ScatterBox 0", "ScatterBox 1", "ScatterBox 5",
                                             "ScatterBox 6", "ScatterBox 10", "ScatterBox 11"}));
}

TEST_F(BaseGame, TwoScattersWithZeroPayCountAsAWinningEventOneScatterDoesNot) {
  s.PayTable[kScatter][2] = 0;
  s.Games = 1;
  ScriptedRng::Game({kTwoScatters, kLose, kLose, kLose, kLose});
  game.PlayBaseGame();
  EXPECT_EQ(s.WinCount, 1);
  EXPECT_EQ(s.LineHits[kScatterSlot][2][kScatter], 1);
  EXPECT_FALSE(s.FreeSpinsActive);
  EXPECT_EQ(display.detailText, "2 Scatter Win:  \r\n");

  // One scatter: only its hit count.
  s.ReelStrip[13][0] = 0;
  ScriptedRng::Game({kTwoScatters, kLose, kLose, kLose, kLose});
  game.PlayBaseGame();
  EXPECT_EQ(s.WinCount, 1);
  EXPECT_EQ(s.LineHits[kScatterSlot][1][kScatter], 1);
}

TEST_F(BaseGame, TriggerInAQuietGameWithAutoStopStopsTheRunWithoutTriggerText) {
  display.stop = true;
  display.autoStop = true;
  s.QuietMode = 1;
  s.Games = 42;
  ScriptedRng::Game({kScatters, kLose, kLose, kLose, kLose});
  game.PlayBaseGame();

  EXPECT_EQ(display.messages, (std::vector<std::string>{"Free Spins \r\nGame = 42"}));
  EXPECT_EQ(display.detailText, "");
  EXPECT_FALSE(display.stop);
  EXPECT_TRUE(display.addEnabled);
  EXPECT_EQ(display.calls.back(), "FocusStep");
  EXPECT_EQ(s.QuietMode, 0);
  EXPECT_EQ(display.labels[3], (LabelValue{LabelKind::FreeGamesBase, 1, 0, 20}));
}

}  // namespace
}  // namespace tamberlo::testing
