#pragma once
// The main window: symbol window, Step, Run/Stop, Save, Exit, the stop-reel
// buttons, the labels. It is the engine's Display and holds no game rule.
#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "display.h"
#include "frm_quorvane_repaint.h"
#include "game.h"
#include "game_state.h"
#include "run_logs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SymbolCell;
class StatisticsHits;
class frmSlotChart;

class frmQuorvane : public QWidget, public tamberlo::Display {
  Q_OBJECT

 public:
  frmQuorvane(tamberlo::GameState& state, tamberlo::RunLogs& logs,
              tamberlo::GenNumberFn genNumber, QWidget* parent = nullptr);
  ~frmQuorvane() override;

  // The load of a game that LoadGame has loaded: places and titles the
  // window, shows the first symbol window, creates the statistics and chart
  // windows, shows the credit and opens the run logs. Throws with a message
  // naming the file; no window is shown before the load has succeeded.
  void Form_Load();
  // Shows the statistics and chart windows, then this one, Step focused.
  void ShowWindows();

  // Handlers.
  void cmdAUTO_Click();
  void cmdStart_Click();
  void cmdSave_Click();
  void cmdExit_Click();
  void cmdReels_Click(int index);
  void cmd_OskarthDetails_Click();
  void cmdAdd_Click();
  void txtAddCredit_KeyPress(int keyAscii);

  // Display.
  void DrawScreen() override;
  void DrawWinLine(int line) override;
  void DrawScatterBox(int cell) override;
  void SetReelCaption(int reel, int stop) override;
  void ClearDetailText() override;
  void AppendDetailText(std::string_view text) override;
  void SetLabel(tamberlo::LabelSlot slot, const tamberlo::LabelValue& value) override;
  void ShowMessage(std::string_view text) override;
  bool RunFlagIsStop() const override { return runFlagStop_; }
  void SetRunFlag(bool stop) override;
  bool AutoStopChecked() const override;
  void SetAddEnabled(bool enabled) override;
  void SetStepEnabled(bool enabled) override;
  void FocusStep() override;
  void FocusAdd() override;
  void ShowHits() override;
  void DrawPercent() override;
  void ProcessEvents() override;
  void Save() override;

  // Label texts waiting for the screen go to their widgets now.
  void PushLabels();

  // Controls, under their names, for the handlers and the tests.
  QWidget* Picture2 = nullptr;
  QLabel* Picture5 = nullptr;
  std::array<SymbolCell*, tamberlo::kCells> Picture1{};
  std::array<QPixmap, tamberlo::kFigures> ImageList1;
  QPushButton* cmdExit = nullptr;
  QPushButton* cmdAUTO = nullptr;
  QPushButton* cmdStart = nullptr;
  QPushButton* cmdSave = nullptr;
  QPushButton* cmdAdd = nullptr;
  std::array<QPushButton*, tamberlo::kReels> cmdReels{};
  QCheckBox* chkRND = nullptr;
  QCheckBox* chkStopJP = nullptr;
  QLineEdit* txtAddCredit = nullptr;
  QPlainTextEdit* txtTextBox1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* cmd_OskarthDetails = nullptr;
  std::array<QLabel*, tamberlo::kLabelSlots> Label1{};
  QLabel* Label(tamberlo::LabelSlot slot) const { return Label1[tamberlo::LabelIndex(slot)]; }

  StatisticsHits* Statistics() const { return statistics_.get(); }
  frmSlotChart* Chart() const { return chart_.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void SetTabOrder();
  void PlaceByFrame();
  void SetUpCreditBox();  // its keys reach txtAddCredit_KeyPress first
  [[noreturn]] void EndOnError(const std::string& message);

  tamberlo::GameState& state_;
  tamberlo::RunLogs& logs_;
  tamberlo::Game game_;
  bool runFlagStop_ = false;

  // Label values as the engine left them; texts are made when pushed.
  std::array<tamberlo::LabelValue, tamberlo::kLabelSlots> labels_{};
  QFont labelFont_;  // the labels' font wherever their texts fit
  uint32_t dirtyLabels_ = 0;  // bit i: Label1(i) waits for the screen
  tamberlo::ui::Pace poll_{tamberlo::ui::kPoll};
  RepaintThrottle repaint_{[this] { PushLabels(); }};

  std::unique_ptr<StatisticsHits> statistics_;
  std::unique_ptr<frmSlotChart> chart_;
};
