#include "file_failure.h"

#include <cerrno>
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

}  // namespace tamberlo
