#include "word_list/tile_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string_view>

namespace anagrove {

namespace {

// The file: this header, then each word's length in tiles (one byte a word),
// the words' masks (uint64), the words' tiles, the spelled words (int32), the starts of their
// spellings (uint32, one more than the spelled words) and the spellings' text. Numbers are in the
// machine's order, which endianCheck tells.
constexpr std::array<char, 8> kMagic{'A', 'G', 'T', 'I', 'L', 'E', 'S', '1'};
constexpr std::uint32_t kEndianCheck = 0x01020304;

struct Header {
    std::array<char, 8> magic = kMagic;
    std::uint32_t endianCheck = kEndianCheck;
    std::uint32_t tileCount = 0; // the alphabet's tiles, the blank among them
    std::uint64_t alphabet = 0;  // its fingerprint
    std::uint64_t words = 0, tiles = 0, spelled = 0, spellingBytes = 0;
    std::uint64_t notTiles = 0, tooLong = 0, empty = 0;
};

template <class T> bool WriteArray(std::ostream& out, const T* data, std::size_t count) {
    return static_cast<bool>(out.write(reinterpret_cast<const char*>(data),
                                       static_cast<std::streamsize>(count * sizeof(T))));
}

template <class T> bool ReadArray(std::istream& in, std::vector<T>& into, std::uint64_t count) {
    into.resize(static_cast<std::size_t>(count));
    return static_cast<bool>(in.read(reinterpret_cast<char*>(into.data()),
                                     static_cast<std::streamsize>(count * sizeof(T))));
}

// Whether the header's counts can be a list's: they fit the types that hold
// them, and the file is exactly as long as they say.
bool Plausible(const Header& h, std::uint64_t fileBytes) {
    constexpr std::uint64_t kMost = std::numeric_limits<std::int32_t>::max();
    if (h.words > kMost || h.spelled > h.words ||
        h.tiles > std::numeric_limits<std::uint32_t>::max() ||
        h.spellingBytes > std::numeric_limits<std::uint32_t>::max())
        return false;
    const std::uint64_t body =
        h.words * 9 + h.tiles + h.spelled * 4 + (h.spelled + 1) * 4 + h.spellingBytes;
    return fileBytes == sizeof(Header) + body;
}

// Whether every tile is a letter of an alphabet of tileCount tiles (1 to
// tileCount - 1), eight at a time.
bool AllLetters(const std::vector<TileIndex>& tiles, std::uint32_t tileCount) {
    constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
    std::uint64_t faults = 0;
    std::size_t k = 0;
    for (; k + 8 <= tiles.size(); k += 8) {
        std::uint64_t w = 0;
        std::memcpy(&w, tiles.data() + k, 8);
        // A zero byte, or a byte of tileCount or more (every tile is below 128).
        faults |= ((w - kOnes) & ~w) | w | ((w & ~kHighs) + (128 - tileCount) * kOnes);
    }
    bool fault = (faults & kHighs) != 0;
    for (; k < tiles.size(); ++k)
        fault |= tiles[k] == kBlankTile || tiles[k] >= tileCount;
    return !fault;
}

} // namespace

std::uint64_t AlphabetFingerprint(const Alphabet& alphabet) {
    std::uint64_t hash = 0xcbf29ce484222325;
    const auto add = [&hash](std::string_view text) {
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
        hash = (hash ^ 0xff) * 0x100000001b3; // a byte no UTF-8 text holds ends each text
    };
    add(alphabet.code);
    for (const Tile& tile : alphabet.tiles)
        add(tile.upper);
    return hash;
}

bool TileFile::Write(const TileWordList& list, std::ostream& out) {
    Header header;
    header.tileCount = static_cast<std::uint32_t>(list.Letters().tiles.size());
    header.alphabet = AlphabetFingerprint(list.Letters());
    header.words = list.masks_.size();
    header.tiles = list.tiles_.size();
    header.spelled = list.spelled_.size();
    header.spellingBytes = list.spellingText_.size();
    header.notTiles = static_cast<std::uint64_t>(list.leftOut_.notTiles);
    header.tooLong = static_cast<std::uint64_t>(list.leftOut_.tooLong);
    header.empty = static_cast<std::uint64_t>(list.leftOut_.empty);
    std::vector<std::uint8_t> lengths(list.masks_.size());
    for (std::size_t i = 0; i < lengths.size(); ++i)
        lengths[i] = static_cast<std::uint8_t>(list.starts_[i + 1] - list.starts_[i]);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    return WriteArray(out, lengths.data(), lengths.size()) &&
           WriteArray(out, list.masks_.data(), list.masks_.size()) &&
           WriteArray(out, list.tiles_.data(), list.tiles_.size()) &&
           WriteArray(out, list.spelled_.data(), list.spelled_.size()) &&
           WriteArray(out, list.spellingStarts_.data(), list.spellingStarts_.size()) &&
           WriteArray(out, list.spellingText_.data(), list.spellingText_.size()) && out.flush();
}

std::optional<TileWordList> TileFile::Read(const std::string& path,
                                           std::shared_ptr<const Alphabet> alphabet) {
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code error;
    const std::uint64_t fileBytes = std::filesystem::file_size(file, error);
    std::ifstream in(file, std::ios::binary);
    if (error || !in)
        return std::nullopt;
    return Read(in, fileBytes, std::move(alphabet));
}

std::optional<TileWordList> TileFile::Read(std::istream& in, std::uint64_t fileBytes,
                                           std::shared_ptr<const Alphabet> alphabet) {
    Header header;
    if (!in.read(reinterpret_cast<char*>(&header), sizeof header) || header.magic != kMagic ||
        header.endianCheck != kEndianCheck || header.tileCount != alphabet->tiles.size() ||
        header.alphabet != AlphabetFingerprint(*alphabet) || !Plausible(header, fileBytes))
        return std::nullopt;

    TileWordList list;
    list.alphabet_ = std::move(alphabet);
    std::vector<std::uint8_t> lengths;
    if (!ReadArray(in, lengths, header.words) || !ReadArray(in, list.masks_, header.words) ||
        !ReadArray(in, list.tiles_, header.tiles) ||
        !ReadArray(in, list.spelled_, header.spelled) ||
        !ReadArray(in, list.spellingStarts_, header.spelled + 1))
        return std::nullopt;
    list.spellingText_.resize(static_cast<std::size_t>(header.spellingBytes));
    if (!in.read(list.spellingText_.data(), static_cast<std::streamsize>(header.spellingBytes)))
        return std::nullopt;

    // Each word of 1 to kMostWordTiles tiles, together all the tiles, each a
    // letter of this alphabet. A mask is not checked against its word's tiles:
    // a wrong one could hide a word, never reach past the alphabet.
    // The sum is kept wide: wrapped round, it could match the tiles' count.
    list.starts_.resize(lengths.size() + 1);
    std::uint64_t at = 0;
    bool unsound = false;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        unsound |= static_cast<std::uint8_t>(lengths[i] - 1) >= kMostWordTiles;
        at += lengths[i];
        list.starts_[i + 1] = static_cast<std::uint32_t>(at);
    }
    if (unsound || at != list.tiles_.size() || !AllLetters(list.tiles_, header.tileCount))
        return std::nullopt;
    // The spellings: ascending words of the list, and starts within their text.
    for (std::size_t k = 0; k < list.spelled_.size(); ++k)
        if (list.spelled_[k] < 0 || static_cast<std::uint64_t>(list.spelled_[k]) >= header.words ||
            (k > 0 && list.spelled_[k] <= list.spelled_[k - 1]))
            return std::nullopt;
    if (list.spellingStarts_.front() != 0 || list.spellingStarts_.back() != header.spellingBytes ||
        !std::ranges::is_sorted(list.spellingStarts_))
        return std::nullopt;
    list.leftOut_ = {static_cast<std::int64_t>(header.notTiles),
                     static_cast<std::int64_t>(header.tooLong),
                     static_cast<std::int64_t>(header.empty)};
    return list;
}

} // namespace anagrove
