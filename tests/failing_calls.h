#pragma once
// A fault for tests: the repair after a first fault fails too, or a folder
// refuses a new file. While a count is set, the call it names fails with
// `error` at that use from now on (1: the next one). Include this in one
// source file of a test program only: it takes the place of these calls for
// the whole program.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace failing_calls {

inline int ftruncateAt = 0, pwriteAt = 0, unlinkAt = 0, mkostempAt = 0, renameAt = 0;
inline int error = EIO;  // the errno of every failing call

inline bool Fails(int& at) {
  if (at <= 0 || --at > 0) return false;
  errno = error;
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

extern "C" int mkostemp(char* pattern, int flags) {
  static const auto real = failing_calls::Real<int (*)(char*, int)>("mkostemp");
  return failing_calls::Fails(failing_calls::mkostempAt) ? -1 : real(pattern, flags);
}

extern "C" int rename(const char* from, const char* to) noexcept {
  static const auto real = failing_calls::Real<int (*)(const char*, const char*)>("rename");
  return failing_calls::Fails(failing_calls::renameAt) ? -1 : real(from, to);
}
