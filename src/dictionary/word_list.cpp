#include "dictionary/word_list.h"

#include "base/bit_set.h"
#include "base/word_table.h"
#include "dictionary/letter_profile.h"
#include "dictionary/whole_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <numeric>

namespace anagrove {

namespace {
constexpr WordTable<DictionaryKind, 2> kDictionaryWords{
    {{DictionaryKind::standard, "standard"}, {DictionaryKind::extended, "extended"}}};
} // namespace

const char* DictionaryWord(DictionaryKind kind) {
    return WordOf(kDictionaryWords, kind);
}

std::optional<DictionaryKind> DictionaryFromWord(std::string_view word) {
    return ValueOf(kDictionaryWords, word);
}

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
        if (x != y) {
            // The first byte that differs (the lowest, in memory order).
            p += static_cast<std::size_t>(std::endian::native == std::endian::little
                                              ? std::countr_zero(x ^ y)
                                              : std::countl_zero(x ^ y)) /
                 8;
            return static_cast<unsigned char>(a[p]) < static_cast<unsigned char>(b[p]);
        }
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
        // The last line may have no line end.
        const LetterProfile p = ProfileOf(text.substr(begin, end - begin));
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

void WordList::MarkLettersAndLengths() {
    const std::size_t blocks = Blocks();
    letterWords_.assign(26 * blocks, 0);
    MarkLetterSets(signatures_, blocks, letterWords_.data());
    lengthWords_.assign((kLongWord + 1) * blocks, 0);
    for (std::size_t i = 0; i < signatures_.size(); ++i)
        BitSet(lengthWords_.data() + SignatureLength(signatures_[i]) * blocks).Mark(i);
}

WordList LoadWordList(std::string_view fileText) {
    return TakeWordList(std::string(fileText));
}

} // namespace anagrove
