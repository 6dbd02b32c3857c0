#include "report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "definition_file.h"

using namespace tamberlo;
namespace fs = std::filesystem;

namespace {

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = fs::current_path();
    char pattern[] = "/tmp/tamberlo-report-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(home_);
    fs::remove_all(dir_);
  }

  static GameState Load(const std::string& path) {
    GameState s;
    HeadPass head(path);
    head.ReadVersionRtpSeed(s);
    head.ReadCountsAndNames(s);
    s.FigureNameList.assign(std::begin(s.FigureName), std::end(s.FigureName));
    BodyPass body(path);
    body.ReadStrips(s);
    body.ReadPayTable(s);
    return s;
  }

  static std::tm Noon() {
    std::tm now{};
    now.tm_mday = 3;
    now.tm_mon = 0;
    now.tm_year = 125;
    now.tm_hour = 9;
    now.tm_min = 5;
    now.tm_sec = 7;
    return now;
  }

  static std::vector<std::string> WriteAndSplit(GameState& s) {
    std::FILE* file = WriteGameDescription(s, Noon());
    EXPECT_NE(file, nullptr);
    std::fclose(file);
    std::ifstream in(kReportFileName, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = all.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(all.substr(start, end - start));
    }
    EXPECT_EQ(start, all.size()) << "every line ends CR LF";
    return lines;
  }

  fs::path home_;
  fs::path dir_;
};

}  // namespace

TEST_F(ReportTest, ReadsBackAsTheSameGame) {
  GameState s = Load(std::string(TAMBERLO_SOURCE_DIR) + "/ReelSetup.ini");
  WriteAndSplit(s);
  EXPECT_EQ(s.ReportFileName, "Temp1.txt");
  const GameState back = Load(kReportFileName);
  EXPECT_EQ(back.GameVersion, s.GameVersion);
  EXPECT_EQ(back.Game_RTP, s.Game_RTP);
  EXPECT_EQ(back.RngSeed, s.RngSeed);
  EXPECT_EQ(back.ReelStripLast, s.ReelStripLast);
  EXPECT_EQ(back.FreeReelStripLast, s.FreeReelStripLast);
  for (int i = 0; i < kFigures; ++i) EXPECT_EQ(back.FigureName[i], s.FigureName[i]);
  EXPECT_EQ(0, std::memcmp(back.ReelStrip, s.ReelStrip, sizeof s.ReelStrip));
  EXPECT_EQ(0, std::memcmp(back.FreeReelStrip, s.FreeReelStrip, sizeof s.FreeReelStrip));
  EXPECT_EQ(0, std::memcmp(back.ReelLast, s.ReelLast, sizeof s.ReelLast));
  EXPECT_EQ(0, std::memcmp(back.FreeReelLast, s.FreeReelLast, sizeof s.FreeReelLast));
  for (int i = 0; i < kFigures; ++i) {
    for (int count = 1; count <= 5; ++count) EXPECT_EQ(back.PayTable[i][count], s.PayTable[i][count]);
  }
}

TEST_F(ReportTest, LayoutByteForByte) {
  GameState s;
  s.GameVersion = "1.2";
  s.Game_RTP = 95.5f;
  s.RngSeed = 65535;
  s.ReelStripLast = 1;
  s.FreeReelStripLast = 0;
  const char* names[kFigures] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "ElevenChars", "Wild", "Scatter"};
  for (int i = 0; i < kFigures; ++i) s.FigureName[i] = names[i];
  s.ReelStrip[0][0] = 10;
  s.ReelStrip[1][4] = kGap;
  s.PayTable[0][1] = 5;
  s.PayTable[0][2] = 100;
  s.PayTable[0][3] = -32768;
  s.PayTable[0][4] = 32767;
  s.PayTable[0][0] = 99;  // column 0 is not written
  const std::vector<std::string> lines = WriteAndSplit(s);

  ASSERT_EQ(lines.size(), 13u + 2 + 1 + 1 + 1 + 20 + 1 + 13);
  EXPECT_EQ(lines[0], "  Company: www.oskarth.example");
  EXPECT_EQ(lines[1], "Game Name: Tamberlo");
  EXPECT_EQ(lines[2], "  Version: 1.2");
  EXPECT_EQ(lines[3], " Game RTP: 95,50 %");
  EXPECT_EQ(lines[4], "     Date: 03.01.2025  09:05:07");
  EXPECT_EQ(lines[5], std::string(39, '='));
  EXPECT_EQ(lines[6], "   Design: Oskarth Ltd.");
  EXPECT_EQ(lines[9], std::string(39, '='));
  EXPECT_EQ(lines[10], "RNG DESCRIPTION");
  EXPECT_EQ(lines[11], "SEED = 65535");
  EXPECT_EQ(lines[12], "REEL STRIP");
  EXPECT_EQ(lines[13], "ElevenCharsA,         A,         A,         A,          _");
  EXPECT_EQ(lines[14], "A,         A,         A,         A,         GAP,        _");
  EXPECT_EQ(lines[14].size(), 57u);
  EXPECT_EQ(lines[15], "FREE SPINS REEL STRIP");
  EXPECT_EQ(lines[17], "WIN LINE DESCRIPTION");
  EXPECT_EQ(lines[18], " 1,  1,  1,  1,  1,  _ Line 1");
  EXPECT_EQ(lines[21], " 0,  1,  2,  1,  0,  _ Line 4");
  EXPECT_EQ(lines[37], " 0,  2,  2,  2,  0,  _ Line 20");
  EXPECT_EQ(lines[38], "PAYTABLE DESCRIPTION");
  EXPECT_EQ(lines[39], "A,           5,     100,  -32768, 32767, 0,     _");
  EXPECT_EQ(lines[49], "ElevenChars  0,     0,     0,     0,     0,     _");
  EXPECT_EQ(s.WinLineRow[3][2], 2);
  EXPECT_EQ(s.WinLineShape[13][0], 113);
}

TEST_F(ReportTest, RtpTexts) {
  GameState s;
  s.ReelStripLast = -1;
  s.FreeReelStripLast = -1;
  const std::pair<float, const char*> cases[] = {
      {96.13f, " Game RTP: 96,13 %"}, {100.0f, " Game RTP: 100,00 %"},
      {0.5f, " Game RTP: ,50 %"},    {0.05f, " Game RTP: 0,05 %"},
      {0.0f, " Game RTP: 0,00 %"},
  };
  for (const auto& [rtp, text] : cases) {
    s.Game_RTP = rtp;
    const std::vector<std::string> lines = WriteAndSplit(s);
    EXPECT_EQ(lines[3], text);
    EXPECT_EQ(lines[13], "FREE SPINS REEL STRIP");  // no rows for an empty section
  }
}

TEST_F(ReportTest, ReplacesAnEarlierReportAndNamesAFileItCannotCreate) {
  GameState s;
  s.ReelStripLast = -1;
  s.FreeReelStripLast = -1;
  { std::ofstream old(kReportFileName); old << std::string(100000, 'x'); }
  std::fclose(WriteGameDescription(s, Noon()));
  EXPECT_LT(fs::file_size(kReportFileName), 5000u);
  fs::remove(kReportFileName);
  fs::create_directory(kReportFileName);
  try {
    WriteGameDescription(s, Noon());
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("Temp1.txt"), std::string::npos);
  }
}
