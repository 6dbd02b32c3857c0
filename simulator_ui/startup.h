#pragma once
// Start-up: the game loaded from ReelSetup.ini, then the windows.
#include <cstdint>
#include <memory>
#include <string>

#include "frm_quorvane.h"

namespace tamberlo::ui {

// Makes a write past the file-size limit fail as a full disk does, loads
// the game of ReelSetup.ini in the current directory (seeding Corvello),
// then creates, loads and shows the main window. When the game cannot
// start, the user is told why (message box and standard error) and the
// result is empty; no window has been shown then.
std::unique_ptr<frmQuorvane> Main(GameState& state, RunLogs& logs);

}  // namespace tamberlo::ui
