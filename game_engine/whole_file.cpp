#include "whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "file_failure.h"

namespace tamberlo {

namespace {

[[noreturn]] void Fail(const std::string& path, int error) { throw FileError(FileFailure(path, error)); }

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file that `path` names: where it is a link, even to a file not made
// yet, the file it leads to is the one written, and the link stays. A link
// that leads round in a circle is left for the open to refuse.
std::string FileNamed(std::string path) {
  for (int links = 0; links < 40; ++links) {
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    if (n <= 0 || n == sizeof target) break;
    const size_t slash = path.rfind('/');
    const bool fromItsFolder = target[0] != '/' && slash != std::string::npos;
    path = (fromItsFolder ? path.substr(0, slash + 1) : std::string()) + std::string(target, static_cast<size_t>(n));
  }
  return path;
}

// What a folder says when it takes no new file, or no rename, while a file
// in it may still be writable.
bool FolderRefuses(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// Writes `bytes` to a copy beside `path` that then takes its place. Returns
// false, with nothing made, where the folder refuses the copy or the rename.
bool WrittenByCopy(const std::string& name, const std::string& path, mode_t mode, std::string_view bytes) {
  // Beside the target, so that the rename stays within one file system.
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0 && FolderRefuses(errno)) return false;
  if (fd < 0) Fail(name, errno);
  size_t done = 0;
  int error = WriteAt(fd, bytes, 0, done);
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  bool refused = false;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno, refused = FolderRefuses(error);
  if (error == 0) return true;
  if (::unlink(temporary.c_str()) == 0) {
    if (refused) return false;
    Fail(name, error);
  }
  throw FileError(FileFailure(name, error) + " Its unfinished copy \"" + temporary + "\" could not be removed (" +
                  std::strerror(errno) + ").");
}

// The plain write, for where a copy cannot take the file's place: only here
// can a failure leave part of a picture.
void WriteInPlace(const std::string& name, const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) Fail(name, errno);
  size_t done = 0;
  int error = WriteAt(fd, bytes, 0, done);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) throw FileError(FileFailure(name, error) + " The picture may be incomplete.");
}

}  // namespace

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

void WriteWholeFile(const std::string& name, std::string_view bytes) {
  const std::string path = FileNamed(name);
  // Opening the target for writing, without changing it, refuses what a
  // plain write would refuse (a folder, a read-only file) with the same
  // reason, before anything is made; it also gives the mode to keep.
  mode_t mode = 0;
  bool inPlace = false;  // a copy would part the file's names or change its owner
  const int target = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (target >= 0) {
    struct stat status {};
    const int error = ::fstat(target, &status) == 0 ? 0 : errno;
    ::close(target);
    if (error != 0) Fail(name, error);
    mode = status.st_mode & 07777;
    inPlace = status.st_nlink > 1 || status.st_uid != ::geteuid();
  } else if (errno == ENOENT) {
    mode = NewFileMode();
  } else {
    Fail(name, errno);
  }
  if (inPlace || !WrittenByCopy(name, path, mode, bytes)) WriteInPlace(name, path, bytes);
}

}  // namespace tamberlo
