// Mutated and random definition files load or are refused with a
// DefinitionError: never a crash, a hang, or a game whose window shows a gap.
#include <algorithm>
#include <numeric>
#include <random>

#include "helpers.h"

namespace tamberlo::testing {
namespace {

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

}  // namespace
}  // namespace tamberlo::testing
