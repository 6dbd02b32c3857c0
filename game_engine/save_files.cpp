#include "save_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "text_format.h"

namespace tamberlo {

namespace {

constexpr const char* kCrLf = "\r\n";

// The last `width` characters of the text after enough blanks: the fields
// of a fixed record are always exactly full.
std::string Field(const std::string& text, size_t width) {
  if (text.size() >= width) return text.substr(text.size() - width);
  return std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::string TotalsBlock(const GameState& s) {
  const char* count = "# ### ### ##0";
  const std::string share =
      s.TotalBet == 0
          ? " no games yet"
          : FormatPattern(static_cast<double>(s.TotalWin) / static_cast<double>(s.TotalBet),
                          "### ##0.000%");
  return std::string(kCrLf) + std::string(60, '-') + kCrLf +                  //
         "Games     = " + FormatPattern(s.Games, count) + kCrLf +             //
         "Total Win = " + FormatPattern(s.TotalWin, count) + kCrLf +          //
         "Total Bet = " + FormatPattern(s.TotalBet, count) + kCrLf +          //
         "Total %   = " + share + kCrLf +                                      //
         kCrLf;
}

std::string EmptyRunsRecords(const GameState& s) {
  std::string records;
  records.reserve(kEmptyRunSlots * 25);
  for (int i = 0; i < kEmptyRunSlots; ++i) {
    const int64_t runs = s.EmptyRuns[i];
    const std::string share =
        s.Games == 0 ? "no games"
                     : FormatPattern(static_cast<double>(runs) / static_cast<double>(s.Games),
                                     "0.0000%");
    records += Field(PlainText(int64_t{i}), 4) + Field(PlainText(runs), 10) + Field(share, 9) + kCrLf;
  }
  return records;
}

void WriteEmptyRuns(const std::string& path, const GameState& s) {
  const std::string records = EmptyRunsRecords(s);
  auto fail = [&](int error) {
    return std::runtime_error("Cannot write " + path + ": " + std::strerror(error));
  };
  // No O_TRUNC: the records are written in place, an older tail stays.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) throw fail(errno);
  size_t done = 0;
  while (done < records.size()) {
    const ssize_t n = ::pwrite(fd, records.data() + done, records.size() - done,
                               static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = n < 0 ? errno : EIO;
      ::close(fd);
      throw fail(error);
    }
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0) throw fail(errno);
}

}  // namespace tamberlo
