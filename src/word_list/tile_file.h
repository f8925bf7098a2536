#pragma once
// A tile list kept on disk as its tiles, so that a shipped list loads without
// splitting its text again. Made at build time beside the list's text.

#include "word_list/tile_list.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace anagrove {

// What tells one alphabet's tiles from another's: their order and texts.
[[nodiscard]] std::uint64_t AlphabetFingerprint(const Alphabet& alphabet);

class TileFile {
  public:
    // Writes the list; false when the stream fails.
    static bool Write(const TileWordList& list, std::ostream& out);
    // The list in the file at path, read with alphabet; nothing when the file
    // is missing, was made for other tiles, or is not whole and sound.
    [[nodiscard]] static std::optional<TileWordList> Read(const std::string& path,
                                                          std::shared_ptr<const Alphabet> alphabet);
    // The same from a stream of fileBytes bytes.
    [[nodiscard]] static std::optional<TileWordList> Read(std::istream& in, std::uint64_t fileBytes,
                                                          std::shared_ptr<const Alphabet> alphabet);
};

} // namespace anagrove
