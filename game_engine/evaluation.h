#pragma once
// Line and scatter evaluation: Screen in, LineResult out, nothing else touched.
#include "game_state.h"

namespace tamberlo {

void EvaluateLine(GameState& s, int line);
void EvaluateScatter(GameState& s);

}  // namespace tamberlo
