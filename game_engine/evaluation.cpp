#include "evaluation.h"

#include <bit>

namespace tamberlo {

// Runs are found with bit masks (bit k = reel k): a run from reel 0 is the
// count of trailing ones.
void EvaluateLine(GameState& s, int line) {
  const int16_t* rows = s.WinLineRow[line];
  int32_t* result = s.LineResult[line];
  int f[kReels];
  f[0] = s.Screen[rows[0]][0];
  f[1] = s.Screen[rows[1]][1];

  // Most lines end on reel 1: an ordinary figure followed by another figure.
  if ((f[0] < kWild) & (f[1] != f[0]) & (f[1] != kWild)) {
    result[0] = f[0];
    result[1] = 1;
    result[2] = s.PayTable[f[0]][1];
    return;
  }

  unsigned wildMask = 0;
  for (int k = 0; k < kReels; ++k) {
    if (k >= 2) f[k] = s.Screen[rows[k]][k];
    wildMask |= static_cast<unsigned>(f[k] == kWild) << k;
  }
  const int wilds = std::countr_one(wildMask);  // the run of wilds from reel 0

  // The first figure that is not wild (five wilds pay as wilds), picked
  // without indexing by `wilds`, which would stall on the fresh stores.
  int first = kWild;
  for (int k = kReels - 1; k >= 0; --k) first = f[k] != kWild ? f[k] : first;
  const bool scatterStop = first == kScatter;

  // A scatter stops the line: it opens a line that pays its column 0, or
  // ends a run of wilds that then pays as wilds.
  int figure = scatterStop ? (wilds == 0 ? kScatter : kWild) : first;
  unsigned sameMask = 0;
  for (int k = 0; k < kReels; ++k) sameMask |= static_cast<unsigned>(f[k] == first) << k;
  const unsigned runMask = wildMask | (scatterStop ? 0u : sameMask);
  int count = std::countr_one(runMask);

  const bool doubled = figure < kWild && (wildMask & ((1u << count) - 1)) != 0;
  int win = s.PayTable[figure][count] * (doubled ? 2 : 1);
  if (wilds >= 2 && figure < kWild && s.PayTable[kWild][wilds] > win) {
    figure = kWild;
    count = wilds;
    win = s.PayTable[kWild][wilds];
  }
  result[0] = figure;
  result[1] = count;
  result[2] = win;
}

void EvaluateScatter(GameState& s) {
  int n = 0;
  const int16_t* cell = &s.Screen[0][0];
  for (int i = 0; i < kCells; ++i) n += cell[i] == kScatter;
  if (n > kReels) n = kReels;
  int32_t* result = s.LineResult[kScatterSlot];
  result[0] = kScatter;
  result[1] = n;
  result[2] = s.PayTable[kScatter][n];
}

}  // namespace tamberlo
