#pragma once
// A second fault for tests: the repair after a first fault fails too. While
// a count is set, the call it names fails with EIO at that use from now on
// (1: the next one). Include this in one source file of a test program only:
// it takes the place of these calls for the whole program.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace failing_calls {

inline int ftruncateAt = 0, pwriteAt = 0, unlinkAt = 0;

inline bool Fails(int& at) {
  if (at <= 0 || --at > 0) return false;
  errno = EIO;
  return true;
}

template <class Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace failing_calls

extern "C" int ftruncate(int fd, off_t length) noexcept {
  static const auto real = failing_calls::Real<int (*)(int, off_t)>("ftruncate");
  return failing_calls::Fails(failing_calls::ftruncateAt) ? -1 : real(fd, length);
}

extern "C" ssize_t pwrite(int fd, const void* bytes, size_t count, off_t offset) {
  static const auto real = failing_calls::Real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
  return failing_calls::Fails(failing_calls::pwriteAt) ? -1 : real(fd, bytes, count, offset);
}

extern "C" int unlink(const char* path) noexcept {
  static const auto real = failing_calls::Real<int (*)(const char*)>("unlink");
  return failing_calls::Fails(failing_calls::unlinkAt) ? -1 : real(path);
}
