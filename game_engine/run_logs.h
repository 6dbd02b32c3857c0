#pragma once
// The three run logs, open from the main window's load until Exit:
// Percent_10000.txt (file 101), Jackpot.txt (file 44), FreeSpins.txt (file 333).
// Lines are built in fixed buffers and written buffered: a quiet game that
// logs allocates nothing. A failed write throws std::runtime_error naming the file.
#include <cstdint>
#include <cstdio>

namespace tamberlo {

class RunLogs {
 public:
  RunLogs() = default;
  ~RunLogs();  // closes whatever is still open
  RunLogs(const RunLogs&) = delete;
  RunLogs& operator=(const RunLogs&) = delete;

  // Creates the three files empty in the current directory, in the order
  // Percent_10000.txt, Jackpot.txt, FreeSpins.txt. Throws std::runtime_error
  // naming the file that cannot be created.
  void Open();
  // Closes Jackpot.txt, then Percent_10000.txt, then FreeSpins.txt; all three
  // are closed even when one fails, then the first failure is thrown.
  void Close();

  // One Jackpot.txt line: game number, 1-based line number, "  Free Spin" for free spins.
  void WriteJackpot(int64_t games, int lineNumber, bool freeSpin);
  // One FreeSpins.txt line: triggering game, spins played, series win / 20.
  void WriteFreeSpins(int64_t triggeringGame, int64_t spinsPlayed, float seriesWinX);
  // One Percent_10000.txt line: the blue window's return in percent and Games.
  void WritePercent(double windowReturnPercent, int64_t games);

 private:
  std::FILE* percent_ = nullptr;    // file 101
  std::FILE* jackpot_ = nullptr;    // file 44
  std::FILE* freeSpins_ = nullptr;  // file 333
};

}  // namespace tamberlo
