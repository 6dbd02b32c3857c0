// tamberlo-bench FILE GAMES: plays GAMES quiet base games of the game in
// FILE through the run loop and prints the totals and the speed.
#include <charconv>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <system_error>

#include "bench_game.h"

namespace {

int Usage(const char* problem) {
  std::fprintf(stderr,
               "tamberlo-bench: %s\n"
               "usage: tamberlo-bench FILE GAMES\n"
               "  FILE   the game definition (ReelSetup.ini)\n"
               "  GAMES  base games to play, a positive multiple of 100\n",
               problem);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage("expected two arguments");
  const std::string_view text = argv[2];
  int64_t games = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), games);
  if (error != std::errc() || end != text.data() + text.size() || games <= 0 || games % 100 != 0)
    return Usage("GAMES must be a positive multiple of 100");

  try {
    tamberlo::GameState s;
    tamberlo::LoadGame(s, argv[1], &corvello::rng_Init);
    const double seconds = tamberlo::bench::RunGames(s, games);
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
