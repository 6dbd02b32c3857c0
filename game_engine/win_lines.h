#pragma once
// The 20 win lines, fixed in the program.
#include "game_state.h"

namespace tamberlo {

// Sets WinLineRow, WinLineShape and the masks derived from the rows.
void SetWinLines(GameState& s);

// Derives WinLineMasks from WinLineRow; whoever changes the rows calls it.
void DeriveLineMasks(GameState& s);

// The drawing code of a cell recomputed from the rows (1..3) of the
// previous, own and next reel.
int DrawingCode(int previousRow, int ownRow, int nextRow);

}  // namespace tamberlo
