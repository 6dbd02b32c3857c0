#include "file_failure.h"

#include <cerrno>
#include <csignal>
#include <cstring>

namespace tamberlo {

std::string FileFailure(std::string_view path, int error) {
  std::string text = "Cannot write \"";
  text.append(path);
  text += "\": ";
  text += std::strerror(error != 0 ? error : EIO);
  text += '.';
  return text;
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace tamberlo
