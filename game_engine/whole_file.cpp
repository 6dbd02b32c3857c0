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

// The file that `path` names: where it is a link, the file the link leads
// to is the one replaced, and the link stays.
std::string FileNamed(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
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
  const int target = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (target >= 0) {
    struct stat status {};
    const int error = ::fstat(target, &status) == 0 ? 0 : errno;
    ::close(target);
    if (error != 0) Fail(name, error);
    mode = status.st_mode & 07777;
  } else if (errno == ENOENT) {
    mode = NewFileMode();
  } else {
    Fail(name, errno);
  }

  // Beside the target, so that the rename stays within one file system.
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) Fail(name, errno);
  size_t done = 0;
  int error = WriteAt(fd, bytes, 0, done);
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) return;
  if (::unlink(temporary.c_str()) == 0) Fail(name, error);
  throw FileError(FileFailure(name, error) + " Its unfinished copy \"" + temporary + "\" could not be removed (" +
                  std::strerror(errno) + ").");
}

}  // namespace tamberlo
