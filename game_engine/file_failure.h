#pragma once
// The one wording of a file the program cannot write, for every message
// that speaks of one: the run logs, Save, the report at load, empty.txt.
#include <string>
#include <string_view>

namespace tamberlo {

// 'Cannot write "Temp1.txt": No space left on device.' for errno `error`.
std::string FileFailure(std::string_view path, int error);

}  // namespace tamberlo
