#pragma once
// A file written whole or not at all, for the chart's pictures: a full disk
// or any other failure leaves no half-written file and no stray one behind.
#include <string>
#include <string_view>

namespace tamberlo {

// Makes `path` hold exactly `bytes`. The bytes go to a new file in the same
// folder that then takes the place of `path`, with the mode `path` had (or
// 0666 less the umask when new). On a failure `path` stays as it was, or
// absent, and std::runtime_error carries FileFailure(path, errno of the
// failing call).
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace tamberlo
