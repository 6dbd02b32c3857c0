#pragma once
// The program's whole game state: one object, owned by the program for its
// whole life, with the variables under their own names. Counters that a long
// run can push past 2^31 are 64-bit; the credit stays 32-bit.
#include <cstdint>
#include <string>
#include <vector>

namespace tamberlo {

inline constexpr int kReels = 5;
inline constexpr int kRows = 3;
inline constexpr int kCells = kReels * kRows;
inline constexpr int kLines = 20;
inline constexpr int kScatterSlot = 20;   // LineHits/LineWins/LineResult index of the scatter
inline constexpr int kFigures = 13;
inline constexpr int kWild = 11;
inline constexpr int kScatter = 12;
inline constexpr int kGap = 13;
inline constexpr int kStripPositions = 101;  // positions 0..100
inline constexpr int kStake = 20;
inline constexpr int kSeriesSpins = 15;
inline constexpr int kFreeMultiplier = 4;
inline constexpr int kEmptyRunSlots = 50;

// The win lines as the evaluation reads them: bit L of row[reel][r] is set
// when win line L crosses row r on that reel.
struct LineMasks {
  uint32_t row[kReels][kRows] = {};
};

struct GameState {
  // Game definition: set by the load (game_load.h), then read-only.
  std::string GameVersion;
  float Game_RTP = 0.0f;
  int32_t RngSeed = 0;
  int16_t ReelStripLast = 0;
  int16_t FreeReelStripLast = 0;
  std::string FigureName[kFigures];
  std::vector<std::string> FigureNameList;            // empty until the load
  int16_t ReelStrip[kStripPositions][kReels] = {};     // (position, reel)
  int16_t FreeReelStrip[kStripPositions][kReels] = {};
  int16_t ReelLast[kReels] = {};
  int16_t FreeReelLast[kReels] = {};
  int16_t PayTable[kFigures][6] = {};                  // (figure, count)
  int16_t WinLineRow[kLines][kReels] = {};             // (line, reel)
  int16_t WinLineShape[kLines][kReels] = {};
  LineMasks WinLineMasks;                              // derived from WinLineRow

  // Symbol window and the current game.
  int16_t ReelStop[kReels] = {};
  int16_t FreeReelStop[kReels] = {};
  int16_t Screen[kRows][kReels] = {};                  // (row, reel)
  int32_t LineResult[kLines + 1][3] = {};              // (line, item): figure, count, win
  int16_t StopReel = 0;
  int64_t WinBeforeGame = 0;

  // Statistics counters.
  int64_t Games = 0;
  int64_t TotalBet = 0;
  int64_t TotalWin = 0;
  int64_t FreeGames = 0;
  int64_t FreeWin = 0;
  int64_t WinCount = 0;
  int64_t LineHits[kLines + 1][6][kFigures] = {};      // (line, count, figure)
  int64_t LineWins[kLines + 1][kFigures][6] = {};      // (line, figure, count)
  int64_t EmptyRuns[kEmptyRunSlots] = {};
  int32_t EmptyCount = 0;

  // Free-spin series.
  bool FreeSpinsActive = false;
  // 64-bit: below the retrigger limit that the load enforces every series
  // ends, but one may still run to billions of spins.
  int64_t FreeSpinNo = 0;
  int64_t FreeSpinsPlayed = 0;
  int64_t SeriesWin = 0;
  int16_t Retriggered = 0;
  float SeriesWinX = 0.0f;

  // Credit.
  int32_t Cash = 0;
  int32_t CashIn = 0;

  // Run control.
  int16_t QuietMode = 0;
  int64_t GamesPerRun = 0;
  std::string ReportFileName;
};

}  // namespace tamberlo
