#include "run_logs.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "file_failure.h"
#include "text_format.h"

namespace tamberlo {

namespace {

constexpr size_t kZone = 14;

// Longest line: a few 20-digit numbers, a double of up to 309 integer
// digits with six decimals, and the literals.
using LineBuffer = char[512];

char* Append(char* p, const char* text) {
  const size_t n = std::strlen(text);
  std::memcpy(p, text, n);
  return p + n;
}

char* AppendInteger(char* p, int64_t value) { return std::to_chars(p, p + 24, value).ptr; }

// The value right-aligned in `width` characters; a longer value is written whole.
char* AppendRightAligned(char* p, const char* text, size_t length, size_t width) {
  if (length < width) {
    std::memset(p, ' ', width - length);
    p += width - length;
  }
  std::memcpy(p, text, length);
  return p + length;
}

char* AppendRightAligned(char* p, int64_t value, size_t width) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return AppendRightAligned(p, digits, static_cast<size_t>(end - digits), width);
}

// Blanks up to the start of the next print zone.
char* NextZone(const char* line, char* p) {
  const size_t used = static_cast<size_t>(p - line);
  const size_t target = (used / kZone + 1) * kZone;
  std::memset(p, ' ', target - used);
  return p + (target - used);
}

// A number item of a file line: blank-led, one trailing blank.
char* AppendNumberItem(char* p, int64_t value) {
  if (value >= 0) *p++ = ' ';
  p = AppendInteger(p, value);
  *p++ = ' ';
  return p;
}

// A decimal with at least `minInt` integer digits and exactly `decimals`
// decimals, no separators ("###0.000", "00.000000"), rounded as every
// pattern of the program rounds.
char* AppendDecimal(char* p, double value, int minInt, int decimals) {
  if (std::isnan(value)) return Append(p, "NaN");
  if (std::isinf(value)) return Append(p, value < 0 ? "-Inf" : "Inf");
  char digits[kMaxRoundedDigits];
  const int intCount = RoundedDigits(std::fabs(value), decimals, digits);
  char* const end = digits + intCount + decimals;
  if (value < 0 && std::any_of(digits, end, [](char c) { return c != '0'; })) *p++ = '-';
  for (int pad = intCount; pad < minInt; ++pad) *p++ = '0';
  p = std::copy(digits, digits + intCount, p);
  if (decimals > 0) {
    *p++ = '.';
    p = std::copy(digits + intCount, end, p);
  }
  return p;
}

char* EndLine(char* p) {
  *p++ = '\r';
  *p++ = '\n';
  return p;
}

}  // namespace

RunLogs::~RunLogs() { Close(); }

void RunLogs::Open() {
  failures_ = 0;
  for (Log* log : {&percent_, &jackpot_, &freeSpins_}) {
    CloseLog(*log);
    log->fd = ::open(log->name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (log->fd < 0) throw FileError(FileFailure(log->name, errno));
    log->error = 0;
    log->cutError = 0;
    log->onDisk = 0;
    log->lastGameLines = 0;
  }
}

void RunLogs::Flush() {
  for (Log* log : {&percent_, &jackpot_, &freeSpins_})
    if (log->used > 0) WriteOut(*log);
}

void RunLogs::Close() {
  for (Log* log : {&jackpot_, &percent_, &freeSpins_}) {
    if (log->used > 0) WriteOut(*log);
    CloseLog(*log);
  }
}

std::string RunLogs::IncompleteReport() const {
  std::string report;
  for (const Log* log : {&jackpot_, &freeSpins_, &percent_}) {
    if (log->error == 0) continue;
    if (!report.empty()) report += "\r\n";
    report += FileFailure(log->name, log->error);
    if (log->missingFromHeld == 0) {
      report += " The file holds no line from game " + PlainText(log->missingFrom) + " on";
    } else {
      report += " The file holds " + PlainText(int64_t{log->missingFromHeld}) +
                (log->missingFromHeld == 1 ? " line of game " : " lines of game ") + PlainText(log->missingFrom) +
                " and none after it";
    }
    if (log->cutError == 0) {
      report += '.';
    } else {
      report += std::string(" but may end in a partial line: it could not be cut back to its last whole line (") +
                std::strerror(log->cutError) + ").";
    }
  }
  return report;
}

// A line for a log that is not open is lost, and the log says so.
void RunLogs::WriteLine(Log& log, int64_t game, const char* line, const char* end) {
  if (log.fd < 0) {
    if (log.error == 0) Fail(log, EBADF, game, 0);
    return;
  }
  const size_t length = static_cast<size_t>(end - line);
  if (log.used + length > kBufferBytes || log.lines == kMaxLines) {
    WriteOut(log);
    if (log.fd < 0) return;
  }
  std::memcpy(log.buffer + log.used, line, length);
  log.used += length;
  log.lineEnd[log.lines] = static_cast<uint32_t>(log.used);
  log.lineGame[log.lines++] = game;
}

// The lines of `game` on disk once the first `written` buffered lines are.
// Games never decrease, so those lines end the file.
int RunLogs::LinesOnDisk(const Log& log, int written, int64_t game) {
  int lines = 0;
  while (lines < written && log.lineGame[written - 1 - lines] == game) ++lines;
  return lines == written && log.lastGame == game ? lines + log.lastGameLines : lines;
}

// The buffer holds whole lines only. Of a write that stops short, the whole
// lines that reached the disk stay and the torn one is cut off.
void RunLogs::WriteOut(Log& log) {
  size_t done = 0;
  while (done < log.used) {
    const ssize_t n = ::write(log.fd, log.buffer + done, log.used - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    const int error = n < 0 ? errno : EIO;
    int first = 0;
    while (log.lineEnd[first] <= done) ++first;
    const size_t kept = first == 0 ? 0 : log.lineEnd[first - 1];
    // Only a write that stopped inside a line leaves a torn one to cut off.
    const int cutError = done > kept && ::ftruncate(log.fd, log.onDisk + static_cast<off_t>(kept)) != 0 ? errno : 0;
    const int64_t missing = log.lineGame[first];
    Fail(log, error, missing, LinesOnDisk(log, first, missing));
    log.cutError = cutError;
    return;
  }
  log.onDisk += static_cast<off_t>(done);
  const int64_t last = log.lineGame[log.lines - 1];
  log.lastGameLines = LinesOnDisk(log, log.lines, last);
  log.lastGame = last;
  log.used = 0;
  log.lines = 0;
}

void RunLogs::Fail(Log& log, int error, int64_t missingFrom, int missingFromHeld) {
  CloseLog(log);
  log.error = error;
  log.missingFrom = missingFrom;
  log.missingFromHeld = missingFromHeld;
  ++failures_;
}

// Every line was taken by write(2) before: a close has nothing left to lose.
void RunLogs::CloseLog(Log& log) {
  if (log.fd >= 0) ::close(log.fd);
  log.fd = -1;
  log.used = 0;
  log.lines = 0;
}

void RunLogs::WriteJackpot(int64_t games, int lineNumber, bool freeSpin) {
  LineBuffer line;
  char* p = AppendRightAligned(line, games, 8);
  p = NextZone(line, p);
  p = AppendNumberItem(p, lineNumber);
  if (freeSpin) {
    p = NextZone(line, p);
    p = Append(p, "  Free Spin");
  }
  WriteLine(jackpot_, games, line, EndLine(p));
}

void RunLogs::WriteFreeSpins(int64_t triggeringGame, int64_t spinsPlayed, float seriesWinX) {
  LineBuffer line;
  char* p = AppendRightAligned(line, triggeringGame, 10);
  p = AppendRightAligned(p, spinsPlayed, 5);
  p = Append(p, " Free_Spins_Won = ");
  char win[400];
  const char* winEnd = AppendDecimal(win, static_cast<double>(seriesWinX), 1, 3);
  p = AppendRightAligned(p, win, static_cast<size_t>(winEnd - win), 9);
  WriteLine(freeSpins_, triggeringGame, line, EndLine(p));
}

void RunLogs::WritePercent(double windowReturnPercent, int64_t games) {
  LineBuffer line;
  char* p = AppendDecimal(line, windowReturnPercent, 2, 6);
  p = NextZone(line, p);
  p = AppendNumberItem(p, games);
  WriteLine(percent_, games, line, EndLine(p));
}

}  // namespace tamberlo
