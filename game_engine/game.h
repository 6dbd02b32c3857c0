#pragma once
// Playing the game: one base game, one free spin, the series end, one pass of
// the run loop, the Run/Stop click and the Step click. The windows call these
// and add nothing but widgets.
#include <cstdint>

#include "display.h"
#include "game_state.h"
#include "run_logs.h"

namespace tamberlo {

// rng_GenNumber of the Corvello binding, or a scripted stand-in in tests.
using GenNumberFn = uint32_t (*)(uint32_t n);

class Game {
 public:
  Game(GameState& state, Display& display, RunLogs& logs, GenNumberFn genNumber);

  void PlayBaseGame();
  void PlayFreeSpin();
  // Books a finished series (its win joins FreeWin, TotalWin and the
  // scatter's line wins) and clears the series; Run and Step both end here.
  void SeriesEnd();
  void CountEmptyRun();       // the count of runs of games without a win
  void LogFinishedSeries();   // the FreeSpins.txt line after the next base game

  // One step of a run: a base game, or every spin left of a series. Every
  // 100th game then brings the labels, the chart and the window events up to
  // date; the run ends at a multiple of GamesPerRun games or when a log fails.
  void RunPass();
  void RunClick();            // cmdAUTO_Click: Run or Stop
  void StepClick();           // cmdStart_Click
  // Every line logged so far to disk; a log that could not take its lines
  // since the last such message is told of in one message naming them all.
  void FlushLogs();

 private:
  bool Shown() const { return s_.QuietMode == 0; }
  void DrawStops(int16_t (&stops)[kReels], const int16_t (&last)[kReels]);
  void FillWindow(const int16_t (&stops)[kReels], const int16_t (&strip)[kStripPositions][kReels],
                  const int16_t (&last)[kReels]);
  void DecideDisplay();
  void AutoStop(const char* message);
  void StopForLogs();
  void BaseJackpot(int line, int32_t win);
  void BaseTrigger(int scatters);
  void FreeSpinJackpot(int line);
  void AppendLineText(int line, int64_t win, int32_t count, int32_t figure);
  void ShowScatter(int scatters, int64_t win);

  GameState& s_;
  Display& display_;
  RunLogs& logs_;
  GenNumberFn genNumber_;
  int reportedLogFailures_ = 0;
};

}  // namespace tamberlo
