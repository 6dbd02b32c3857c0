#include "save_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "file_failure.h"
#include "text_format.h"
#include "whole_file.h"

namespace tamberlo {

namespace {

constexpr const char* kCrLf = "\r\n";

// The last `width` characters of the text after enough blanks: the fields
// of a fixed record are always exactly full.
std::string Field(const std::string& text, size_t width) {
  if (text.size() >= width) return text.substr(text.size() - width);
  return std::string(width - text.size(), ' ') + text;
}

// One file of the Save and how to take it back to what it held before: its
// former length and the bytes the Save overwrites. Each step returns 0 or
// the error number.
class SavedFile {
 public:
  // `leftover` says what the file may hold when it cannot be taken back.
  SavedFile(std::string path, off_t overwritten, const char* leftover)
      : path_(std::move(path)), overwritten_(overwritten), leftover_(leftover) {}
  ~SavedFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  SavedFile(const SavedFile&) = delete;
  SavedFile& operator=(const SavedFile&) = delete;

  const std::string& Path() const { return path_; }
  off_t Length() const { return length_; }

  int Open() {
    const int access = (overwritten_ > 0 ? O_RDWR : O_WRONLY) | O_CLOEXEC;
    fd_ = ::open(path_.c_str(), access);
    if (fd_ < 0 && errno == ENOENT) {
      fd_ = ::open(path_.c_str(), access | O_CREAT | O_EXCL, 0666);
      created_ = fd_ >= 0;
    }
    if (fd_ < 0) return errno;
    struct stat status {};
    if (::fstat(fd_, &status) != 0) return errno;
    length_ = status.st_size;
    former_.resize(static_cast<size_t>(std::min(length_, overwritten_)));
    if (!former_.empty() && ::pread(fd_, former_.data(), former_.size(), 0) != static_cast<ssize_t>(former_.size()))
      return errno ? errno : EIO;
    return 0;
  }

  int Write(std::string_view bytes, off_t offset) {
    size_t done = 0;
    const int error = WriteAt(fd_, bytes, offset, done);
    written_ = std::max(written_, offset + static_cast<off_t>(done));
    return error;
  }

  // The former bytes back over what was overwritten, the former length, or
  // no file at all where there was none; it asks for no new room on the
  // disk. Returns what the file may hold where that fails, else nothing.
  std::string Undo() {
    const char* failed = nullptr;
    int error = 0;
    if (created_) {
      if (::unlink(path_.c_str()) != 0) error = errno, failed = "could not be removed";
    } else if (fd_ >= 0) {
      size_t done = 0;
      const off_t overwritten = std::min(written_, static_cast<off_t>(former_.size()));
      error = WriteAt(fd_, std::string_view(former_).substr(0, static_cast<size_t>(overwritten)), 0, done);
      if (error != 0) {
        failed = "could not be given its former bytes back";
      } else if (written_ > length_ && ::ftruncate(fd_, length_) != 0) {
        error = errno, failed = "could not be cut back to its former length";
      }
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    created_ = false;
    if (failed == nullptr) return {};
    return path_ + " " + failed + " (" + std::strerror(error) + ") and " + leftover_;
  }

 private:
  std::string path_;
  off_t overwritten_;
  const char* leftover_;
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
  SavedFile report(s.ReportFileName, 0, "may end in a partial block of this Save");
  SavedFile emptyRuns(kEmptyRunsFileName, static_cast<off_t>(records.size()), "may hold part of this Save's table");
  SavedFile* failed = &report;
  int error = report.Open();
  if (error == 0) error = report.Write(TotalsBlock(s) + std::string(hitsSection), report.Length());
  if (error == 0) failed = &emptyRuns, error = emptyRuns.Open();
  if (error == 0) error = emptyRuns.Write(records, 0);
  if (error == 0) return;

  const std::string message = FileFailure(failed->Path(), error);
  std::string files;
  bool asTheyWere = true;
  for (SavedFile* file : {&report, &emptyRuns}) {
    const std::string left = file->Undo();
    asTheyWere = asTheyWere && left.empty();
    files += (files.empty() ? " " : "; ") + (left.empty() ? file->Path() + " is as it was" : left);
  }
  if (asTheyWere) {
    throw FileError(message + " Nothing was saved: " + report.Path() + " and " + emptyRuns.Path() +
                    " are as they were.");
  }
  throw FileError(message + " The Save is incomplete:" + files + ".");
}

}  // namespace tamberlo
