#pragma once
// Where anagrove-find reads a named word list from: a file, or standard input.

#include "platform/whole_file.h"

#include <istream>
#include <string>

namespace anagrove::cli {

// The bytes of the file at path, or of the whole of in when path is "-",
// under the same size cap.
[[nodiscard]] FileText ReadWordListSource(const std::string& path, std::istream& in);

} // namespace anagrove::cli
