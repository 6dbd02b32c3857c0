#pragma once
// The game description report Temp1.txt.
#include <cstdio>
#include <ctime>
#include <string>

#include "game_state.h"

namespace tamberlo {

inline constexpr const char* kReportFileName = "Temp1.txt";

// Sets ReportFileName, creates the report in the current directory, writes
// the description (filling WinLineRow and WinLineShape on the way) and
// returns the file still open; the caller closes it. `now` is the local time
// written on the date line. Throws std::runtime_error naming the file when it
// cannot be created or written.
std::FILE* WriteGameDescription(GameState& s, const std::tm& now);

}  // namespace tamberlo
