// Save's totals block and the runs-without-a-win table.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "recording_display.h"
#include "save_files.h"

namespace tamberlo::testing {
namespace {

TEST(TotalsBlock, WritesSevenLinesWithTheirPatterns) {
  GameState s;
  s.Games = 1234567;
  s.TotalWin = 23561208;
  s.TotalBet = 24691340;
  EXPECT_EQ(TotalsBlock(s),
            "\r\n"
            "------------------------------------------------------------\r\n"
            "Games     =  1 234 567\r\n"
            "Total Win =  23 561 208\r\n"
            "Total Bet =  24 691 340\r\n"
            "Total %   =  95.423%\r\n"
            "\r\n");
}

TEST(TotalsBlock, BeforeTheFirstGameSaysSoInsteadOfAShare) {
  GameState s;
  const std::string block = TotalsBlock(s);
  EXPECT_NE(block.find("Games     =    0\r\n"), std::string::npos) << block;
  EXPECT_NE(block.find("Total %   =  no games yet\r\n"), std::string::npos) << block;
}

TEST(EmptyRuns, RecordsAreTwentyFiveBytesWithRightAlignedFields) {
  GameState s;
  s.Games = 40;
  s.EmptyRuns[0] = 40;
  s.EmptyRuns[1] = 2;
  s.EmptyRuns[49] = 1234567890;
  const std::string records = EmptyRunsRecords(s);
  ASSERT_EQ(records.size(), 1250u);
  EXPECT_EQ(records.substr(0, 25), "   0        40100.0000%\r\n");
  EXPECT_EQ(records.substr(25, 25), "   1         2  5.0000%\r\n");
  EXPECT_EQ(records.substr(50, 25), "   2         0  0.0000%\r\n");
  EXPECT_EQ(records.substr(49 * 25, 14), "  491234567890");
}

TEST(EmptyRuns, BeforeTheFirstGameTheSharesSayNoGames) {
  GameState s;
  const std::string records = EmptyRunsRecords(s);
  ASSERT_EQ(records.size(), 1250u);
  EXPECT_EQ(records.substr(0, 25), "   0         0 no games\r\n");
}

TEST(EmptyRuns, AreWrittenInPlaceKeepingAnOlderTail) {
  TempFolder folder;
  GameState s;
  s.Games = 10;
  {
    std::ofstream old("empty.txt", std::ios::binary);
    old << std::string(1300, 'x');
  }
  WriteEmptyRuns("empty.txt", s);
  const std::string file = ReadFile("empty.txt");
  ASSERT_EQ(file.size(), 1300u);
  EXPECT_EQ(file.substr(0, 1250), EmptyRunsRecords(s));
  EXPECT_EQ(file.substr(1250), std::string(50, 'x'));

  std::filesystem::remove("empty.txt");
  WriteEmptyRuns("empty.txt", s);
  EXPECT_EQ(ReadFile("empty.txt"), EmptyRunsRecords(s));
}

TEST(EmptyRuns, AFileThatCannotBeWrittenIsNamed) {
  TempFolder folder;
  std::filesystem::create_directory("empty.txt");
  try {
    WriteEmptyRuns("empty.txt", GameState{});
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("empty.txt"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace tamberlo::testing
