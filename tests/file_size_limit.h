#pragma once
// A full disk for tests, without root: while a FileSizeLimit lives, no file
// of this process grows past `bytes`; a write stops there and the next one
// fails with EFBIG (the signal that would end the process is ignored).
#include <sys/resource.h>

#include <csignal>

struct FileSizeLimit {
  rlimit previous{};
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
};
