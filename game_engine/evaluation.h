#pragma once
// One line's evaluation and the scatter count: Screen in, LineResult out,
// nothing else touched. A game evaluates its 20 lines at once (line_batch.h),
// which asks EvaluateLine only about a line that opens on two wilds.
// Screen must hold figures 0..12 (the definition reader keeps gaps out of
// every window), and the pays must fit the 16-bit doubling (the reader
// refuses any that do not), so plain int arithmetic gives the 16-bit results.
#include "game_state.h"

namespace tamberlo {

void EvaluateLine(GameState& s, int line);
void EvaluateScatter(GameState& s);

}  // namespace tamberlo
