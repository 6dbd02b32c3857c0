#pragma once
// What Save writes besides the hits section: the totals block appended to
// the report, and the runs-without-a-win table empty.txt. Before the first
// game the shares have no value: the totals line then reads "no games yet"
// and each share field of empty.txt " no games", in the fields' usual places.
#include <string>

#include "game_state.h"

namespace tamberlo {

// Lines 1 to 7 of the totals block, each ending CR LF.
std::string TotalsBlock(const GameState& s);

// The 50 records of 25 bytes of empty.txt.
std::string EmptyRunsRecords(const GameState& s);

// Writes the records in place at the start of `path` (created when
// missing; a longer older file keeps its tail). Throws std::runtime_error
// naming the file on failure.
void WriteEmptyRuns(const std::string& path, const GameState& s);

}  // namespace tamberlo
