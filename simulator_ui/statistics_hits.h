#pragma once
// The statistics window: the hit grid of every base game since start-up.
#include <QString>
#include <QWidget>
#include <string>

#include "game_state.h"
#include "screen_cadence.h"
#include "statistics_grid.h"

class QLabel;
class QTableView;

class StatisticsHits : public QWidget {
  Q_OBJECT

 public:
  // Creating the window runs its load: the empty table with headers, row labels and pays.
  explicit StatisticsHits(const tamberlo::GameState& state, QWidget* parent = nullptr);

  void ShowHits();
  // The hits section that Save appends to the report, from a fresh refresh.
  std::string SaveHits();

  // The click on the grid: the grid and four totals onto the clipboard, with
  // two status messages a second each.
  void CopyGridToClipboard();
  QString GridClipboardText() const;

  const StatisticsGrid& Grid() const { return *grid_; }
  QTableView* MSFlexGrid1() const { return view_; }
  QLabel* Label1() const { return label1_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Form_Load();
  void Form_Resize();
  // Tells the view of the refreshed grid, once a frame at most.
  void RepaintGridNow();
  // Widens a column whose longest text would lose a digit under its border.
  void FitColumns();

  const tamberlo::GameState& state_;
  StatisticsGrid* grid_;
  QTableView* view_;
  QLabel* label1_;
  tamberlo::ui::FrameCoalescer repaint_{[this] { RepaintGridNow(); }};
};
