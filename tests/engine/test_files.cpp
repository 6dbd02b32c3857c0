// The number texts and labels, and the files the program writes byte for byte:
// the report, the run logs, the totals and empty.txt; failures name the file,
// cut no line in two and leave a failed Save's files as they were; a file
// written whole is replaced in full or not at all.
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "failing_calls.h"
#include "file_failure.h"
#include "file_size_limit.h"
#include "helpers.h"
#include "labels.h"
#include "report.h"
#include "save_files.h"
#include "text_format.h"
#include "whole_file.h"

namespace tamberlo::testing {

// Writes the report dated 03.01.2025 09:05:07 and returns its lines.
std::vector<std::string> Report(GameState& s) {
  std::tm now{};
  now.tm_mday = 3, now.tm_year = 125, now.tm_hour = 9, now.tm_min = 5, now.tm_sec = 7;
  WriteGameDescription(s, now);
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
  SetWinLines(s);
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
  const char* const names[] = {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"};
  for (const char* name : names) std::ofstream(name) << "old";
  RunLogs logs;
  logs.Open();
  logs.Close();
  for (const char* name : names) EXPECT_EQ(ReadFile(name), "") << name;
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
  s.ReportFileName = "Temp1.txt";
  std::ofstream("Temp1.txt", std::ios::binary) << "description\r\n";
  std::ofstream("empty.txt", std::ios::binary) << std::string(1300, 'x');
  SaveResults(s, "HITS\r\n");  // empty.txt in place: an older tail stays
  EXPECT_EQ(ReadFile("Temp1.txt"), "description\r\n" + TotalsBlock(s) + "HITS\r\n");
  EXPECT_EQ(ReadFile("empty.txt"), records + std::string(50, 'x'));
  std::filesystem::remove("empty.txt");
  std::filesystem::remove("Temp1.txt");
  SaveResults(s, "HITS\r\n");
  EXPECT_EQ(ReadFile("Temp1.txt"), TotalsBlock(s) + "HITS\r\n");
  EXPECT_EQ(ReadFile("empty.txt"), records);
}

// The message of a Save made under a file size limit; only a FileError counts.
std::string SaveFailure(const GameState& s, std::string_view hits, rlim_t limit) {
  const FileSizeLimit full(limit);
  try {
    SaveResults(s, hits);
  } catch (const FileError& error) {
    return error.what();
  }
  return "no FileError";
}

// A Save that cannot complete takes back what it wrote: both files stay byte
// for byte as they were, or absent, and the message names the file and why.
TEST(SaveFiles, AFailedSaveLeavesBothFilesAsTheyWere) {
  const std::string big = "HIT DESCRIPTION\r\n" + std::string(2000, 'h') + "\r\n";
  const std::string small = "HITS\r\n";
  const std::string tooLarge = "File too large.";
  const struct {
    const char* name;
    const char* report;     // nullptr: no report yet
    std::string emptyRuns;  // "": none yet, "/": a folder
    const std::string& hits;
    rlim_t limit;           // the report fits in 600 bytes with the small hits, empty.txt does not
    std::string error;
  } cases[] = {
      {"the report is cut short", "description\r\n", "older table", big, 1000, "\"Temp1.txt\": " + tooLarge},
      {"a new empty.txt is cut short", "d\r\n", "", small, 600, "\"empty.txt\": " + tooLarge},
      {"empty.txt is cut short over an older one", "d\r\n", std::string(1400, 'o'), small, 600,
       "\"empty.txt\": " + tooLarge},
      {"empty.txt is a folder", "description\r\n", "/", big, RLIM_INFINITY, "\"empty.txt\": Is a directory."},
      {"no report yet, empty.txt a folder", nullptr, "/", big, RLIM_INFINITY, "\"empty.txt\": Is a directory."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    GameState s;
    s.ReportFileName = "Temp1.txt", s.Games = 3, s.EmptyRuns[0] = 3;
    if (c.report) std::ofstream("Temp1.txt", std::ios::binary) << c.report;
    if (c.emptyRuns == "/")
      std::filesystem::create_directory("empty.txt");
    else if (!c.emptyRuns.empty())
      std::ofstream("empty.txt", std::ios::binary) << c.emptyRuns;
    EXPECT_EQ(SaveFailure(s, c.hits, c.limit),
              "Cannot write " + c.error + " Nothing was saved: Temp1.txt and empty.txt are as they were.");
    EXPECT_EQ(std::filesystem::exists("Temp1.txt"), c.report != nullptr);
    if (c.report) {
      EXPECT_EQ(ReadFile("Temp1.txt"), c.report);
    }
    if (c.emptyRuns.empty()) {
      EXPECT_FALSE(std::filesystem::exists("empty.txt"));
    } else if (c.emptyRuns != "/") {
      EXPECT_EQ(ReadFile("empty.txt"), c.emptyRuns);
    }
  }
}

// When the repair after a failed Save fails too, the message says which file
// is not as it was and what it may hold, and the file does hold it.
TEST(SaveFiles, ARepairThatFailsTooIsToldAsItIs) {
  const std::string big = "HIT DESCRIPTION\r\n" + std::string(2000, 'h') + "\r\n";
  const std::string small = "HITS\r\n";
  const std::string reportFailed = "Cannot write \"Temp1.txt\": File too large. The Save is incomplete: ";
  const std::string tableFailed = "Cannot write \"empty.txt\": File too large. The Save is incomplete: "
                                  "Temp1.txt is as it was; ";
  const struct {
    const char* name;
    std::string emptyRuns;  // "": none yet
    const std::string& hits;
    rlim_t limit;
    int* failing;  // the call that fails
    int at;        // at its n-th use
    std::string error;
    size_t reportSize, emptyRunsSize;
  } cases[] = {
      {"the report cannot be cut back", "older", big, 1000, &failing_calls::ftruncateAt, 1,
       reportFailed + "Temp1.txt could not be cut back to its former length (Input/output error) and may end in a "
                      "partial block of this Save; empty.txt is as it was.",
       1000, 5},
      {"a new empty.txt cannot be removed", "", small, 600, &failing_calls::unlinkAt, 1,
       tableFailed + "empty.txt could not be removed (Input/output error) and may hold part of this Save's table.",
       3, 600},
      {"empty.txt cannot be cut back", std::string(400, 'o'), small, 600, &failing_calls::ftruncateAt, 2,
       tableFailed + "empty.txt could not be cut back to its former length (Input/output error) and may hold part "
                     "of this Save's table.",
       3, 600},
      // pwrite: the report's block, empty.txt up to the limit, its refusal, then the restore
      {"empty.txt cannot get its former bytes back", std::string(400, 'o'), small, 600, &failing_calls::pwriteAt, 4,
       tableFailed + "empty.txt could not be given its former bytes back (Input/output error) and may hold part of "
                     "this Save's table.",
       3, 600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    GameState s;
    s.ReportFileName = "Temp1.txt", s.Games = 3, s.EmptyRuns[0] = 3;
    std::ofstream("Temp1.txt", std::ios::binary) << "d\r\n";
    if (!c.emptyRuns.empty()) std::ofstream("empty.txt", std::ios::binary) << c.emptyRuns;
    *c.failing = c.at;
    EXPECT_EQ(SaveFailure(s, c.hits, c.limit), c.error);
    *c.failing = 0;
    EXPECT_EQ(std::filesystem::file_size("Temp1.txt"), c.reportSize);
    EXPECT_EQ(std::filesystem::file_size("empty.txt"), c.emptyRunsSize);
  }
}

// The folder's entries, to see that nothing was left beside the file.
std::vector<std::string> Entries() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(".")) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const char* path) {
  struct stat status {};
  EXPECT_EQ(::stat(path, &status), 0) << path;
  return status.st_mode & 07777;
}

// Root writes any file; while this lives, it meets a file's permissions as
// its owner would. CAP_DAC_OVERRIDE stays permitted, to be taken up again.
struct PermissionsApply {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3> held{};
  PermissionsApply() {
    EXPECT_EQ(::syscall(SYS_capget, &header, held.data()), 0);
    auto without = held;
    without[CAP_TO_INDEX(CAP_DAC_OVERRIDE)].effective &= ~CAP_TO_MASK(CAP_DAC_OVERRIDE);
    EXPECT_EQ(::syscall(SYS_capset, &header, without.data()), 0);
  }
  ~PermissionsApply() { ::syscall(SYS_capset, &header, held.data()); }
  PermissionsApply(const PermissionsApply&) = delete;
  PermissionsApply& operator=(const PermissionsApply&) = delete;
};

// A failure leaves the file byte for byte and mode as it was, or absent, and
// nothing else in the folder; a success replaces all of it and keeps its mode.
// Where a copy cannot take the file's place, it is written in place.
TEST(WholeFile, WrittenInFullOrNotAtAll) {
  const std::string picture(2000, 'p');
  const struct {
    const char* name;
    std::string former;  // "": no file yet, "/": a folder
    mode_t mode;
    rlim_t limit;
    const char* error;
  } failures[] = {
      {"a new file on a full disk", "", 0, 1000, "File too large."},
      {"an older file on a full disk", "older picture", 0640, 1000, "File too large."},
      {"a folder in the file's place", "/", 0, RLIM_INFINITY, "Is a directory."},
      {"a read-only file", "older picture", 0440, RLIM_INFINITY, "Permission denied."},
  };
  for (const auto& c : failures) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    if (c.former == "/") {
      std::filesystem::create_directory("Test 49900.bmp");
    } else if (!c.former.empty()) {
      std::ofstream("Test 49900.bmp", std::ios::binary) << c.former;
      ASSERT_EQ(::chmod("Test 49900.bmp", c.mode), 0);
    }
    const std::vector<std::string> before = Entries();
    std::string error;
    {
      const PermissionsApply evenForRoot;
      const FileSizeLimit full(c.limit);
      error = ErrorOf([&] { WriteWholeFile("Test 49900.bmp", picture); });
    }
    EXPECT_EQ(error, std::string("Cannot write \"Test 49900.bmp\": ") + c.error);
    EXPECT_EQ(Entries(), before);
    if (!c.former.empty() && c.former != "/") {
      EXPECT_EQ(ReadFile("Test 49900.bmp"), c.former);
      EXPECT_EQ(ModeOf("Test 49900.bmp"), c.mode);
    }
  }

  {  // an unfinished copy that cannot be removed is named
    TempFolder folder;
    std::string error;
    {
      const FileSizeLimit full(1000);
      failing_calls::unlinkAt = 1;
      error = ErrorOf([&] { WriteWholeFile("TestTemp.bmp", picture); });
      failing_calls::unlinkAt = 0;
    }
    const std::vector<std::string> left = Entries();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(error, "Cannot write \"TestTemp.bmp\": File too large. Its unfinished copy \"" + left[0] +
                         "\" could not be removed (Input/output error).");
  }

  TempFolder folder;
  const mode_t previousMask = ::umask(027);
  WriteWholeFile("TestTemp.bmp", "new");
  ::umask(previousMask);
  EXPECT_EQ(ModeOf("TestTemp.bmp"), 0640u);  // 0666 less the umask
  ASSERT_EQ(::chmod("TestTemp.bmp", 0604), 0);
  WriteWholeFile("TestTemp.bmp", picture);
  EXPECT_EQ(ReadFile("TestTemp.bmp"), picture);
  WriteWholeFile("TestTemp.bmp", "short");  // no tail of the longer picture stays
  EXPECT_EQ(ReadFile("TestTemp.bmp"), "short");
  // a folder that takes no copy, or no rename, gets the file written in place
  for (const auto& [refused, error] :
       {std::pair{&failing_calls::mkostempAt, EACCES}, std::pair{&failing_calls::renameAt, EPERM}}) {
    failing_calls::error = error, *refused = 1;
    const std::string message = ErrorOf([&] { WriteWholeFile("TestTemp.bmp", std::strerror(error)); });
    failing_calls::error = EIO, *refused = 0;
    EXPECT_EQ(message, "no error");
    EXPECT_EQ(ReadFile("TestTemp.bmp"), std::strerror(error));
  }
  EXPECT_EQ(ModeOf("TestTemp.bmp"), 0604u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"TestTemp.bmp"});
  std::filesystem::rename("TestTemp.bmp", "kept.bmp");  // a link keeps leading to the file it named
  std::filesystem::create_symlink("kept.bmp", "TestTemp.bmp");
  WriteWholeFile("TestTemp.bmp", picture);
  EXPECT_TRUE(std::filesystem::is_symlink("TestTemp.bmp"));
  EXPECT_EQ(ReadFile("kept.bmp"), picture);
  std::filesystem::create_directory("pictures");  // a link to a file not made yet makes it
  std::filesystem::create_symlink("new.bmp", "pictures/link.bmp");  // from the link's own folder
  std::filesystem::create_symlink("pictures/link.bmp", "Test 49900.bmp");
  WriteWholeFile("Test 49900.bmp", "new");
  EXPECT_TRUE(std::filesystem::is_symlink("Test 49900.bmp") && std::filesystem::is_symlink("pictures/link.bmp"));
  EXPECT_EQ(ReadFile("pictures/new.bmp"), "new");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Test 49900.bmp", "TestTemp.bmp", "kept.bmp", "pictures"}));

  std::filesystem::create_hard_link("kept.bmp", "second.bmp");  // a second name shows the new bytes too
  WriteWholeFile("TestTemp.bmp", "both");
  EXPECT_EQ(ReadFile("second.bmp"), "both");
  std::string error;
  {  // written in place, a picture cut short says so
    const FileSizeLimit full(1000);
    error = ErrorOf([&] { WriteWholeFile("TestTemp.bmp", picture); });
  }
  EXPECT_EQ(error, "Cannot write \"TestTemp.bmp\": File too large. The picture may be incomplete.");
  EXPECT_EQ(ReadFile("second.bmp"), picture.substr(0, 1000));
  if (::geteuid() == 0) {  // a picture of another owner keeps its owner
    std::filesystem::remove("second.bmp");
    ASSERT_EQ(::chown("kept.bmp", 1, 1), 0);
    WriteWholeFile("TestTemp.bmp", "owned");
    struct stat status {};
    EXPECT_EQ(::stat("kept.bmp", &status), 0);
    EXPECT_EQ(Values(status.st_uid, status.st_gid), Values(1, 1));
    EXPECT_EQ(ReadFile("kept.bmp"), "owned");
  }
}

TEST(Files, AFileThatCannotBeWrittenIsNamed) {
  TempFolder folder;
  std::filesystem::create_directory("Temp1.txt");
  GameState s;
  EXPECT_EQ(ErrorOf([&] { Report(s); }), "Cannot write \"Temp1.txt\": Is a directory.");
  std::filesystem::create_directory("Jackpot.txt");
  EXPECT_EQ(ErrorOf([] { RunLogs().Open(); }), "Cannot write \"Jackpot.txt\": Is a directory.");
}

// A log that cannot take its lines keeps its whole lines, loses the torn one
// and every later one, and says from which game on; the others go on.
TEST(RunLogs, AFullDiskCutsALogBackToItsLastWholeLineAndNamesTheGame) {
  TempFolder folder;
  std::filesystem::create_symlink("/dev/full", "Percent_10000.txt");
  RunLogs logs;
  logs.Open();
  const std::string line = "         1   15 Free_Spins_Won =     1.000\r\n";  // 44 bytes
  {
    const FileSizeLimit full(100);
    for (int game = 1; game <= 5; ++game) logs.WriteFreeSpins(game, 15, 1.0f);
    logs.WritePercent(95.0, 100);
    EXPECT_EQ(logs.Failures(), 0);  // nothing has gone to the disk yet
    logs.Flush();
    logs.WriteFreeSpins(6, 15, 1.0f);  // after the failure: lost, and known lost
    logs.WriteJackpot(7, 1, false);
    logs.Flush();
  }
  EXPECT_EQ(logs.Failures(), 2);
  EXPECT_EQ(ReadFile("FreeSpins.txt"), line + std::string(line).replace(9, 1, "2"));
  EXPECT_EQ(ReadFile("Jackpot.txt"), "       7       1 \r\n");
  EXPECT_EQ(logs.IncompleteReport(),
            "Cannot write \"FreeSpins.txt\": File too large. The file holds no line from game 3 on.\r\n"
            "Cannot write \"Percent_10000.txt\": No space left on device. The file holds no line from game 100 on.");

  // A full buffer goes to the disk by itself.
  for (int game = 0; game < 1000; ++game) logs.WriteJackpot(game, 1, false);
  const size_t onDisk = ReadFile("Jackpot.txt").size();
  EXPECT_TRUE(onDisk > 19 && onDisk % 19 == 0) << onDisk;
  logs.Close();
  EXPECT_EQ(ReadFile("Jackpot.txt").size(), 1001u * 19);
  RunLogs never;  // a line for a log that is not open is known lost
  never.WriteJackpot(12, 1, false);
  EXPECT_EQ(never.IncompleteReport(),
            "Cannot write \"Jackpot.txt\": Bad file descriptor. The file holds no line from game 12 on.");
}

// A write that stops on a later flush keeps the whole lines of every flush,
// and the message counts those of the game it stops in; one that stops
// inside a line whose cut then fails says that the file may end in it.
TEST(RunLogs, AWriteStoppedAtALineEndKeepsThatLineATornLineLeftIsTold) {
  const std::string lines = "    1037       3 \r\n    1271       1 \r\n"  // the first flush
                            "    1271       2 \r\n    1271       4 \r\n    1272       1 \r\n";
  const struct {
    rlim_t limit;
    int failingCut;
    size_t size;
    const char* report;
  } cases[] = {
      {76, 1, 76, "Cannot write \"Jackpot.txt\": File too large. The file holds no line from game 1272 on."},
      {57, 1, 57, "Cannot write \"Jackpot.txt\": File too large. The file holds 2 lines of game 1271 and none "
                  "after it."},
      {50, 0, 38, "Cannot write \"Jackpot.txt\": File too large. The file holds 1 line of game 1271 and none "
                  "after it."},
      {70, 1, 70, "Cannot write \"Jackpot.txt\": File too large. The file holds 2 lines of game 1271 and none "
                  "after it but may end in a partial line: it could not be cut back to its last whole line "
                  "(Input/output error)."}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.limit);
    TempFolder folder;
    RunLogs logs;
    logs.Open();
    logs.WriteJackpot(1037, 3, false);
    logs.WriteJackpot(1271, 1, false);
    logs.Flush();
    logs.WriteJackpot(1271, 2, false);
    logs.WriteJackpot(1271, 4, false);
    logs.WriteJackpot(1272, 1, false);
    {
      const FileSizeLimit full(c.limit);
      failing_calls::ftruncateAt = c.failingCut;  // no cut is due at a line end
      logs.Flush();
      failing_calls::ftruncateAt = 0;
    }
    EXPECT_EQ(logs.IncompleteReport(), c.report);
    EXPECT_EQ(ReadFile("Jackpot.txt"), lines.substr(0, c.size));
  }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Text, PatternsFillPlacesFromTheRightAndRoundHalfAwayOnFifteenDigits) {
  const struct { int64_t value; const char* pattern; const char* text; } whole[] = {
      {19000, "### ### ###", " 19 000"}, {0, "### ### ###", "  "}, {0, "# ### ### ##0", "   0"},
      {2147483647, "# ### ### ##0", "2 147 483 647"}, {20, "# ### ### $", "  20 $"},
      {2085490971, "### ### ###", "2085 490 971"},  // extra digits go to the leftmost place
      {-19000, "### ### ###", " -19 000"}, {std::numeric_limits<int64_t>::min(), "### ###", "-9223372036854775 808"},
      {3, "0.00%", "300.00%"}, {42, "###0.000", "42.000"}, {0, "0.000%", "0.000%"}};
  for (const auto& c : whole) EXPECT_EQ(FormatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
  const struct { double value; const char* pattern; const char* text; } decimal[] = {
      {0.3343985, "0.0000%", "33.4399%"}, {6.578125, "0.000%", "657.813%"}, {0.0625, "###0.000", "0.063"},
      {0.95432, "### ##0.000%", " 95.432%"}, {7.5, "00.000000", "07.500000"}, {101.25, "00.000000", "101.250000"},
      {0.9999995, "0.0000%", "100.0000%"}, {9.9995, "###0.000", "10.000"}, {0.5, "### ### ##0.000", "  0.500"},
      {1234567.8915, "### ### ##0.000", "1 234 567.892"}, {1e-20, "0.00%", "0.00%"}, {-1.5, "###0.000", "-1.500"},
      {-0.0004, "0.00%", "-0.04%"}, {-0.00004, "0.00%", "0.00%"},  // no sign on a rounded zero
      {3e20, "### ###", "300000000000000000 000"}, {kInf, "0.000%", "Inf"}, {std::nan(""), "0.000%", "NaN"}};
  for (const auto& c : decimal) EXPECT_EQ(FormatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(Text, PlainBlankLedAlignedAndTrimmed) {
  const std::pair<float, const char*> floats[] = {
      {61.7f, "61.7"}, {95.67f * 100.0f, "9567"}, {10000.0f, "10000"}, {1.0f / 3.0f, "0.3333333"},
      {1234567.0f, "1234567"}, {12345678.0f, "1.234568E+07"}, {0.0000125f, "1.25E-05"}, {0.0001f, "0.0001"},
      {-2.5f, "-2.5"}, {0.0f, "0"}};
  for (const auto& [value, text] : floats) EXPECT_EQ(PlainText(value), text);
  EXPECT_EQ(BlankLed(int64_t{12}) + BlankLed(int64_t{0}) + BlankLed(int64_t{-3}), " 12 0-3");
  EXPECT_EQ(BlankLed(2.5f) + BlankLed(-2.5f), " 2.5-2.5");
  EXPECT_EQ(RightAlign("40", 5) + "|" + RightAlign("123456", 5), "   40|123456");
  EXPECT_EQ(Trim("  a b  ") + "|" + Trim("   ") + "|" + Trim("\tx "), "a b||\tx");
}

TEST(Text, LenientReadingAndHalfToEvenRounding) {
  const std::pair<const char*, double> texts[] = {
      {" 1 000 ,", 1000}, {"-7abc", -7}, {"- 7", -7}, {"+3", 3}, {".5", 0.5}, {"2E-1x", 0.2}, {"12e+", 12},
      {"95,67", 95}, {"", 0}, {"word", 0}, {"-", 0}, {".", 0}, {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL},
      {"1e-999", 0}};
  for (const auto& [text, value] : texts) EXPECT_EQ(ReadLenient(text), value) << text;
  const std::pair<double, double> halves[] = {{12.5, 12}, {13.5, 14}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {-0.6, -1}};
  for (const auto& [value, rounded] : halves) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(Text, LabelsSayNoGamesYetBeforeTheFirstGame) {
  const std::pair<LabelValue, const char*> labels[] = {
      {{.kind = LabelKind::RtpLine, .win = 19000, .bet = 20000}, " Win 19 000 / 20 000 = 95.000%"},
      {{.kind = LabelKind::RtpLine, .win = 0, .bet = 0}, " Win  /  = no games yet"},
      {{.kind = LabelKind::GamesCount, .games = 100}, " Games =  100"},
      {{.kind = LabelKind::FreeGamesLeft, .games = 20}, " FreeGames =  20"},
      {{.kind = LabelKind::GameWin, .win = -20}, " GameWin = -20"},
      {{.kind = LabelKind::FreeGamesBase, .games = 1234, .win = 567890, .bet = 2000000},
       " Free 1 234;  Win 567 890;  28.395%"},
      {{.kind = LabelKind::FreeGamesRun, .games = 1234, .win = 567890, .bet = 2000000},
       " Free 1 234,  Win 567 890,  28.39%"},
      {{.kind = LabelKind::FreeGamesRun, .games = 0, .win = 0, .bet = 0}, " Free ,  Win ,  no games yet"},
      {{.kind = LabelKind::HitRate, .games = 1000, .winCount = 3}, " 6 666.667"},
      {{.kind = LabelKind::HitRate, .games = 5, .winCount = 0}, "no wins yet"},
      {{.kind = LabelKind::Cash, .credits = 1000000}, " Cash = 1 000 000 $"},
      {{.kind = LabelKind::CashTotal, .credits = 20}, " Total =   20 $"},
      {{}, ""}};
  for (const auto& [value, text] : labels) EXPECT_EQ(LabelText(value), text);
}

}  // namespace tamberlo::testing
