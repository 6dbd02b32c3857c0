// Random and mutated definition files must load or be refused with a
// DefinitionError: never a crash, a hang or a game that shows a gap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "definition_file.h"

using namespace tamberlo;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> DefaultLines() {
  std::ifstream in(std::string(TAMBERLO_SOURCE_DIR) + "/ReelSetup.ini", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
  return lines;
}

std::string Mutate(std::vector<std::string> lines, std::mt19937& random) {
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  static const char* const kPieces[] = {",", " ", "=====", "GAP", "Wild", "Scatter", "-", "9", "99999",
                                        "1e9", ".", "\r", "\n", "REEL STRIP", "FREE SPINS REEL STRIP",
                                        "PAYTABLE DESCRIPTION", "RNG DESCRIPTION", "  Version: "};
  const int mutations = 1 + static_cast<int>(pick(4));
  for (int m = 0; m < mutations && !lines.empty(); ++m) {
    std::string& line = lines[pick(lines.size())];
    switch (pick(7)) {
      case 0: lines.erase(lines.begin() + static_cast<long>(pick(lines.size()))); break;
      case 1: lines.insert(lines.begin() + static_cast<long>(pick(lines.size())), line); break;
      case 2: line.insert(pick(line.size() + 1), kPieces[pick(std::size(kPieces))]); break;
      case 3: if (!line.empty()) line.erase(pick(line.size()), 1 + pick(8)); break;
      case 4: if (!line.empty()) line[pick(line.size())] = static_cast<char>(pick(256)); break;
      case 5: std::swap(line, lines[pick(lines.size())]); break;
      default: lines.resize(pick(lines.size() + 1)); break;
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line;
  return text;
}

std::string RandomBytes(std::mt19937& random) {
  std::string text(std::uniform_int_distribution<size_t>(0, 400)(random), ' ');
  for (char& c : text) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
  return text;
}

// Loads the file; when it loads, every window a game can show holds figures.
void LoadAndCheck(int& loaded) {
  GameState s;
  try {
    HeadPass head("ReelSetup.ini");
    head.ReadVersionRtpSeed(s);
    head.ReadCountsAndNames(s);
    s.FigureNameList.assign(std::begin(s.FigureName), std::end(s.FigureName));
    BodyPass body("ReelSetup.ini");
    body.ReadStrips(s);
    body.ReadPayTable(s);
  } catch (const DefinitionError&) {
    return;
  }
  ++loaded;
  for (int reel = 0; reel < kReels; ++reel) {
    ASSERT_GE(s.ReelLast[reel], 1);
    ASSERT_GE(s.FreeReelLast[reel], 1);
    for (int position = 0; position <= s.ReelLast[reel]; ++position) ASSERT_LT(s.ReelStrip[position][reel], kGap);
    for (int position = 0; position <= s.FreeReelLast[reel]; ++position) {
      ASSERT_LT(s.FreeReelStrip[position][reel], kGap);
    }
  }
  ASSERT_LT(s.Game_RTP, 100.0f);
}

}  // namespace

TEST(DefinitionFuzzTest, MutatedAndRandomFilesLoadOrAreRefused) {
  const fs::path home = fs::current_path();
  char pattern[] = "/tmp/tamberlo-fuzz-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  fs::current_path(pattern);

  const std::vector<std::string> lines = DefaultLines();
  ASSERT_GT(lines.size(), 50u);
  std::mt19937 random(12345);
  int loaded = 0;
  constexpr int kFiles = 4000;
  for (int i = 0; i < kFiles; ++i) {
    {
      std::ofstream out("ReelSetup.ini", std::ios::binary | std::ios::trunc);
      out << (i % 10 == 9 ? RandomBytes(random) : Mutate(lines, random));
    }
    LoadAndCheck(loaded);
    if (HasFatalFailure()) break;
  }
  std::printf("%d of %d files loaded, the others were refused\n", loaded, kFiles);
  EXPECT_GT(loaded, kFiles / 20);  // the mutations also make loadable games
  fs::current_path(home);
  fs::remove_all(pattern);
}
