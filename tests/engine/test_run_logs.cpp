// The three run logs: line layouts, fields that grow, failures that are told.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "recording_display.h"
#include "run_logs.h"

namespace tamberlo::testing {
namespace {

struct Logs : ::testing::Test {
  TempFolder folder;
  RunLogs logs;
  std::string Written(const char* name) {
    logs.Close();
    return ReadFile(folder.path() / name);
  }
};

TEST_F(Logs, OpenCreatesThreeEmptyFilesReplacingOldOnes) {
  for (const char* name : {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"}) {
    std::ofstream(name) << "old contents";
  }
  logs.Open();
  logs.Close();
  for (const char* name : {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"})
    EXPECT_EQ(ReadFile(folder.path() / name), "") << name;
}

TEST_F(Logs, JackpotLines) {
  logs.Open();
  logs.WriteJackpot(1234, 5, false);
  logs.WriteJackpot(77, 20, true);
  logs.WriteJackpot(123456789, 1, false);  // nine digits: the field grows
  EXPECT_EQ(Written("Jackpot.txt"),
            "    1234       5 \r\n"
            "      77       20             Free Spin\r\n"  // the third item from column 29
            "123456789      1 \r\n");
}

TEST_F(Logs, FreeSpinsLines) {
  logs.Open();
  logs.WriteFreeSpins(1234, 15, 2500 / 20.0f);
  logs.WriteFreeSpins(7, 30, 1234 / 20.0f);
  logs.WriteFreeSpins(12345678901, 45, 2000000 / 20.0f);  // wider than the fields: they grow
  logs.WriteFreeSpins(1, 15, 0.0625f);                    // a tie rounds away from zero
  EXPECT_EQ(Written("FreeSpins.txt"),
            "      1234   15 Free_Spins_Won =   125.000\r\n"
            "         7   30 Free_Spins_Won =    61.700\r\n"
            "12345678901   45 Free_Spins_Won = 100000.000\r\n"
            "         1   15 Free_Spins_Won =     0.063\r\n");
}

TEST_F(Logs, PercentLines) {
  logs.Open();
  logs.WritePercent(7.5, 10000);
  logs.WritePercent(101.25, 20000);
  logs.WritePercent(95.4321234567, 30000);
  logs.WritePercent(0.0, 40000);
  EXPECT_EQ(Written("Percent_10000.txt"),
            "07.500000      10000 \r\n"
            "101.250000     20000 \r\n"
            "95.432123      30000 \r\n"
            "00.000000      40000 \r\n");
}

TEST_F(Logs, AWriteToALogThatIsNotOpenIsAnError) {
  try {
    logs.WriteJackpot(1, 1, false);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("Jackpot.txt"), std::string::npos) << e.what();
  }
}

TEST_F(Logs, AFailedWriteNamesTheFile) {
  std::filesystem::create_symlink("/dev/full", "FreeSpins.txt");
  logs.Open();
  auto fill = [&] {
    for (int i = 0; i < 100000; ++i) logs.WriteFreeSpins(i, 15, 1.0f);
    logs.Close();
  };
  try {
    fill();
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("FreeSpins.txt"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace tamberlo::testing
