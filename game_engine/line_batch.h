#pragma once
// All 20 win lines of a window at once, each with the result EvaluateLine
// gives it. A game evaluates 20 lines and most of them lose on reel 1, so a
// few mask operations per figure replace a branch per line; this is the
// quiet game's hot path.
#include <bit>
#include <cstdint>

#include "evaluation.h"
#include "game_state.h"

namespace tamberlo {

inline LineMasks MakeLineMasks(const GameState& s) {
  LineMasks masks;
  for (int line = 0; line < kLines; ++line)
    for (int reel = 0; reel < kReels; ++reel) masks.row[reel][s.WinLineRow[line][reel]] |= 1u << line;
  return masks;
}

namespace line_batch {

// The lines that show `figure` on `reel`.
inline uint32_t LinesWith(const GameState& s, const LineMasks& lines, int reel, int figure) {
  const uint32_t* row = lines.row[reel];
  return (s.Screen[0][reel] == figure ? row[0] : 0u) | (s.Screen[1][reel] == figure ? row[1] : 0u) |
         (s.Screen[2][reel] == figure ? row[2] : 0u);
}

// Writes one result into every line of `mask` and hands it on.
template <class OnLine>
inline void Put(GameState& s, uint32_t mask, int figure, int count, int win, OnLine& onLine) {
  for (; mask != 0; mask &= mask - 1) {
    const int line = std::countr_zero(mask);
    int32_t* result = s.LineResult[line];
    result[0] = figure;
    result[1] = count;
    result[2] = win;
    onLine(line, figure, count);
  }
}

// Grows the runs of `figure` in the lines of `run`, which cover the reels
// before `reel`, while the figure or a wild follows; `wilded` marks the runs
// that hold a wild and so pay double.
template <class OnLine>
inline void GrowRuns(GameState& s, const LineMasks& lines, const uint32_t (&wild)[kReels], int figure,
                     uint32_t run, uint32_t wilded, int reel, uint32_t& paying, OnLine& onLine) {
  const int16_t* pay = s.PayTable[figure];
  for (; reel < kReels && run != 0; ++reel) {
    const uint32_t next = run & (LinesWith(s, lines, reel, figure) | wild[reel]);
    const uint32_t ended = run & ~next;
    if (ended != 0) {
      Put(s, ended & ~wilded, figure, reel, pay[reel], onLine);
      Put(s, ended & wilded, figure, reel, pay[reel] * 2, onLine);
      if (pay[reel] > 0) paying |= ended;
    }
    wilded = (wilded | wild[reel]) & next;
    run = next;
  }
  if (run != 0) {
    Put(s, run & ~wilded, figure, kReels, pay[kReels], onLine);
    Put(s, run & wilded, figure, kReels, pay[kReels] * 2, onLine);
    if (pay[kReels] > 0) paying |= run;
  }
}

}  // namespace line_batch

// Fills LineResult for all 20 lines and calls onLine(line, figure, count)
// once for each, in no particular order. Returns the lines that pay (a win
// above 0) or hold five wilds.
template <class OnLine>
uint32_t EvaluateLines(GameState& s, const LineMasks& lines, OnLine&& onLine) {
  using line_batch::GrowRuns;
  using line_batch::LinesWith;
  using line_batch::Put;
  uint32_t wild[kReels];
  for (int reel = 0; reel < kReels; ++reel) wild[reel] = LinesWith(s, lines, reel, kWild);

  uint32_t paying = 0;
  for (int row = 0; row < kRows; ++row) {
    const int figure = s.Screen[row][0];
    if (figure < kWild) {
      GrowRuns(s, lines, wild, figure, lines.row[0][row], 0, 1, paying, onLine);
    } else if (figure == kScatter) {
      Put(s, lines.row[0][row], kScatter, 0, s.PayTable[kScatter][0], onLine);
      if (s.PayTable[kScatter][0] > 0) paying |= lines.row[0][row];
    }
  }

  // Lines opening on a wild: the first figure that is not wild pays. An
  // ordinary one on reel 1 leaves no pure-wild comparison and the run is
  // doubled; a scatter there ends the line as one wild.
  for (int row = 0; row < kRows; ++row) {
    const uint32_t opened = wild[0] & lines.row[1][row];
    if (opened == 0) continue;
    const int figure = s.Screen[row][1];
    if (figure < kWild) {
      GrowRuns(s, lines, wild, figure, opened, opened, 2, paying, onLine);
    } else if (figure == kScatter) {
      Put(s, opened, kWild, 1, s.PayTable[kWild][1], onLine);
      if (s.PayTable[kWild][1] > 0) paying |= opened;
    }
  }

  // Two wilds or more open the line: the pure-wild rules, one line at a time.
  for (uint32_t mask = wild[0] & wild[1]; mask != 0; mask &= mask - 1) {
    const int line = std::countr_zero(mask);
    EvaluateLine(s, line);
    const int32_t* result = s.LineResult[line];
    onLine(line, result[0], result[1]);
    if (result[2] > 0 || (result[0] == kWild && result[1] == kReels)) paying |= 1u << line;
  }
  return paying;
}

}  // namespace tamberlo
