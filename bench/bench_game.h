#pragma once
// The benchmark's game: loaded from a definition file as the program loads
// it, then run through Game::RunClick with a display that draws nothing and
// stops the run once enough games are played. Shared by the benchmark and
// the signature test.
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "corvello_binding.h"
#include "display.h"
#include "game.h"
#include "game_load.h"
#include "game_state.h"
#include "run_logs.h"

namespace tamberlo::bench {

// Draws nothing; its event processing stands for the user's Stop click
// once `target` games have been played.
class NullDisplay final : public Display {
 public:
  NullDisplay(const GameState& s, int64_t target) : s_(s), target_(target) {}

  void DrawScreen() override {}
  void DrawWinLine(int) override {}
  void DrawScatterBox(int) override {}
  void SetReelCaption(int, int) override {}
  void ClearDetailText() override {}
  void AppendDetailText(std::string_view) override {}
  void SetLabel(LabelSlot, const LabelValue&) override {}
  void ShowMessage(std::string_view) override {}
  bool RunFlagIsStop() const override { return stop_; }
  void SetRunFlag(bool stop) override { stop_ = stop; }
  bool AutoStopChecked() const override { return false; }
  void SetAddEnabled(bool) override {}
  void SetStepEnabled(bool) override {}
  void FocusStep() override {}
  void FocusAdd() override {}
  void ShowHits() override {}
  void DrawPercent() override {}
  void ProcessEvents() override {
    if (s_.Games >= target_) stop_ = false;
  }
  void Save() override {}

 private:
  const GameState& s_;
  int64_t target_;
  bool stop_ = false;
};

// Runs `games` base games (a multiple of 100) with the run logs in the
// current directory; returns the seconds the run took.
inline double RunGames(GameState& s, int64_t games) {
  RunLogs logs;
  logs.Open();
  NullDisplay display(s, games);
  Game game(s, display, logs, &corvello::rng_GenNumber);
  const auto start = std::chrono::steady_clock::now();
  game.RunClick();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  logs.Close();
  if (logs.Failures() != 0) throw std::runtime_error(logs.IncompleteReport());
  return elapsed.count();
}

}  // namespace tamberlo::bench
