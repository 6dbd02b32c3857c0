#pragma once
// The three run logs, open from the main window's load until Exit:
// Percent_10000.txt, Jackpot.txt and FreeSpins.txt. Lines are built and
// buffered in place, so a quiet game that logs allocates nothing; they reach
// the disk when a buffer fills and at every Flush.
//
// A log that cannot take its lines (a full disk) is cut back to the end of
// its last whole line, closed and written no further until the next Open:
// it is known to hold none of its lines from a given one on, and Failures()
// counts it.
// Where even the cut fails, the report says that it may end in a torn line.
#include <sys/types.h>

#include <cstdint>
#include <string>

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
  // Every line written so far reaches the disk, or its log fails.
  void Flush();
  // Flushes and closes Jackpot.txt, then Percent_10000.txt, then FreeSpins.txt.
  void Close();

  // One Jackpot.txt line: game number, 1-based line number, "  Free Spin" for free spins.
  void WriteJackpot(int64_t games, int lineNumber, bool freeSpin);
  // One FreeSpins.txt line: triggering game, spins played, series win / 20.
  void WriteFreeSpins(int64_t triggeringGame, int64_t spinsPlayed, float seriesWinX);
  // One Percent_10000.txt line: the blue window's return in percent and Games.
  void WritePercent(double windowReturnPercent, int64_t games);

  // The logs that could not be written in full since Open; it only grows.
  int Failures() const { return failures_; }
  // One line for each of them: the file, why, and the game from which it
  // holds no line, or how many lines of a game it holds and none after it.
  // Empty while every log is whole.
  std::string IncompleteReport() const;

 private:
  // Lines of 19 bytes or more: the line table never fills before the buffer.
  static constexpr size_t kBufferBytes = 8192;
  static constexpr int kMaxLines = 432;

  struct Log {
    explicit Log(const char* fileName) : name(fileName) {}
    const char* name;
    int fd = -1;
    int error = 0;            // why the log is incomplete; 0 while it is whole
    int cutError = 0;         // why its torn last line could not be cut off; 0 if none is left
    int64_t missingFrom = 0;  // the game of its first line that is not on disk
    int missingFromHeld = 0;  // and how many lines of that game are on disk
    off_t onDisk = 0;         // bytes on disk, whole lines only
    int64_t lastGame = 0;     // the game of the last line on disk
    int lastGameLines = 0;    // and how many lines of it are there; 0 for an empty file
    size_t used = 0;
    int lines = 0;
    char buffer[kBufferBytes];
    uint32_t lineEnd[kMaxLines];  // where each buffered line ends in the buffer
    int64_t lineGame[kMaxLines];  // and the game it speaks of
  };

  void WriteLine(Log& log, int64_t game, const char* line, const char* end);
  void WriteOut(Log& log);
  static int LinesOnDisk(const Log& log, int written, int64_t game);
  void Fail(Log& log, int error, int64_t missingFrom, int missingFromHeld);
  void CloseLog(Log& log);

  Log percent_{"Percent_10000.txt"};
  Log jackpot_{"Jackpot.txt"};
  Log freeSpins_{"FreeSpins.txt"};
  int failures_ = 0;
};

}  // namespace tamberlo
