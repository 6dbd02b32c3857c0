#pragma once
// The statistics window: the hit grid of every base game since start-up.
#include <QWidget>
#include <cstdio>

#include "game_state.h"

class StatisticsHits : public QWidget {
  Q_OBJECT

 public:
  // Creating the window runs its load: the empty table with headers, row labels and pays.
  explicit StatisticsHits(const tamberlo::GameState& state, QWidget* parent = nullptr);

  void ShowHits();
  // Writes the hits section into the report that Save holds open; false when a write failed.
  bool SaveHits(std::FILE* report);

 private:
  const tamberlo::GameState& state_;
};

namespace tamberlo::ui {
// Save's files: the totals block and the hits section appended to the
// report, then empty.txt. On a failure it tells the user in a message box
// naming the file and returns false; nothing is reported as done.
bool SaveResults(const tamberlo::GameState& state, StatisticsHits& statistics, QWidget* parent);
}  // namespace tamberlo::ui
