#pragma once
// The game description report Temp1.txt.
#include <ctime>
#include <string>

#include "game_state.h"

namespace tamberlo {

inline constexpr const char* kReportFileName = "Temp1.txt";

// Sets ReportFileName and writes the description of the loaded game, win
// lines included, as the report in the current directory (an old one is
// replaced). `now` is the local time written on the date line. Throws
// std::runtime_error naming the file when it cannot be created or written.
void WriteGameDescription(GameState& s, const std::tm& now);

}  // namespace tamberlo
