// Save's files (the main window adds "LOG DONE !!!" and the beep).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "save_files.h"
#include "statistics_hits.h"
#include "ui_platform.h"

namespace tamberlo::ui {
namespace {

constexpr const char* kEmptyRunsFileName = "empty.txt";

bool Fail(QWidget* parent, const std::string& what) {
  MessageBox(parent, QString::fromStdString("Save failed: " + what));
  return false;
}

std::string CannotWrite(const std::string& path, int error) {
  return "cannot write \"" + path + "\" (" + std::strerror(error) + ").";
}

}  // namespace

bool SaveResults(const GameState& state, StatisticsHits& statistics, QWidget* parent) {
  const std::string& report = state.ReportFileName;
  std::FILE* file = std::fopen(report.c_str(), "ab");
  if (file == nullptr) return Fail(parent, CannotWrite(report, errno));

  const std::string totals = TotalsBlock(state);
  bool written = std::fwrite(totals.data(), 1, totals.size(), file) == totals.size();
  written = written && statistics.SaveHits(file);
  const int error = errno;
  // A close can be where a buffered write first fails.
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) return Fail(parent, CannotWrite(report, written ? errno : error));

  try {
    WriteEmptyRuns(kEmptyRunsFileName, state);
  } catch (const std::runtime_error& e) {
    return Fail(parent, e.what());
  }
  return true;
}

}  // namespace tamberlo::ui
