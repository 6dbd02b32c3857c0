// tamberlo-bench FILE GAMES [LOGDIR]: plays GAMES quiet base games of the game
// in FILE through the run loop and prints the totals and the speed. The report
// and the run logs are written as in a run, but into LOGDIR or a temporary
// folder that is removed afterwards, so the benchmark leaves nothing where it runs.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "bench_game.h"
#include "file_failure.h"

namespace {

int Usage(const char* problem) {
  std::fprintf(stderr,
               "tamberlo-bench: %s\n"
               "usage: tamberlo-bench FILE GAMES [LOGDIR]\n"
               "  FILE    the game definition (ReelSetup.ini)\n"
               "  GAMES   base games to play, a positive multiple of 100\n"
               "  LOGDIR  the folder that keeps the report and the run logs (Temp1.txt,\n"
               "          Jackpot.txt, FreeSpins.txt, Percent_10000.txt); without it they\n"
               "          go to a temporary folder that is removed at the end\n",
               problem);
  return 2;
}

// The current folder while it lives: the one named (made when missing), or a
// fresh temporary one that is removed with it.
class LogFolder {
 public:
  explicit LogFolder(const char* named) : temporary_(named == nullptr) {
    if (named != nullptr) {
      path_ = named;
      std::filesystem::create_directories(path_);
    } else {
      std::string pattern = (std::filesystem::temp_directory_path() / "tamberlo-bench-XXXXXX").string();
      if (mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "cannot make a temporary folder " + pattern);
      path_ = pattern;
    }
    std::filesystem::current_path(path_);
  }
  ~LogFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    if (temporary_) std::filesystem::remove_all(path_, ignored);
  }
  LogFolder(const LogFolder&) = delete;
  LogFolder& operator=(const LogFolder&) = delete;

 private:
  std::filesystem::path previous_ = std::filesystem::current_path();
  std::filesystem::path path_;
  bool temporary_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) return Usage("expected two or three arguments");
  const std::string_view text = argv[2];
  int64_t games = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), games);
  if (error != std::errc() || end != text.data() + text.size() || games <= 0 || games % 100 != 0)
    return Usage("GAMES must be a positive multiple of 100");

  tamberlo::IgnoreFileSizeSignal();  // as the program does: a log past the limit fails, it does not kill
  try {
    tamberlo::GameState s;
    // The definition is named from where the benchmark started; the report
    // the load writes goes with the logs.
    const std::filesystem::path definition = std::filesystem::absolute(argv[1]);
    double seconds = 0;
    {
      LogFolder logs(argc == 4 ? argv[3] : nullptr);
      tamberlo::LoadGame(s, definition.string(), &corvello::rng_Init);
      seconds = tamberlo::bench::RunGames(s, games);
    }
    std::printf("Games %lld\nTotalBet %lld\nTotalWin %lld\nWinCount %lld\nFreeGames %lld\n"
                "FreeWin %lld\ngames_per_second %lld\n",
                static_cast<long long>(s.Games), static_cast<long long>(s.TotalBet),
                static_cast<long long>(s.TotalWin), static_cast<long long>(s.WinCount),
                static_cast<long long>(s.FreeGames), static_cast<long long>(s.FreeWin),
                static_cast<long long>(static_cast<double>(s.Games) / seconds));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tamberlo-bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
