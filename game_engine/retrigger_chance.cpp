#include "retrigger_chance.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string>

#include "definition_file.h"
#include "reel_window.h"

namespace tamberlo {

RetriggerChance FreeSpinRetriggerChance(const GameState& s) {
  // ways[n]: the stop combinations of the reels so far that show n scatters.
  uint64_t ways[kReels * kRows + 1] = {1};
  int most = 0;
  for (int reel = 0; reel < kReels; ++reel) {
    const int last = s.FreeReelLast[reel];
    uint64_t stops[kRows + 1] = {};  // the reel's stops that show 0..3 scatters
    for (int stop = 0; stop <= last; ++stop) {
      const int positions[kRows] = {TopPosition(stop, last), stop, BottomPosition(stop, last)};
      int scatters = 0;
      for (const int position : positions) scatters += s.FreeReelStrip[position][reel] == kScatter;
      ++stops[scatters];
    }
    uint64_t next[kReels * kRows + 1] = {};
    for (int n = 0; n <= most; ++n)
      for (int k = 0; k <= kRows; ++k) next[n + k] += ways[n] * stops[k];
    most += kRows;
    std::copy(std::begin(next), std::end(next), std::begin(ways));
  }
  RetriggerChance chance;
  for (int n = 0; n <= most; ++n) {
    chance.combinations += ways[n];
    if (n >= 3) chance.retriggering += ways[n];
  }
  return chance;
}

namespace {

// A chance as the refusal writes it: six significant digits.
std::string ChanceText(double p) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, p, std::chars_format::general, 6).ptr);
}

}  // namespace

void RefuseEndlessSeries(const GameState& s, const std::string& path) {
  const RetriggerChance chance = FreeSpinRetriggerChance(s);
  if (kSeriesSpins * chance.retriggering < chance.combinations) return;
  const double p = static_cast<double>(chance.retriggering) / static_cast<double>(chance.combinations);
  throw DefinitionError(path + ": the free-spin reel strips retrigger too often for a series of free spins to end: "
                        "three or more scatters show in " + std::to_string(chance.retriggering) + " of " +
                        std::to_string(chance.combinations) + " free-spin windows, p = " + ChanceText(p) +
                        "; p must stay below 1/" + std::to_string(kSeriesSpins) + " = " +
                        ChanceText(1.0 / kSeriesSpins));
}

}  // namespace tamberlo
