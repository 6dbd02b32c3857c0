// The definition reader: what it reads, every refusal naming file and line, and
// mutated files that load or are refused, never crashing or leaving a gap.
#include <algorithm>
#include <numeric>
#include <random>

#include "helpers.h"

namespace tamberlo::testing {

std::string Row(std::vector<std::string> names) {
  std::string row;
  for (const std::string& name : names) row += name + ",  ";
  return row + "_";
}

// Figures F0..F10, Wild, Scatter; three rows in each strip. Line i is lines[i - 1].
std::vector<std::string> SmallGame() {
  std::vector<std::string> lines = {"header text", "  Version:  2.5b ", " Game RTP: 95,67 %",
                                    "RNG DESCRIPTION", "SEED = 4711", "REEL STRIP",
                                    Row({"F0", "F1", "F2", "F3", "F4"}), Row({"F5", "F6", "F7", "F8", "F9"}),
                                    Row({"F10", "Wild", "Scatter", "F0", "F1"}), "FREE SPINS REEL STRIP",
                                    Row({"F1", "F1", "F1", "F1", "F1"}), Row({"F2", "F2", "F2", "F2", "F2"}),
                                    Row({"F3", "F3", "F3", "F3", "F3"}), "WIN LINE DESCRIPTION",
                                    "PAYTABLE DESCRIPTION"};
  const char* names[kFigures] = {"F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "Wild", "Scatter"};
  for (int i = 0; i < kFigures; ++i) {
    std::string cell = std::string(names[i]) + ",";
    cell.resize(12, ' ');
    lines.push_back(cell + " 0, " + std::to_string(i) + ", 5,  10, 1 000, _");
  }
  return lines;
}
constexpr size_t kStrip = 6, kFree = 10, kPays = 15;  // line numbers of the section headers

GameState Load(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::ofstream out("ReelSetup.ini", std::ios::binary);
  for (const std::string& line : lines) out << line << end;
  out.close();
  return LoadGame("ReelSetup.ini");
}

TEST(DefinitionFile, ReadsAGameWithCrLfOrLf) {
  TempFolder folder;
  for (const char* end : {"\r\n", "\n"}) {
    const GameState s = Load(SmallGame(), end);
    EXPECT_EQ(s.GameVersion + "|" + s.FigureName[10] + "|" + s.FigureName[12], "2.5b|F10|Scatter");
    EXPECT_EQ(s.Game_RTP, 95.67f);
    EXPECT_EQ(Values(s.RngSeed, s.ReelStripLast, s.FreeReelStripLast, s.ReelStrip[2][1], s.ReelStrip[2][2],
                     s.FreeReelStrip[1][4], s.PayTable[7][2], s.PayTable[7][5]),  // digit groups read as one number
              Values(4711, 2, 2, kWild, kScatter, 2, 7, 1000));
    for (int reel = 0; reel < kReels; ++reel) EXPECT_EQ(Values(s.ReelLast[reel], s.FreeReelLast[reel]), Values(2, 2));
  }
}

TEST(DefinitionFile, FieldsGapsSectionEndsNamesAndPays) {
  TempFolder folder;
  std::vector<std::string> lines = SmallGame();
  lines[kStrip] = "F3,,, F4,  F5,F6,F7, trailing text";  // after a comma, commas and blanks are skipped
  lines[kFree + 3] = "==========================";       // ends the free strip
  lines[kPays + 10] = "F10 ,       1, 12.5, 13.5, word, -16384, _";
  lines[kPays + 11] = "Wild,       -32768, 2, 3, 4, 32767,";
  lines[kPays + 12] = "7Scatter,   1, 2, 3, 4, 32767,";
  lines.insert(lines.begin() + kStrip + 2, {"F1, F2, GAP, F3, F4 ,", Row({"F1", "F2", "F1", "GAP", "F4"})});
  GameState s = Load(lines);
  EXPECT_EQ(s.ReelStripLast, 4);
  for (int reel = 0; reel < kReels; ++reel) EXPECT_EQ(s.ReelStrip[0][reel], 3 + reel);
  EXPECT_EQ(s.ReelStrip[2][4], kGap);  // "F4 " with its blank names nothing
  EXPECT_EQ(s.ReelStrip[3][2], 1);     // rows after a reel's first gap are still stored
  const int16_t lasts[kReels] = {3, 4, 1, 2, 1};  // "F10 " renames figure 10: row 4 of reel 0 is a gap
  for (int reel = 0; reel < kReels; ++reel) EXPECT_EQ(s.ReelLast[reel], lasts[reel]) << reel;
  EXPECT_EQ(s.FigureName[10], "F10 ");
  const int16_t pays[] = {s.PayTable[10][2], s.PayTable[10][3], s.PayTable[10][4], s.PayTable[10][5],
                          s.PayTable[11][1], s.PayTable[12][0], s.PayTable[12][5]};
  EXPECT_EQ(std::vector<int16_t>(std::begin(pays), std::end(pays)),
            (std::vector<int16_t>{12, 14, 0, -16384, -32768, 7, 32767}));  // halves to even

  lines = SmallGame();  // 100 base rows; 101 free rows need no end line
  lines.erase(lines.begin() + kFree + 3);
  lines.insert(lines.begin() + kFree, 98, Row({"F4", "F4", "F4", "F4", "F4"}));
  lines.insert(lines.begin() + kStrip, 97, Row({"F4", "F4", "F4", "F4", "F4"}));
  s = Load(lines);
  EXPECT_EQ(s.ReelStripLast, 99);
  EXPECT_EQ(s.FreeReelStripLast, 100);
  EXPECT_EQ(s.FreeReelLast[0], 100);
}

TEST(DefinitionFile, EveryFaultNamesFileLineAndExpectation) {
  TempFolder folder;
  const struct { size_t line; std::string text; std::string expect; } cases[] = {  // "" erases the line
      {2, "", ":28: end of file; expected a line starting \"  Version: \""},
      {3, " Game RTP: ab,cd %", ":3: the RTP reads \"ab,cd %\"; expected the RTP as whole percent"},
      {3, " Game RTP: 9", ":3: the RTP reads \"9\"; expected the RTP as whole percent"},
      {3, " Game RTP: 100,00 %", ":3: the RTP reads \"100,00 %\"; expected an RTP below 100 percent"},
      {5, "SEED = lots", ":5: expected a number from column 8"}, {5, "SEED", ":5: expected a number"},
      {5, "SEED = 12 34", ":5: expected a number"}, {5, "SEED = 12e", ":5: expected a number"},
      {5, "SEED = \t+4.7115e3 ", "no error"}, {3, " Game RTP: +9,67 %", ":3: the RTP reads \"+9,67 %\"; expected the RTP"},
      {3, " Game RTP: 9.,67 %", ":3: the RTP reads \"9.,67 %\"; expected the RTP"}, {3, " Game RTP: 9 ,67", "no error"},
      {5, "SEED = 2147483648", ":5: the seed reads \"2147483648\"; expected a seed within -2147483648..2147483647"},
      {5, "SEED = -2147483648.51 ", ":5: the seed reads \"-2147483648.51\", which rounds to -2147483649; expected"},
      {5, "SEED = 2147483647.5", ":5: the seed reads \"2147483647.5\", which rounds to 2147483648; expected a seed "
                                 "within -2147483648..2147483647"},
      {5, "SEED = -2147483647.5", "no error"},
      {4, "RNG", ":29: end of file; expected the line \"RNG DESCRIPTION\""},
      {kFree, "=====", ":10: expected the line \"FREE SPINS REEL STRIP\" to end the REEL STRIP section"},
      {kStrip + 2, "FREE SPINS REEL STRIP", ":8: expected at least two strip rows in the REEL STRIP"},
      {kStrip + 2, "F5, F6, F7, F8, F9", ":8: expected five comma-terminated reel fields"},
      {kStrip + 1, Row({"F0", "F1", "GAP", "F3", "F4"}), ":7: reel 2 has a gap in row 0"},
      {kFree + 2, Row({"GAP", "F1", "F1", "F3", "F4"}), ":12: reel 0 has a gap in row 1"},
      {kPays + 5, ",           1, 2, 3, 4, 5,", ":20: expected a figure name directly followed by its comma"},
      {kPays + 5, "LongName1234 1, 2, 3, 4, 5,", ":20: expected a figure name directly followed"},
      {kPays + 5, "A,B,        1, 2, 3, 4, 5,", ":20: expected a figure name without a comma in it"},
      {kPays + 5, "F4,         1, 2, 3, 4, 5", ":20: expected six comma-terminated fields"},
      {kPays + 12, "Wild,        1, 2, 3, 4, 32768,", ":27: field 6 reads \"32768\"; expected a pay within -32768..32767"},
      {kPays + 2, "F1,         1, 16384, 3, 4, 5,", ":17: field 3 reads \"16384\"; expected a pay within -16384..16383"},
      {kPays + 2, "F1,         1, 16383.5, 3, 4, 5,",
       ":17: field 3 reads \"16383.5\", which rounds to 16384; expected a pay within -16384..16383"},
      {kPays + 2, "F1,         1e999, 2, 3, 4, 5,", ":17: field 2 reads \"1e999\""},
      {kPays + 2, "F1,         1, -2 147 483 648 , 3, 4, 5,", ":17: field 3 reads \"-2 147 483 648\"; expected"},
      {kPays + 11, "99999F10,   1, 2, 3, 4, 5,", ":26: field 1 reads \"99999F10\""},
      {kPays + 13, "", ":28: end of file; expected the paytable line of figure 12"}};
  for (const auto& c : cases) {
    std::vector<std::string> lines = SmallGame();
    if (c.text.empty())
      lines.erase(lines.begin() + static_cast<long>(c.line) - 1);
    else
      lines[c.line - 1] = c.text;
    const std::string error = ErrorOf([&] { Load(lines); });
    if (c.expect == "no error") {
      EXPECT_EQ(error, c.expect);
      continue;
    }
    EXPECT_THROW(Load(lines), DefinitionError) << c.expect;
    EXPECT_EQ(error.find("ReelSetup.ini" + c.expect), 0u) << error;
  }
  EXPECT_EQ(ErrorOf([] { Load(SmallGame(), "\r"); }),
            "ReelSetup.ini:1: the line ends in CR alone; expected each line to end in CR LF or LF");
  std::vector<std::string> lines = SmallGame();
  lines[2] += "\r";  // one line converted twice
  EXPECT_EQ(ErrorOf([&] { Load(lines); }),
            "ReelSetup.ini:3: the line ends in CR CR LF; expected each line to end in CR LF or LF");
  EXPECT_EQ(ErrorOf([] { Load(SmallGame(), "\r\r\n"); }).find("ReelSetup.ini:1: the line ends in CR CR LF"), 0u);
  std::filesystem::create_directory("folder.ini");
  EXPECT_EQ(ErrorOf([] { LoadGame("folder.ini"); }), "folder.ini: is a folder; expected the game definition file");
  EXPECT_EQ(ErrorOf([] { LoadGame("nowhere.ini"); }).find("nowhere.ini: cannot open the file"), 0u);
  GameState s;  // the body pass needs the head pass's names and counts
  EXPECT_THROW(BodyPass(DefaultGamePath()).ReadStrips(s), std::logic_error);
}

// Free strips whose reels 0 to 2 hold one scatter each, on rings of 3, 9 and
// `ring` positions: a free spin shows three scatters with p = 1/ring exactly.
std::vector<std::string> RetriggeringGame(int ring) {
  std::vector<std::string> lines = SmallGame();
  lines.erase(lines.begin() + kFree, lines.begin() + kFree + 3);
  std::vector<std::string> rows;
  for (int row = 0; row < std::max(ring, 9); ++row) {
    auto figure = [&](int length) { return row >= length ? "GAP" : row == 0 ? "Scatter" : "F1"; };
    rows.push_back(Row({figure(3), figure(9), figure(ring), "F2", "F3"}));
  }
  lines.insert(lines.begin() + kFree, rows.begin(), rows.end());
  return lines;
}

TEST(GameLoad, SeedsWithTheReplacedSeedThenSetsTheLinesTheCreditAndTheReport) {
  TempFolder folder;
  std::vector<std::string> lines = SmallGame();
  lines[4] = "SEED = -5";
  Seeds::given.clear();
  const GameState s = Load(lines);
  EXPECT_EQ(Seeds::given, std::vector<int32_t>{s.RngSeed});
  EXPECT_TRUE(s.RngSeed >= 0 && s.RngSeed <= 65535) << s.RngSeed;
  EXPECT_EQ(s.FigureNameList, std::vector<std::string>(std::begin(s.FigureName), std::end(s.FigureName)));
  EXPECT_EQ(Values(s.GamesPerRun, s.Cash, s.CashIn, s.StopReel, s.WinLineRow[3][2], s.WinLineShape[13][0]),
            Values(100000000, 1000000, 1000000, 4, 2, 113));
  EXPECT_NE(ReadFile("Temp1.txt").find("\r\nSEED = " + std::to_string(s.RngSeed) + "\r\n"), std::string::npos);
}

TEST(GameLoad, RefusesStripsThatRetriggerTooOftenBeforeWritingAnything) {
  TempFolder folder;
  const std::pair<int, std::string> cases[] = {
      {16, "no error"},
      {15, "ReelSetup.ini: the free-spin reel strips retrigger too often for a series of free spins to end: "
           "three or more scatters show in 6075 of 91125 free-spin windows, p = 0.0666667; "
           "p must stay below 1/15 = 0.0666667"},
      {14, "ReelSetup.ini: the free-spin reel strips retrigger too often for a series of free spins to end: "
           "three or more scatters show in 5292 of 74088 free-spin windows, p = 0.0714286; "
           "p must stay below 1/15 = 0.0666667"}};
  for (const auto& [ring, error] : cases) {
    std::ofstream("Temp1.txt", std::ios::binary) << "kept";
    EXPECT_EQ(ErrorOf([ring = ring] { Load(RetriggeringGame(ring)); }), error) << ring;
    if (ring != 16) {
      EXPECT_EQ(ReadFile("Temp1.txt"), "kept");
    }
  }
  // Three scatters in a row on one reel: a quarter of the windows show them all.
  std::vector<std::string> lines = SmallGame();
  lines.erase(lines.begin() + kFree, lines.begin() + kFree + 3);
  const std::string scatterRow = Row({"Scatter", "F1", "F2", "F3", "F4"});
  lines.insert(lines.begin() + kFree, {scatterRow, scatterRow, scatterRow, Row({"F0", "F1", "F2", "F3", "F4"})});
  EXPECT_EQ(ErrorOf([&] { Load(lines); }),
            "ReelSetup.ini: the free-spin reel strips retrigger too often for a series of free spins to end: "
            "three or more scatters show in 256 of 1024 free-spin windows, p = 0.25; p must stay below 1/15 = 0.0666667");
  lines = SmallGame();
  lines[kPays + 2] = "F1,         1, 16384, 3, 4, 5,";
  std::ofstream("Temp1.txt", std::ios::binary) << "kept";
  EXPECT_THROW(Load(lines), DefinitionError);
  EXPECT_EQ(ReadFile("Temp1.txt"), "kept");
}


TEST(DefinitionFuzz, MutatedAndRandomFilesLoadOrAreRefused) {
  std::vector<std::string> lines;
  std::ifstream in(DefaultGamePath(), std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
  ASSERT_GT(lines.size(), 50u);
  const char* const pieces[] = {",", " ", "=====", "GAP", "Wild", "Scatter", "-", "9", "99999", "1e9", ".", "\r",
                                "\n", "REEL STRIP", "FREE SPINS REEL STRIP", "PAYTABLE DESCRIPTION"};
  std::mt19937 random(12345);
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  TempFolder folder;
  int loaded = 0;
  for (int file = 0; file < 4000; ++file) {
    std::vector<std::string> text = lines;
    for (size_t m = 1 + pick(4); m > 0 && !text.empty(); --m) {
      std::string& line = text[pick(text.size())];
      switch (pick(8)) {
        case 0: text.erase(text.begin() + static_cast<long>(pick(text.size()))); break;
        case 1: text.insert(text.begin() + static_cast<long>(pick(text.size())), line); break;
        case 2: line.insert(pick(line.size() + 1), pieces[pick(std::size(pieces))]); break;
        case 3: line.erase(pick(line.size() + 1), 1 + pick(8)); break;
        case 4: if (!line.empty()) line[pick(line.size())] = static_cast<char>(pick(256)); break;
        case 5: std::swap(line, text[pick(text.size())]); break;
        case 6: text.resize(pick(text.size() + 1)); break;
        default:  // random bytes
          text.assign(1, std::string(pick(400), ' '));
          for (char& c : text[0]) c = static_cast<char>(pick(256));
      }
    }
    std::ofstream("ReelSetup.ini", std::ios::binary) << std::accumulate(text.begin(), text.end(), std::string());
    GameState s;
    try {
      s = LoadGame("ReelSetup.ini");
    } catch (const DefinitionError&) {
      continue;
    }
    ++loaded;
    ASSERT_LT(s.Game_RTP, 100.0f);
    for (int reel = 0; reel < kReels; ++reel) {
      ASSERT_GE(std::min(s.ReelLast[reel], s.FreeReelLast[reel]), 1);
      for (int p = 0; p <= s.ReelLast[reel]; ++p) ASSERT_LT(s.ReelStrip[p][reel], kGap) << file;
      for (int p = 0; p <= s.FreeReelLast[reel]; ++p) ASSERT_LT(s.FreeReelStrip[p][reel], kGap) << file;
    }
  }
  EXPECT_GT(loaded, 200);  // the mutations also make games that load
}

}  // namespace tamberlo::testing
