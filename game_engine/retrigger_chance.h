#pragma once
// Whether a free-spin series ends. A free spin with three or more scatters
// adds 15 spins, so with p its chance a spin adds 15 p spins on average: at
// 15 p >= 1 a series need never end and the game cannot be simulated.
#include <cstdint>
#include <string>

#include "game_state.h"

namespace tamberlo {

// The chance p exactly, as a count of stop combinations of the five
// free-spin reels among all of them.
struct RetriggerChance {
  uint64_t retriggering = 0;
  uint64_t combinations = 0;
};
RetriggerChance FreeSpinRetriggerChance(const GameState& s);

// Throws DefinitionError naming `path` when 15 p >= 1.
void RefuseEndlessSeries(const GameState& s, const std::string& path);

}  // namespace tamberlo
