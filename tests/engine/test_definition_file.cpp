#include "definition_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

using namespace tamberlo;
namespace fs = std::filesystem;

namespace {

// Each test works in a fresh folder of its own.
class DefinitionFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = fs::current_path();
    char pattern[] = "/tmp/tamberlo-definition-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(home_);
    fs::remove_all(dir_);
  }

  static void Write(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::ofstream out("ReelSetup.ini", std::ios::binary);
    for (const std::string& line : lines) out << line << end;
  }

  static GameState Load() {
    GameState s;
    HeadPass head("ReelSetup.ini");
    head.ReadVersionRtpSeed(s);
    head.ReadCountsAndNames(s);
    s.FigureNameList.assign(std::begin(s.FigureName), std::end(s.FigureName));
    BodyPass body("ReelSetup.ini");
    body.ReadStrips(s);
    body.ReadPayTable(s);
    return s;
  }

  // The DefinitionError message of loading the lines, or "" when it loads.
  static std::string LoadError(const std::vector<std::string>& lines) {
    Write(lines);
    try {
      Load();
    } catch (const DefinitionError& error) {
      return error.what();
    }
    return "";
  }

  fs::path home_;
  fs::path dir_;
};

std::string Row(std::vector<std::string> names) {
  std::string row;
  for (const std::string& name : names) row += name + ",  ";
  return row + "_";
}

// A small game: figures F0..F10, Wild, Scatter; three rows in each strip.
std::vector<std::string> SmallGame() {
  std::vector<std::string> lines = {
      "header text",
      "  Version:  2.5b ",
      " Game RTP: 95,67 %",
      "RNG DESCRIPTION",
      "SEED = 4711",
      "REEL STRIP",
      Row({"F0", "F1", "F2", "F3", "F4"}),
      Row({"F5", "F6", "F7", "F8", "F9"}),
      Row({"F10", "Wild", "Scatter", "F0", "F1"}),
      "FREE SPINS REEL STRIP",
      Row({"F1", "F1", "F1", "F1", "F1"}),
      Row({"F2", "F2", "F2", "F2", "F2"}),
      Row({"F3", "F3", "F3", "F3", "F3"}),
      "WIN LINE DESCRIPTION",
      "PAYTABLE DESCRIPTION",
  };
  const char* names[kFigures] = {"F0", "F1", "F2", "F3", "F4", "F5", "F6",
                                 "F7", "F8", "F9", "F10", "Wild", "Scatter"};
  for (int i = 0; i < kFigures; ++i) {
    std::string cell = std::string(names[i]) + ",";
    cell.resize(12, ' ');
    lines.push_back(cell + " 0, " + std::to_string(i) + ", 5,  10, 1 000, _");
  }
  return lines;
}

size_t IndexOf(const std::vector<std::string>& lines, const std::string& text) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == text) return i;
  }
  return lines.size();
}

}  // namespace

TEST_F(DefinitionFileTest, ReadsTheSmallGame) {
  Write(SmallGame());
  const GameState s = Load();
  EXPECT_EQ(s.GameVersion, "2.5b");
  EXPECT_EQ(s.Game_RTP, 95.67f);
  EXPECT_EQ(s.RngSeed, 4711);
  EXPECT_EQ(s.ReelStripLast, 2);
  EXPECT_EQ(s.FreeReelStripLast, 2);
  EXPECT_EQ(s.FigureName[10], "F10");
  EXPECT_EQ(s.FigureName[12], "Scatter");
  EXPECT_EQ(s.ReelStrip[2][1], kWild);
  EXPECT_EQ(s.ReelStrip[2][2], kScatter);
  EXPECT_EQ(s.FreeReelStrip[1][4], 2);
  for (int reel = 0; reel < kReels; ++reel) {
    EXPECT_EQ(s.ReelLast[reel], 2);
    EXPECT_EQ(s.FreeReelLast[reel], 2);
  }
  EXPECT_EQ(s.PayTable[7][2], 7);
  EXPECT_EQ(s.PayTable[7][5], 1000);  // digit groups read as one number
  EXPECT_EQ(s.PayTable[7][0], 0);
}

TEST_F(DefinitionFileTest, LineFeedOnlyFilesReadTheSame) {
  Write(SmallGame(), "\n");
  const GameState s = Load();
  EXPECT_EQ(s.GameVersion, "2.5b");
  EXPECT_EQ(s.ReelStrip[2][2], kScatter);
}

TEST_F(DefinitionFileTest, GapsEndReelsAndFieldsScanAsSpecified) {
  std::vector<std::string> lines = SmallGame();
  const size_t strip = IndexOf(lines, "REEL STRIP");
  lines[strip + 1] = "F3,,, F4,  F5,F6,F7, trailing text";
  lines[strip + 2] = Row({"F5", "f6", "F7", "F8", "F9"});
  lines.insert(lines.begin() + static_cast<long>(strip) + 3, "F1, F2, GAP, F3, F4 ,");
  lines.insert(lines.begin() + static_cast<long>(strip) + 4, Row({"F1", "F2", "F1", "GAP", "F4"}));
  Write(lines);
  // "f6" names no figure: a gap in row 1 of reel 1 is refused.
  EXPECT_THROW(Load(), DefinitionError);

  lines[strip + 2] = Row({"F5", "F6", "F7", "F8", "F9"});
  Write(lines);
  const GameState s = Load();
  EXPECT_EQ(s.ReelStripLast, 4);
  for (int reel = 0; reel < kReels; ++reel) EXPECT_EQ(s.ReelStrip[0][reel], 3 + reel);
  EXPECT_EQ(s.ReelStrip[2][4], kGap);  // "F4 " with its blank matches nothing
  EXPECT_EQ(s.ReelLast[4], 1);
  EXPECT_EQ(s.ReelLast[2], 1);   // first gap in row 2
  EXPECT_EQ(s.ReelLast[3], 2);   // first gap in row 3
  EXPECT_EQ(s.ReelStrip[3][2], 1);  // rows after a gap are still stored
  EXPECT_EQ(s.ReelLast[0], 4);   // no gap: the section's last row
}

TEST_F(DefinitionFileTest, SectionLimitsAndEnds) {
  std::vector<std::string> lines = SmallGame();
  const size_t strip = IndexOf(lines, "REEL STRIP");
  lines.insert(lines.begin() + static_cast<long>(strip) + 1, 97, Row({"F4", "F4", "F4", "F4", "F4"}));
  lines[IndexOf(lines, "WIN LINE DESCRIPTION")] = "==========================";
  Write(lines);
  GameState s = Load();
  EXPECT_EQ(s.ReelStripLast, 99);
  EXPECT_EQ(s.FreeReelStripLast, 2);

  // A free-spins section of 101 rows needs no end line.
  lines = SmallGame();
  const size_t free = IndexOf(lines, "FREE SPINS REEL STRIP");
  lines.insert(lines.begin() + static_cast<long>(free) + 1, 98, Row({"F4", "F4", "F4", "F4", "F4"}));
  lines.erase(lines.begin() + static_cast<long>(IndexOf(lines, "WIN LINE DESCRIPTION")));
  Write(lines);
  s = Load();
  EXPECT_EQ(s.FreeReelStripLast, 100);
  EXPECT_EQ(s.FreeReelLast[0], 100);
}

TEST_F(DefinitionFileTest, NamesAndPays) {
  std::vector<std::string> lines = SmallGame();
  const size_t pays = IndexOf(lines, "PAYTABLE DESCRIPTION");
  lines[pays + 11] = "F10 ,       1, 12.5, 13.5, word, -16384, _";
  lines[pays + 12] = "Wild,       -32768, 2, 3, 4, 32767,";
  lines[pays + 13] = "7Scatter,   1, 2, 3, 4, 32767,";
  Write(lines);
  const GameState s = Load();
  EXPECT_EQ(s.FigureName[10], "F10 ");
  EXPECT_EQ(s.ReelStrip[2][0], kGap);  // "F10" no longer names a figure
  EXPECT_EQ(s.ReelLast[0], 1);
  EXPECT_EQ(s.PayTable[10][2], 12);
  EXPECT_EQ(s.PayTable[10][3], 14);
  EXPECT_EQ(s.PayTable[10][4], 0);
  EXPECT_EQ(s.PayTable[10][5], -16384);
  EXPECT_EQ(s.PayTable[12][0], 7);
  EXPECT_EQ(s.PayTable[12][5], 32767);
  EXPECT_EQ(s.PayTable[11][1], -32768);
}

TEST_F(DefinitionFileTest, EveryFaultNamesFileLineAndExpectation) {
  const std::vector<std::string> good = SmallGame();
  const size_t strip = IndexOf(good, "REEL STRIP");
  const size_t free = IndexOf(good, "FREE SPINS REEL STRIP");
  const size_t pays = IndexOf(good, "PAYTABLE DESCRIPTION");
  struct Case {
    const char* what;
    size_t line;         // 0-based index of the line to change
    std::string text;    // its new text ("<erase>" removes it)
    std::string expect;  // part of the message
  };
  const std::vector<Case> cases = {
      {"no version line", 1, "<erase>", "ReelSetup.ini:28: end of file; expected a line starting \"  Version: \""},
      {"rtp not a number", 2, " Game RTP: ab,cd %", "ReelSetup.ini:3: expected the RTP"},
      {"rtp too short", 2, " Game RTP: 9", "ReelSetup.ini:3: expected the RTP"},
      {"rtp of 100", 2, " Game RTP: 100,00 %", "ReelSetup.ini:3: expected an RTP below 100"},
      {"seed not a number", 4, "SEED = lots", "ReelSetup.ini:5: expected a number"},
      {"seed empty", 4, "SEED", "ReelSetup.ini:5: expected a number"},
      {"seed too large", 4, "SEED = 2147483648", "ReelSetup.ini:5: expected a seed within"},
      {"seed too small", 4, "SEED = -2147483649", "ReelSetup.ini:5: expected a seed within"},
      {"no rng header", 3, "RNG", "end of file; expected the line \"RNG DESCRIPTION\""},
      {"base strip ended by equals", free, "=====", "ReelSetup.ini:10: expected the line \"FREE SPINS REEL STRIP\""},
      {"one base row", strip + 2, "FREE SPINS REEL STRIP", "ReelSetup.ini:8: expected at least two strip rows"},
      {"short strip row", strip + 2, "F5, F6, F7, F8, F9", "ReelSetup.ini:8: expected five comma-terminated reel fields"},
      {"gap in row 0", strip + 1, Row({"F0", "F1", "GAP", "F3", "F4"}), "ReelSetup.ini:7: reel 2 has a gap in row 0"},
      {"gap in row 1", free + 2, Row({"GAP", "F1", "F1", "F3", "F4"}), "ReelSetup.ini:12: reel 0 has a gap in row 1"},
      {"blank name", pays + 5, "            1, 2, 3, 4, 5,", "ReelSetup.ini:20: expected a figure name"},
      {"comma only", pays + 5, ",           1, 2, 3, 4, 5,", "ReelSetup.ini:20: expected a figure name"},
      {"name without comma", pays + 5, "LongName1234 1, 2, 3, 4, 5,", "ReelSetup.ini:20: expected a figure name"},
      {"comma inside name", pays + 5, "A,B,        1, 2, 3, 4, 5,", "ReelSetup.ini:20: expected a figure name without a comma"},
      {"pay field missing", pays + 5, "F4,         1, 2, 3, 4, 5", "ReelSetup.ini:20: expected six comma-terminated fields"},
      {"pay too large", pays + 12, "Wild,        1, 2, 3, 4, 32768,", "ReelSetup.ini:27: field 6 reads 32768; expected a pay within -32768..32767"},
      {"doubled pay too large", pays + 2, "F1,         1, 16384, 3, 4, 5,", "ReelSetup.ini:17: field 3 reads 16384; expected a pay within -16384..16383"},
      {"huge pay", pays + 2, "F1,         1e999, 2, 3, 4, 5,", "ReelSetup.ini:17: field 2"},
      {"name number too large", pays + 11, "99999F10,   1, 2, 3, 4, 5,", "ReelSetup.ini:26: field 1 reads 99999"},
      {"paytable cut short", pays + 13, "<erase>", "ReelSetup.ini:28: end of file; expected the paytable line of figure 12"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = good;
    if (c.text == "<erase>") {
      lines.erase(lines.begin() + static_cast<long>(c.line));
    } else {
      lines[c.line] = c.text;
    }
    const std::string message = LoadError(lines);
    EXPECT_NE(message.find(c.expect), std::string::npos) << c.what << ": " << message;
  }
}

TEST_F(DefinitionFileTest, MissingFileAndMissingNames) {
  EXPECT_THROW(HeadPass("ReelSetup.ini"), DefinitionError);
  try {
    BodyPass body("nowhere.ini");
    FAIL();
  } catch (const DefinitionError& error) {
    EXPECT_NE(std::string(error.what()).find("nowhere.ini: cannot open the file"), std::string::npos);
  }
  Write(SmallGame());
  GameState s;
  s.ReelStripLast = 2;
  s.FreeReelStripLast = 2;
  BodyPass body("ReelSetup.ini");
  EXPECT_THROW(body.ReadStrips(s), std::logic_error);
}

TEST_F(DefinitionFileTest, TheDefaultGameLoads) {
  fs::copy_file(fs::path(TAMBERLO_SOURCE_DIR) / "ReelSetup.ini", "ReelSetup.ini");
  const GameState s = Load();
  EXPECT_FALSE(s.GameVersion.empty());
  EXPECT_GE(s.Game_RTP, 94.0f);
  EXPECT_LE(s.Game_RTP, 97.0f);
  EXPECT_GE(s.RngSeed, 0);
  EXPECT_EQ(s.FigureName[kWild], "Wild");
  EXPECT_EQ(s.FigureName[kScatter], "Scatter");
  std::set<std::string> names(std::begin(s.FigureName), std::end(s.FigureName));
  EXPECT_EQ(names.size(), 13u);
  std::set<int> lengths;
  for (int reel = 0; reel < kReels; ++reel) {
    lengths.insert(s.ReelLast[reel]);
    for (int position = 0; position <= s.ReelLast[reel]; ++position) {
      EXPECT_LT(s.ReelStrip[position][reel], kGap);
    }
    for (int position = 0; position <= s.FreeReelLast[reel]; ++position) {
      EXPECT_LT(s.FreeReelStrip[position][reel], kGap);
    }
  }
  EXPECT_GT(lengths.size(), 1u);  // reels of different lengths
}
