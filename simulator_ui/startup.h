#pragma once
// Start-up: the head of ReelSetup.ini, the library's seed, the main window.
#include <cstdint>
#include <memory>
#include <string>

#include "frm_quorvane.h"

namespace tamberlo::ui {

// Reads the head of ReelSetup.ini in the current directory, replaces a
// negative seed, seeds Corvello, then creates, loads and shows the main
// window. When the game cannot start, the user is told why (message box and
// standard error) and the result is empty; no window has been shown then.
std::unique_ptr<frmQuorvane> Main(GameState& state, RunLogs& logs);

}  // namespace tamberlo::ui
