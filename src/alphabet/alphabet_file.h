#pragma once
// Reading an alphabet file (the format is described in data/alphabets/README.md).

#include "alphabet/alphabet.h"
#include "base/expected.h"

#include <string>
#include <string_view>

namespace anagrove {

// The alphabet that the file's text describes, or the first fault as
// "line N: why".
[[nodiscard]] Expected<Alphabet> ReadAlphabet(std::string_view text);

} // namespace anagrove
