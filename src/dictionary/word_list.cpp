#include "dictionary/word_list.h"

#include "dictionary/whole_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <numeric>

namespace anagrove {

const char* WordListFileName(DictionaryKind kind) {
    return kind == DictionaryKind::standard ? "standard.txt" : "extended.txt";
}

const char* LoadingStatusText(DictionaryKind kind) {
    return kind == DictionaryKind::standard ? "Loading standard dictionary... please wait"
                                            : "Loading extended dictionary... please wait";
}

std::string LeftOutWordsText(const std::string& path, std::int64_t dropped) {
    return "Only the first " + std::to_string(kWordListCapacity) + " words of " + path +
           " were loaded; " + std::to_string(dropped) + " more were left out.";
}

namespace {

// The bit of each byte that is a letter a-z or A-Z; 0 for every other byte.
constexpr std::array<std::uint32_t, 256> kLetterBit = [] {
    std::array<std::uint32_t, 256> bits{};
    for (unsigned x = 0; x < 26; ++x) {
        bits['a' + x] = 1u << x;
        bits['A' + x] = 1u << x;
    }
    return bits;
}();

// Builds a LetterProfile one character at a time.
struct ProfileBuilder {
    std::uint32_t once = 0, twice = 0, thrice = 0, more = 0;

    void Add(unsigned char c) {
        const std::uint32_t bit = kLetterBit[c];
        more |= thrice & bit;
        thrice |= twice & bit;
        twice |= once & bit;
        once |= bit;
    }
    LetterProfile Finish(std::size_t length) const {
        const auto len = static_cast<std::uint32_t>(std::min<std::size_t>(length, kLongWord));
        return LetterProfile{once | (len << 26), twice | (more != 0 ? kFourTimes : 0u), thrice};
    }
};

// Whether a sorts before b in byte order. Words of a sorted list share long
// beginnings, so they are compared eight bytes at a time.
bool ByteLess(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t p = 0;
    for (; p + 8 <= n; p += 8) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a.data() + p, 8);
        std::memcpy(&y, b.data() + p, 8);
        if (x != y)
            break;
    }
    while (p < n && a[p] == b[p])
        ++p;
    if (p < n)
        return static_cast<unsigned char>(a[p]) < static_cast<unsigned char>(b[p]);
    return a.size() < b.size();
}

// Ranks in byte order, for lists that are not sorted already.
std::vector<std::uint32_t> ByteOrderRanks(const WordList& list) {
    const std::int32_t n = list.WordCount();
    bool sorted = true;
    for (std::int32_t i = 1; i < n && sorted; ++i)
        sorted = !ByteLess(list[i], list[i - 1]);
    if (sorted)
        return {};
    std::vector<std::uint32_t> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&list](std::uint32_t a, std::uint32_t b) {
        return list[static_cast<std::int32_t>(a)] < list[static_cast<std::int32_t>(b)];
    });
    std::vector<std::uint32_t> ranks(order.size());
    for (std::size_t place = 0; place < order.size(); ++place)
        ranks[order[place]] = static_cast<std::uint32_t>(place);
    return ranks;
}

} // namespace

LetterProfile ProfileOf(std::string_view word) {
    ProfileBuilder builder;
    for (char c : word)
        builder.Add(static_cast<unsigned char>(c));
    return builder.Finish(word.size());
}

WordList TakeWordList(std::string&& fileText) {
    WordList list;
    // Word offsets are 32-bit; files are never larger than that.
    if (fileText.size() > kMaxFileBytes)
        fileText.resize(kMaxFileBytes);
    list.text_ = std::move(fileText);
    const std::string_view text = list.text_;
    // Room for the words, without counting them first: a line takes two bytes
    // or more, but for empty lines.
    std::size_t room = std::min<std::size_t>(text.size() / 2 + 1, kWordListCapacity);
    auto makeRoom = [&list](std::size_t words) {
        list.begins_.resize(words);
        list.ends_.resize(words);
        list.signatures_.resize(words);
        list.repeats_.resize(words);
    };
    makeRoom(room);

    std::size_t words = 0;
    std::size_t begin = 0;
    while (begin < text.size() && words < kWordListCapacity) {
        const void* lf = std::memchr(text.data() + begin, '\n', text.size() - begin);
        const std::size_t next =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
        const std::size_t end = (lf && next > begin && text[next - 1] == '\r') ? next - 1 : next;
        ProfileBuilder profile;
        for (std::size_t k = begin; k < end; ++k)
            profile.Add(static_cast<unsigned char>(text[k]));
        // The last line may have no line end.
        const LetterProfile p = profile.Finish(end - begin);
        if (words == room)
            makeRoom(room = std::min<std::size_t>(room * 2, kWordListCapacity));
        list.begins_[words] = static_cast<std::uint32_t>(begin);
        list.ends_[words] = static_cast<std::uint32_t>(end);
        list.signatures_[words] = p.signature;
        list.repeats_[words] = p.twice | (std::uint64_t{p.thrice} << 32);
        ++words;
        begin = lf ? next + 1 : text.size();
    }
    makeRoom(words);
    // Whatever did not fit: its lines, and a last line without a line end.
    if (begin < text.size()) {
        const std::string_view rest = text.substr(begin);
        list.dropped_ = std::count(rest.begin(), rest.end(), '\n') + (rest.back() != '\n' ? 1 : 0);
    }
    list.MarkLettersAndLengths();
    list.ranks_ = ByteOrderRanks(list);
    return list;
}

namespace {

// Transposes a 32 x 32 bit matrix: afterwards bit c of row r is what bit
// (31 - r) of row (31 - c) was.
void Transpose32(std::array<std::uint32_t, 32>& rows) {
    std::uint32_t mask = 0x0000FFFF;
    for (unsigned width = 16; width != 0; width >>= 1, mask ^= mask << width) {
        for (unsigned k = 0; k < 32; k = (k + width + 1) & ~width) {
            const std::uint32_t t = (rows[k] ^ (rows[k + width] >> width)) & mask;
            rows[k] ^= t;
            rows[k + width] ^= t << width;
        }
    }
}

} // namespace

void WordList::MarkLettersAndLengths() {
    const std::size_t blocks = Blocks();
    const std::size_t count = signatures_.size();
    letterWords_.assign(26 * blocks, 0);
    lengthWords_.assign((kLongWord + 1) * blocks, 0);
    for (std::size_t block = 0; block < blocks; ++block) {
        // The signatures of 32 words at a time, turned so that row 31 - x
        // holds which of the words use letter x.
        for (std::size_t half = 0; half < 2; ++half) {
            const std::size_t first = block * 64 + half * 32;
            std::array<std::uint32_t, 32> rows{};
            for (std::size_t r = 0; r < 32; ++r)
                rows[r] = first + 31 - r < count ? signatures_[first + 31 - r] & kLetterBits : 0;
            Transpose32(rows);
            for (std::size_t x = 0; x < 26; ++x)
                letterWords_[x * blocks + block] |= std::uint64_t{rows[31 - x]} << (half * 32);
        }
        const std::size_t end = std::min(count, (block + 1) * 64);
        for (std::size_t i = block * 64; i < end; ++i)
            lengthWords_[SignatureLength(signatures_[i]) * blocks + block] |= std::uint64_t{1}
                                                                              << (i % 64);
    }
}

WordList LoadWordList(std::string_view fileText) {
    return TakeWordList(std::string(fileText));
}

} // namespace anagrove
