#include "save_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "file_failure.h"
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

// Writes all of `bytes` at `offset`; the bytes that did reach the file are
// counted in `done`. Returns 0 or the error number.
int WriteAt(int fd, std::string_view bytes, off_t offset, size_t& done) {
  done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n == 0 || errno != EINTR) {
      return n == 0 ? EIO : errno;
    }
  }
  return 0;
}

// One file of the Save, open for writing, and how to take it back to what
// it held before: its former length and the bytes the Save overwrites.
class SavedFile {
 public:
  SavedFile(const std::string& path, off_t overwritten) : path_(path) {
    const int access = (overwritten > 0 ? O_RDWR : O_WRONLY) | O_CLOEXEC;
    fd_ = ::open(path.c_str(), access);
    if (fd_ < 0 && errno == ENOENT) {
      fd_ = ::open(path.c_str(), access | O_CREAT | O_EXCL, 0666);
      created_ = fd_ >= 0;
    }
    if (fd_ < 0) throw std::runtime_error(FileFailure(path, errno));
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
      const int error = errno;
      Undo();
      throw std::runtime_error(FileFailure(path, error));
    }
    length_ = status.st_size;
    former_.resize(static_cast<size_t>(std::min(length_, overwritten)));
    if (!former_.empty() && ::pread(fd_, former_.data(), former_.size(), 0) != static_cast<ssize_t>(former_.size())) {
      const int error = errno ? errno : EIO;
      Undo();
      throw std::runtime_error(FileFailure(path, error));
    }
  }
  ~SavedFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  SavedFile(const SavedFile&) = delete;
  SavedFile& operator=(const SavedFile&) = delete;

  off_t Length() const { return length_; }

  // Writes `bytes` at `offset`; on a failure the file is taken back and the
  // error thrown.
  void Write(std::string_view bytes, off_t offset) {
    size_t done = 0;
    const int error = WriteAt(fd_, bytes, offset, done);
    written_ = std::max(written_, offset + static_cast<off_t>(done));
    if (error != 0) {
      Undo();
      throw std::runtime_error(FileFailure(path_, error));
    }
  }

  // The former bytes back over what was overwritten, the former length, or
  // no file at all where there was none. It asks for no new room on the disk.
  void Undo() {
    if (created_) {
      ::unlink(path_.c_str());
    } else if (fd_ >= 0) {
      size_t done = 0;
      const off_t overwritten = std::min(written_, static_cast<off_t>(former_.size()));
      WriteAt(fd_, std::string_view(former_).substr(0, static_cast<size_t>(overwritten)), 0, done);
      if (::ftruncate(fd_, length_) != 0) {
        // Only a file that was never lengthened refuses, and it needs no cut.
      }
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool created_ = false;
  off_t length_ = 0;
  off_t written_ = 0;
  std::string former_;
};

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

void SaveResults(const GameState& s, std::string_view hitsSection) {
  const std::string records = EmptyRunsRecords(s);
  SavedFile report(s.ReportFileName, 0);
  report.Write(TotalsBlock(s) + std::string(hitsSection), report.Length());
  try {
    SavedFile emptyRuns(kEmptyRunsFileName, static_cast<off_t>(records.size()));
    emptyRuns.Write(records, 0);
  } catch (...) {
    report.Undo();
    throw;
  }
}

}  // namespace tamberlo
