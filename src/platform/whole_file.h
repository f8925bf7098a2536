#pragma once
// Reading a whole file into memory.

#include "base/expected.h"

#include <cstddef>
#include <string>

namespace anagrove {

// The largest file the program reads; word lists and settings are far smaller.
inline constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

// The bytes of a file, one character each, or why it could not be read.
using FileText = Expected<std::string>;

// Reads the whole file at path. Directories, devices, pipes,
// unreadable files and files larger than kMaxFileBytes are reported, not read;
// the reason is the system's text for the error, or one of platform/texts.h.
[[nodiscard]] FileText ReadWholeFile(const std::string& path);

} // namespace anagrove
