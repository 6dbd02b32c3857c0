#pragma once
// Writing files: all of a text at a place in an open file, and a file
// written whole or not at all, for the chart's pictures, where a full disk or
// any other failure leaves no half-written file and no stray one behind
// wherever a copy can take the file's place.
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace tamberlo {

// Writes all of `bytes` at `offset`; the bytes that did reach the file are
// counted in `done`. Returns 0 or the error number.
int WriteAt(int fd, std::string_view bytes, off_t offset, size_t& done);

// Makes the file `name` hold exactly `bytes`. The bytes go to a new file in
// the same folder that then takes its place, with the mode it had (or 0666
// less the umask when new); where `name` is a link, the link stays and the
// file it leads to, made if not there yet, is written. On a failure the file
// stays as it was, or absent, and FileError carries FileFailure(name, errno
// of the failing call), and says so where even the unfinished copy could not
// be removed.
// A file with other names or another owner, or in a folder that refuses the
// copy or the rename, is written in place as a plain write would; a failure
// after its bytes were cut off adds that the picture may be incomplete.
void WriteWholeFile(const std::string& name, std::string_view bytes);

}  // namespace tamberlo
