// The files the program writes, byte for byte: the report Temp1.txt, the run
// logs, Save's totals block and empty.txt; and failures that name the file.
#include <cstring>

#include "helpers.h"
#include "report.h"
#include "save_files.h"

namespace tamberlo::testing {
namespace {

// Writes the report dated 03.01.2025 09:05:07 and returns its lines.
std::vector<std::string> Report(GameState& s) {
  std::tm now{};
  now.tm_mday = 3, now.tm_year = 125, now.tm_hour = 9, now.tm_min = 5, now.tm_sec = 7;
  std::fclose(WriteGameDescription(s, now));
  const std::string all = ReadFile(kReportFileName);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = all.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(all.substr(start, end - start));
  EXPECT_EQ(start, all.size()) << "every line ends CR LF";
  return lines;
}

TEST(Report, LayoutByteForByte) {
  TempFolder folder;
  GameState s;
  s.GameVersion = "1.2";
  s.Game_RTP = 95.5f;
  s.RngSeed = 65535;
  s.ReelStripLast = 1;
  const char* names[kFigures] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "ElevenChars", "Wild", "Scatter"};
  std::copy(std::begin(names), std::end(names), s.FigureName);
  s.ReelStrip[0][0] = 10;
  s.ReelStrip[1][4] = kGap;
  const int16_t pays[] = {99, 5, 100, -32768, 32767};  // column 0 is not written
  std::copy(std::begin(pays), std::end(pays), s.PayTable[0]);
  const std::vector<std::string> lines = Report(s);
  ASSERT_EQ(lines.size(), 52u);
  const std::vector<std::string> head = {
      "  Company: www.oskarth.example", "Game Name: Tamberlo", "  Version: 1.2", " Game RTP: 95,50 %",
      "     Date: 03.01.2025  09:05:07", std::string(39, '='), "   Design: Oskarth Ltd.",
      "    Email: maths@oskarth.example", "      Web: www.oskarth.example", std::string(39, '='), "RNG DESCRIPTION",
      "SEED = 65535", "REEL STRIP", "ElevenCharsA,         A,         A,         A,          _",
      "A,         A,         A,         A,         GAP,        _", "FREE SPINS REEL STRIP",
      "A,         A,         A,         A,         A,          _", "WIN LINE DESCRIPTION",
      " 1,  1,  1,  1,  1,  _ Line 1"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 19), head);
  EXPECT_EQ(lines[21], " 0,  1,  2,  1,  0,  _ Line 4");
  EXPECT_EQ(lines[37], " 0,  2,  2,  2,  0,  _ Line 20");
  EXPECT_EQ(lines[38], "PAYTABLE DESCRIPTION");
  EXPECT_EQ(lines[39], "A,           5,     100,  -32768, 32767, 0,     _");
  EXPECT_EQ(lines[49], "ElevenChars  0,     0,     0,     0,     0,     _");
  EXPECT_EQ(Values(s.WinLineRow[3][2], s.WinLineShape[13][0]), Values(2, 113));  // filled on the way

  const std::pair<float, const char*> rtps[] = {{96.13f, " Game RTP: 96,13 %"}, {100.0f, " Game RTP: 100,00 %"},
                                                {0.5f, " Game RTP: ,50 %"}, {0.05f, " Game RTP: 0,05 %"},
                                                {0.0f, " Game RTP: 0,00 %"}};
  for (const auto& [rtp, text] : rtps) {
    s.Game_RTP = rtp;
    EXPECT_EQ(Report(s)[3], text);
  }
}

TEST(Report, ReadsBackAsTheSameGameReplacingAnOldOne) {
  TempFolder folder;
  std::ofstream(kReportFileName) << std::string(100000, 'x');  // a tail left would not end CR LF
  GameState s = LoadGame(DefaultGamePath());
  const std::vector<std::string> report = Report(s);
  EXPECT_EQ(s.ReportFileName, "Temp1.txt");
  GameState back = LoadGame(kReportFileName);
  EXPECT_EQ(Report(back), report);  // everything the report holds was read back
  EXPECT_EQ(0, std::memcmp(back.ReelLast, s.ReelLast, sizeof s.ReelLast));
}

TEST(RunLogs, LinesInPrintZonesWithFieldsThatGrowAndRoundingHalfAway) {
  TempFolder folder;
  for (const char* name : {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"}) std::ofstream(name) << "old";
  RunLogs logs;
  logs.Open();
  logs.Close();
  for (const char* name : {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"}) EXPECT_EQ(ReadFile(name), "") << name;
  logs.Open();
  logs.WriteJackpot(1234, 5, false);
  logs.WriteJackpot(77, 20, true);          // the third item from column 29
  logs.WriteJackpot(123456789, 1, false);   // nine digits: the field grows
  logs.WriteFreeSpins(1234, 15, 2500 / 20.0f);
  logs.WriteFreeSpins(7, 30, 1234 / 20.0f);
  logs.WriteFreeSpins(12345678901, 45, 2000000 / 20.0f);  // wider than the fields: they grow
  logs.WriteFreeSpins(1, 15, 0.0625f);                    // a tie rounds away from zero
  for (double percent : {7.5, 101.25, 95.4321234567, 0.0}) logs.WritePercent(percent, 10000);
  logs.Close();
  EXPECT_EQ(ReadFile("Jackpot.txt"),
            "    1234       5 \r\n      77       20             Free Spin\r\n123456789      1 \r\n");
  EXPECT_EQ(ReadFile("FreeSpins.txt"),
            "      1234   15 Free_Spins_Won =   125.000\r\n         7   30 Free_Spins_Won =    61.700\r\n"
            "12345678901   45 Free_Spins_Won = 100000.000\r\n         1   15 Free_Spins_Won =     0.063\r\n");
  EXPECT_EQ(ReadFile("Percent_10000.txt"), "07.500000      10000 \r\n101.250000     10000 \r\n"
                                           "95.432123      10000 \r\n00.000000      10000 \r\n");
}

TEST(SaveFiles, TotalsAndEmptyRunsWithNoGamesYetBeforeTheFirstGame) {
  GameState s;
  const std::string rule = "\r\n" + std::string(60, '-') + "\r\n";
  EXPECT_EQ(TotalsBlock(s), rule + "Games     =    0\r\nTotal Win =    0\r\nTotal Bet =    0\r\n"
                                   "Total %   =  no games yet\r\n\r\n");
  EXPECT_EQ(EmptyRunsRecords(s).substr(0, 50), "   0         0 no games\r\n   1         0 no games\r\n");
  s.Games = 1234567, s.TotalWin = 23561208, s.TotalBet = 24691340;
  EXPECT_EQ(TotalsBlock(s), rule + "Games     =  1 234 567\r\nTotal Win =  23 561 208\r\n"
                                   "Total Bet =  24 691 340\r\nTotal %   =  95.423%\r\n\r\n");
  s.Games = 40, s.EmptyRuns[0] = 40, s.EmptyRuns[1] = 2, s.EmptyRuns[49] = 1234567890;
  const std::string records = EmptyRunsRecords(s);  // 50 records of 25 bytes
  ASSERT_EQ(records.size(), 1250u);
  EXPECT_EQ(records.substr(0, 75), "   0        40100.0000%\r\n   1         2  5.0000%\r\n   2         0  0.0000%\r\n");
  EXPECT_EQ(records.substr(49 * 25), "  491234567890725.0000%\r\n");  // a field keeps its last characters

  TempFolder folder;
  std::ofstream("empty.txt", std::ios::binary) << std::string(1300, 'x');
  WriteEmptyRuns("empty.txt", s);  // in place: an older tail stays
  EXPECT_EQ(ReadFile("empty.txt"), records + std::string(50, 'x'));
  std::filesystem::remove("empty.txt");
  WriteEmptyRuns("empty.txt", s);
  EXPECT_EQ(ReadFile("empty.txt"), records);
}

TEST(Files, AFileThatCannotBeWrittenIsNamed) {
  TempFolder folder;
  for (const char* name : {"Temp1.txt", "empty.txt"}) std::filesystem::create_directory(name);
  std::filesystem::create_symlink("/dev/full", "FreeSpins.txt");
  GameState s;
  EXPECT_EQ(ErrorOf([&] { Report(s); }).find("Temp1.txt: cannot create the report ("), 0u);
  EXPECT_EQ(ErrorOf([&] { WriteEmptyRuns("empty.txt", s); }).find("Cannot write empty.txt: "), 0u);
  EXPECT_EQ(ErrorOf([] { RunLogs().WriteJackpot(1, 1, false); }), "Cannot write Jackpot.txt: the file is not open");
  RunLogs logs;
  logs.Open();
  EXPECT_EQ(ErrorOf([&] {
              for (int i = 0; i < 100000; ++i) logs.WriteFreeSpins(i, 15, 1.0f);
              logs.Close();
            }).find("Cannot write FreeSpins.txt: No space left"),
            0u);
}

}  // namespace
}  // namespace tamberlo::testing
