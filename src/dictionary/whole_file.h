#pragma once
// Reading a whole file into memory.

#include <cstddef>
#include <string>

namespace anagrove {

// The largest file the program reads; word lists and settings are far smaller.
inline constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

struct FileText {
    bool ok = false;
    std::string text;  // the bytes of the file, one character each
    std::string error; // why it could not be read, when !ok
};

// Reads the whole file at path with one read. Directories, devices, pipes,
// unreadable files and files larger than kMaxFileBytes are reported, not read.
[[nodiscard]] FileText ReadWholeFile(const std::string& path);

} // namespace anagrove
