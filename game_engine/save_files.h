#pragma once
// Save's work on the files: the totals block and the hits section appended
// to the report, and the runs-without-a-win table empty.txt rewritten in
// place. Before the first game the shares have no value: the totals line
// then reads "no games yet" and each share field of empty.txt " no games",
// in the fields' usual places.
#include <string>
#include <string_view>

#include "game_state.h"

namespace tamberlo {

inline constexpr const char* kEmptyRunsFileName = "empty.txt";

// The block that opens each Save in the report: an empty line, a rule,
// Games, Total Win, Total Bet, Total % and an empty line, each ending CR LF.
std::string TotalsBlock(const GameState& s);

// The 50 records of 25 bytes of empty.txt.
std::string EmptyRunsRecords(const GameState& s);

// Appends the totals block and `hitsSection` to the report named by
// ReportFileName, then writes the records at the start of empty.txt (made
// when missing; a longer older file keeps its tail). A Save that cannot
// complete takes both files back to what they were, byte for byte, or
// absent where they were absent, and throws FileError with the message for
// the user: the file, why, and that nothing was saved, or, where a file
// could not be taken back, what it may hold now.
void SaveResults(const GameState& s, std::string_view hitsSection);

}  // namespace tamberlo
