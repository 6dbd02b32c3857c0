#pragma once
// A full disk for tests, without root: while a FileSizeLimit lives, no file
// of this process grows past `bytes`; a write stops there and the next one
// fails with EFBIG. That needs SIGXFSZ ignored, as the program's start-up
// does (IgnoreFileSizeSignal); this helper leaves it alone, so that a test
// through the start-up sees what the program does.
#include <sys/resource.h>

struct FileSizeLimit {
  rlimit previous{};
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
};
