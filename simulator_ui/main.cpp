// Tamberlo: the slot simulator program.
#include <QApplication>

#include "startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tamberlo");
  // The game state and the run logs live as long as the process: Exit ends it from anywhere.
  static tamberlo::GameState state;
  static tamberlo::RunLogs logs;
  std::unique_ptr<frmQuorvane> window = tamberlo::ui::Main(state, logs);
  if (!window) return 1;
  return QApplication::exec();
}
