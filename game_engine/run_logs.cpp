#include "run_logs.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

#include "text_format.h"

namespace tamberlo {

namespace {

constexpr const char* kPercentName = "Percent_10000.txt";
constexpr const char* kJackpotName = "Jackpot.txt";
constexpr const char* kFreeSpinsName = "FreeSpins.txt";
constexpr size_t kZone = 14;

// Longest line: a few 20-digit numbers, a double of up to 309 integer
// digits with six decimals, and the literals.
using LineBuffer = char[512];

std::runtime_error FileError(const char* verb, const char* name, int error) {
  return std::runtime_error(std::string("Cannot ") + verb + " " + name + ": " +
                            std::strerror(error));
}

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

void WriteLine(std::FILE* file, const char* name, const char* line, const char* end) {
  if (!file) throw std::runtime_error(std::string("Cannot write ") + name + ": the file is not open");
  const size_t length = static_cast<size_t>(end - line);
  if (std::fwrite(line, 1, length, file) != length) throw FileError("write", name, errno);
}

std::FILE* Create(const char* name) {
  std::FILE* file = std::fopen(name, "wb");
  if (!file) throw FileError("create", name, errno);
  return file;
}

// Flushes and closes; returns the error number of a failure, 0 on success.
int CloseFile(std::FILE*& file) {
  if (!file) return 0;
  const int result = std::fclose(file);
  file = nullptr;
  return result == 0 ? 0 : (errno ? errno : EIO);
}

}  // namespace

RunLogs::~RunLogs() {
  CloseFile(jackpot_);
  CloseFile(percent_);
  CloseFile(freeSpins_);
}

void RunLogs::Open() {
  percent_ = Create(kPercentName);
  jackpot_ = Create(kJackpotName);
  freeSpins_ = Create(kFreeSpinsName);
}

void RunLogs::Close() {
  const int jackpotError = CloseFile(jackpot_);
  const int percentError = CloseFile(percent_);
  const int freeSpinsError = CloseFile(freeSpins_);
  if (jackpotError) throw FileError("write", kJackpotName, jackpotError);
  if (percentError) throw FileError("write", kPercentName, percentError);
  if (freeSpinsError) throw FileError("write", kFreeSpinsName, freeSpinsError);
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
  WriteLine(jackpot_, kJackpotName, line, EndLine(p));
}

void RunLogs::WriteFreeSpins(int64_t triggeringGame, int64_t spinsPlayed, float seriesWinX) {
  LineBuffer line;
  char* p = AppendRightAligned(line, triggeringGame, 10);
  p = AppendRightAligned(p, spinsPlayed, 5);
  p = Append(p, " Free_Spins_Won = ");
  char win[400];
  const char* winEnd = AppendDecimal(win, static_cast<double>(seriesWinX), 1, 3);
  p = AppendRightAligned(p, win, static_cast<size_t>(winEnd - win), 9);
  WriteLine(freeSpins_, kFreeSpinsName, line, EndLine(p));
}

void RunLogs::WritePercent(double windowReturnPercent, int64_t games) {
  LineBuffer line;
  char* p = AppendDecimal(line, windowReturnPercent, 2, 6);
  p = NextZone(line, p);
  p = AppendNumberItem(p, games);
  WriteLine(percent_, kPercentName, line, EndLine(p));
}

}  // namespace tamberlo
