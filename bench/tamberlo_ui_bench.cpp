// tamberlo-ui-bench GAMES: times a Run of the real program with its windows,
// from the click on "Run" to the message of the game count, in the current
// folder (which must hold ReelSetup.ini). Run it next to tamberlo-bench with
// the same file and count to see what the windows cost a run.
#include <QApplication>
#include <QTimer>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "startup.h"
#include "ui_platform.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: tamberlo-ui-bench GAMES\n"
               "  Times a Run of GAMES games (a positive multiple of 100) with the windows\n"
               "  shown, in the current folder, which must hold ReelSetup.ini. It writes\n"
               "  there what the program writes: Temp1.txt and empty.txt (the run ends with\n"
               "  a Save) and the run logs Jackpot.txt, FreeSpins.txt and Percent_10000.txt.\n"
               "  Without a display: QT_QPA_PLATFORM=offscreen tamberlo-ui-bench GAMES\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Read before Qt starts, which ends the process when there is no display.
  if (argc != 2) return Usage();
  const std::string_view text = argv[1];
  long long games = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), games);
  if (error != std::errc() || end != text.data() + text.size() || games <= 0 || games % 100 != 0) return Usage();
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if ((platform == nullptr || *platform == '\0') && std::getenv("DISPLAY") == nullptr &&
      std::getenv("WAYLAND_DISPLAY") == nullptr) {
    std::fprintf(stderr, "tamberlo-ui-bench: there is no display (DISPLAY and WAYLAND_DISPLAY are unset)\n");
    return Usage();
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tamberlo");
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
