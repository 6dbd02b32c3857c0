#include "startup.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <random>

#include "corvello_binding.h"
#include "definition_file.h"
#include "ui_platform.h"

namespace tamberlo::ui {

int32_t ClockSeed() {
  std::mt19937 source(static_cast<uint32_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  // The whole part of r x 65536 for r = the draw / 2^32 in [0, 1).
  return static_cast<int32_t>(source() >> 16);
}

std::unique_ptr<frmQuorvane> Main(GameState& state, RunLogs& logs) {
  corvello::SetFailureReporter(
      [](const std::string& message) { MessageBox(nullptr, QString::fromStdString(message)); });
  try {
    HeadPass head("ReelSetup.ini");
    head.ReadVersionRtpSeed(state);
    if (state.RngSeed < 0) state.RngSeed = ClockSeed();
    corvello::rng_Init(state.RngSeed);
    head.ReadCountsAndNames(state);

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
