#pragma once
// Everything the engine does to the screen, in one small interface. The main
// window implements it; tests record every call; the benchmark ignores them.
#include <cstdint>
#include <string_view>

#include "labels.h"

namespace tamberlo {

class Display {
 public:
  virtual ~Display() = default;

  // Symbol window (cells are numbered row * 5 + reel).
  virtual void DrawScreen() = 0;              // the 15 cells from Screen
  virtual void DrawWinLine(int line) = 0;     // line 0..19 in its colour
  virtual void DrawScatterBox(int cell) = 0;  // green box inside one cell
  virtual void SetReelCaption(int reel, int stop) = 0;

  // Detail text box txtTextBox1.
  virtual void ClearDetailText() = 0;
  virtual void AppendDetailText(std::string_view text) = 0;

  // One of the main window's labels: its numbers now, its text when painted.
  virtual void SetLabel(LabelSlot slot, const LabelValue& value) = 0;

  // Modal message box with an OK button, titled with the program's name.
  virtual void ShowMessage(std::string_view text) = 0;

  // The run flag: the caption of cmdAUTO, "Stop" while a run is under way.
  virtual bool RunFlagIsStop() const = 0;
  virtual void SetRunFlag(bool stop) = 0;

  virtual bool AutoStopChecked() const = 0;   // chkStopJP
  virtual void SetAddEnabled(bool enabled) = 0;
  virtual void SetStepEnabled(bool enabled) = 0;
  virtual void FocusStep() = 0;
  virtual void FocusAdd() = 0;

  // The other windows and the window system, as the run loop and Step reach them.
  virtual void ShowHits() = 0;        // StatisticsHits.ShowHits
  virtual void DrawPercent() = 0;     // frmSlotChart.DrawPercent
  virtual void ProcessEvents() = 0;   // handle every pending window event
  virtual void Save() = 0;            // cmdSave_Click
};

}  // namespace tamberlo
