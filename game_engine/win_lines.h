#pragma once
// The 20 win lines, compiled in as one constant list of 200 numbers: for
// line 1..20 and reel 0..4 a pair (row 1 = top .. 3 = bottom, drawing code).
#include <cstdint>

#include "game_state.h"

namespace tamberlo {

extern const int16_t kWinLineList[kLines * kReels * 2];

// Sets WinLineRow and WinLineShape of line L on reel r from the list.
void SetWinLineCell(GameState& s, int line, int reel);

// The drawing code of a cell recomputed from the rows (1..3) of the
// previous, own and next reel.
int DrawingCode(int previousRow, int ownRow, int nextRow);

}  // namespace tamberlo
