#pragma once
// The reasons a file is not read that the system has no text of its own for.

namespace anagrove {

inline constexpr const char* kNotRegularFileText = "not a regular file";
inline constexpr const char* kFileTooLargeText = "the file is too large";

} // namespace anagrove
