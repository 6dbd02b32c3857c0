#pragma once
// Loading a game: from the definition file to a game that can be played.
// The order inside is what makes it work: the seed is replaced and the
// library seeded before the rest of the head is read, the figure names reach
// FigureNameList before the strips are read, and nothing is written until the
// whole definition has been accepted.
#include <cstdint>
#include <string>

#include "game_state.h"

namespace tamberlo {

inline constexpr const char* kDefinitionFileName = "ReelSetup.ini";
inline constexpr int64_t kGamesPerRun = 100'000'000;
inline constexpr int32_t kStartCredit = 1'000'000;
inline constexpr int16_t kStartStopReel = 4;

// rng_Init of the Corvello binding, or a stand-in in tests.
using SeedFn = void (*)(int32_t seed);

// Reads the definition at `path` into `s` (head, seed, body), refuses a game
// whose free-spin series need not end, sets GamesPerRun, the win lines and
// the start values of Cash, CashIn and StopReel, and writes the report
// Temp1.txt in the current directory, dated by the local clock. Throws
// DefinitionError naming the file (and the line) when the definition cannot
// be played, std::runtime_error when the report cannot be written.
void LoadGame(GameState& s, const std::string& path, SeedFn seed);

}  // namespace tamberlo
