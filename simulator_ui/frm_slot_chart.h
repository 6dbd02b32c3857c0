#pragma once
// The RTP chart window with its set-up panel.
#include <QWidget>
#include <cstdint>

#include "display.h"
#include "frm_slot_chart_canvas.h"
#include "frm_slot_chart_setup.h"
#include "game_state.h"
#include "rtp_chart.h"
#include "run_logs.h"
#include "screen_cadence.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class frmSlotChart : public QWidget {
  Q_OBJECT

 public:
  // Creating the window runs its load: placement, set-up defaults, the empty chart.
  // `mainWindow` is where the run flag lives.
  frmSlotChart(const tamberlo::GameState& state, tamberlo::RunLogs& logs,
               tamberlo::Display& mainWindow, QWidget* parent = nullptr);

  void DrawPercent();

  // The set-up in force (the one last read from the boxes without refusal).
  const tamberlo::chart::ChartSetup& Setup() const { return setup_; }
  // The drawing as the bitmap files get it.
  QImage ChartImage();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load();
  void CreateControls();
  void PlaceByFrame();
  // The box that holds an unusable value, or null when the set-up was read.
  QLineEdit* ReadChartSetup();
  void FormFormat();
  QImage EmptyChart() const;
  void cmdCharSetup_Click();
  void chkSave_Click(bool checked);
  void AskPrintData();

  void WriteSummary(const std::string& text);
  void SaveDrawing(const QString& fileName);
  void ShowPending();
  // Shows what was drawn, once a frame at most.
  void ShowSoon();

  const tamberlo::GameState& state_;
  tamberlo::RunLogs& logs_;
  tamberlo::Display& mainWindow_;

  QPushButton* cmdCharSetup_ = nullptr;
  QGroupBox* fraCharSetup_ = nullptr;
  QCheckBox* chkContinue_ = nullptr;
  QCheckBox* chkClear_ = nullptr;
  QCheckBox* chkPrint_ = nullptr;
  QCheckBox* chkSave_ = nullptr;
  QCheckBox* chkChart_ = nullptr;
  QLineEdit* setupBoxes_[tamberlo::chart::kSetupBoxes] = {};  // txtMastabi 0..3, txtCounterRST 0..2

  tamberlo::chart::ChartSetup setup_;
  int16_t ChartSetupChanged = 0;
  QColor foreColor_ = Qt::black;
  tamberlo::chart::ChartCanvas canvas_;
  // The empty chart of the last set-up and colour, for sweeps that clear.
  QImage emptyChart_;
  tamberlo::chart::ChartSetup emptySetup_;
  QColor emptyColour_;
  tamberlo::ui::FrameCoalescer show_{[this] { ShowPending(); }};

  // DrawPercent's state, kept from call to call.
  tamberlo::chart::RtpChart rtp_;
};
