#pragma once
// The alphabets of data/alphabets, read as the program reads them.

#include "alphabet/alphabet_file.h"
#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace testing_support {

inline const anagrove::Alphabet& ShippedAlphabet(const std::string& code) {
    static std::map<std::string, anagrove::Alphabet> read;
    if (!read.contains(code)) {
        const auto path = std::filesystem::path(ANAGROVE_ALPHABET_DIR) / (code + ".txt");
        auto alphabet = anagrove::ReadAlphabet(FileBytes(path));
        EXPECT_TRUE(alphabet.ok()) << path << ": " << (alphabet ? "" : alphabet.error());
        read.emplace(code, alphabet ? std::move(*alphabet) : anagrove::Alphabet{});
    }
    return read.at(code);
}

// The tiles' texts in upper case, apart ("C A LL E").
inline std::string TileNames(const anagrove::Alphabet& alphabet, const anagrove::Tiles& tiles) {
    std::string names;
    for (const anagrove::TileIndex t : tiles)
        names += (names.empty() ? "" : " ") + alphabet.tiles[t].upper;
    return names;
}

} // namespace testing_support
