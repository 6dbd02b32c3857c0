// tamberlo-ui-bench GAMES: times a Run of the real program with its windows,
// from the click on "Run" to the message of the game count, in the current
// folder (which must hold ReelSetup.ini). Run it next to tamberlo-bench with
// the same file and count to see what the windows cost a run.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "startup.h"
#include "ui_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tamberlo");
  const long long games = argc == 2 ? std::atoll(argv[1]) : 0;
  if (games <= 0 || games % 100 != 0) {
    std::fprintf(stderr, "usage: tamberlo-ui-bench GAMES (a positive multiple of 100)\n");
    return 2;
  }
  static tamberlo::GameState state;
  static tamberlo::RunLogs logs;
  std::unique_ptr<frmQuorvane> window = tamberlo::ui::Main(state, logs);
  if (!window) return 1;
  state.GamesPerRun = games;  // the run stops by itself, as at 100,000,000

  using Clock = std::chrono::steady_clock;
  Clock::time_point start;
  double seconds = 0;
  tamberlo::ui::SetMessageResponder([&](const QString&, tamberlo::ui::Buttons) {
    if (seconds == 0) seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return tamberlo::ui::Answer::Ok;
  });
  QTimer::singleShot(0, [&] {
    start = Clock::now();
    window->cmdAUTO_Click();
    std::printf("Games %lld\nTotalBet %lld\nTotalWin %lld\nseconds %.3f\ngames_per_second %.0f\n",
                static_cast<long long>(state.Games), static_cast<long long>(state.TotalBet),
                static_cast<long long>(state.TotalWin), seconds, static_cast<double>(state.Games) / seconds);
    std::fflush(stdout);
    std::_Exit(0);
  });
  return QApplication::exec();
}
