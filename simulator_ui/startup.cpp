#include "startup.h"

#include <cstdio>
#include <exception>

#include "corvello_binding.h"
#include "file_failure.h"
#include "game_load.h"
#include "ui_platform.h"

namespace tamberlo::ui {

std::unique_ptr<frmQuorvane> Main(GameState& state, RunLogs& logs) {
  IgnoreFileSizeSignal();  // before the report, the first file written
  corvello::SetFailureReporter(
      [](const std::string& message) { MessageBox(nullptr, QString::fromStdString(message)); });
  try {
    LoadGame(state, kDefinitionFileName, &corvello::rng_Init);
    auto window = std::make_unique<frmQuorvane>(state, logs, &corvello::rng_GenNumber);
    window->Form_Load();
    window->ShowWindows();
    return window;
  } catch (const std::exception& error) {
    ReportError(error.what());
    return nullptr;
  }
}

}  // namespace tamberlo::ui
