#pragma once
// The one wording of a file the program cannot write, for every message
// that speaks of one: the run logs, Save, the report at load, empty.txt.
#include <stdexcept>
#include <string>
#include <string_view>

namespace tamberlo {

// 'Cannot write "Temp1.txt": No space left on device.' for errno `error`.
std::string FileFailure(std::string_view path, int error);

// From then on a write past the file-size limit (ulimit -f) fails with
// EFBIG, which every writer reports and repairs like a full disk, instead of
// ending the process by SIGXFSZ. The program and the benchmark call it first.
void IgnoreFileSizeSignal();

// A file the program cannot write. Whatever else is thrown is a fault of the
// program itself, and no handler may pass it off as a full disk.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tamberlo
