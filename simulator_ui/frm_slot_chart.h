#pragma once
// The RTP chart window with its set-up panel.
#include <QWidget>

#include "display.h"
#include "game_state.h"
#include "run_logs.h"

class frmSlotChart : public QWidget {
  Q_OBJECT

 public:
  // Creating the window runs its load: placement, set-up defaults, the empty chart.
  // `mainWindow` is where the run flag lives.
  frmSlotChart(const tamberlo::GameState& state, tamberlo::RunLogs& logs,
               tamberlo::Display& mainWindow, QWidget* parent = nullptr);

  void DrawPercent();

 private:
  const tamberlo::GameState& state_;
  tamberlo::RunLogs& logs_;
  tamberlo::Display& mainWindow_;
};
