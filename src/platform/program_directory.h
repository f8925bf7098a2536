#pragma once
// Where the running program lies.

#include <string>

namespace anagrove {

// The directory that holds the running executable (empty if it cannot be told).
[[nodiscard]] std::string ExecutableDirectory();

} // namespace anagrove
