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

// Ranks in byte order, for lists that are not sorted already.
std::vector<std::uint32_t> ByteOrderRanks(const WordList& list) {
    const std::int32_t n = list.WordCount();
    bool sorted = true;
    for (std::int32_t i = 1; i < n && sorted; ++i)
        sorted = !(list[i] < list[i - 1]);
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
    const auto expected = std::min<std::size_t>(text.size() / 2 + 1, kWordListCapacity);
    list.begins_.reserve(expected);
    list.ends_.reserve(expected);
    list.signatures_.reserve(expected);
    list.repeats_.reserve(expected);

    auto add = [&list](std::size_t begin, std::size_t end, const ProfileBuilder& profile) {
        const LetterProfile p = profile.Finish(end - begin);
        list.begins_.push_back(static_cast<std::uint32_t>(begin));
        list.ends_.push_back(static_cast<std::uint32_t>(end));
        list.signatures_.push_back(p.signature);
        list.repeats_.push_back(p.twice | (std::uint64_t{p.thrice} << 32));
    };

    std::size_t begin = 0;
    while (begin < text.size() && list.begins_.size() < kWordListCapacity) {
        const void* lf = std::memchr(text.data() + begin, '\n', text.size() - begin);
        const std::size_t next =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
        const std::size_t end = (lf && next > begin && text[next - 1] == '\r') ? next - 1 : next;
        ProfileBuilder profile;
        for (std::size_t k = begin; k < end; ++k)
            profile.Add(static_cast<unsigned char>(text[k]));
        add(begin, end, profile); // the last line may have no line end
        begin = lf ? next + 1 : text.size();
    }
    // Whatever did not fit: its lines, and a last line without a line end.
    if (begin < text.size()) {
        const std::string_view rest = text.substr(begin);
        list.dropped_ = std::count(rest.begin(), rest.end(), '\n') + (rest.back() != '\n' ? 1 : 0);
    }
    list.GroupByLength();
    list.MarkLettersAndLengths();
    list.ranks_ = ByteOrderRanks(list);
    return list;
}

void WordList::MarkLettersAndLengths() {
    const std::size_t blocks = Blocks();
    letterWords_.assign(26 * blocks, 0);
    lengthWords_.assign((kLongWord + 1) * blocks, 0);
    for (std::size_t block = 0; block < blocks; ++block) {
        std::array<std::uint64_t, 26> uses{};
        const std::size_t end = std::min(signatures_.size(), (block + 1) * 64);
        for (std::size_t i = block * 64; i < end; ++i) {
            const std::uint64_t bit = std::uint64_t{1} << (i % 64);
            for (std::uint32_t letters = signatures_[i] & kLetterBits; letters != 0;
                 letters &= letters - 1)
                uses[static_cast<std::size_t>(std::countr_zero(letters))] |= bit;
            lengthWords_[SignatureLength(signatures_[i]) * blocks + block] |= bit;
        }
        for (std::size_t x = 0; x < 26; ++x)
            letterWords_[x * blocks + block] = uses[x];
    }
}

void WordList::GroupByLength() {
    std::array<std::uint32_t, kLongWord + 2> start{};
    for (std::uint32_t signature : signatures_)
        ++start[SignatureLength(signature) + 1];
    for (std::size_t length = 1; length < start.size(); ++length)
        start[length] += start[length - 1];
    for (std::uint32_t length = 0; length <= kLongWord; ++length)
        groups_[length] = Group{start[length], start[length + 1]};
    byLength_.resize(signatures_.size());
    signaturesByLength_.resize(signatures_.size());
    for (std::size_t i = 0; i < signatures_.size(); ++i) {
        const std::uint32_t k = start[SignatureLength(signatures_[i])]++;
        byLength_[k] = static_cast<std::uint32_t>(i);
        signaturesByLength_[k] = signatures_[i];
    }
}

WordList LoadWordList(std::string_view fileText) {
    return TakeWordList(std::string(fileText));
}

} // namespace anagrove
