#pragma once
// Writing a file so that it is never found half written.

#include "base/expected.h"

#include <string>
#include <string_view>

namespace anagrove {

// Writes bytes to a temporary file beside path (path + ".new"), flushes it to
// the disk and then puts it in place of the file at path in one step: whenever
// the program stops, the file holds its old or its new complete contents. On
// failure the temporary file is removed and the reason is the system's text
// for the error.
[[nodiscard]] Expected<Done> WriteFileDurably(const std::string& path, std::string_view bytes);

} // namespace anagrove
