#include "dictionary/word_list.h"

#include <algorithm>
#include <numeric>

namespace anagrove {

const char* WordListFileName(DictionaryKind kind) {
    return kind == DictionaryKind::standard ? "standard.txt" : "extended.txt";
}

const char* LoadingStatusText(DictionaryKind kind) {
    return kind == DictionaryKind::standard ? "Loading standard dictionary... please wait"
                                            : "Loading extended dictionary... please wait";
}

WordSignature SignatureOf(std::string_view word) {
    WordSignature letters = 0;
    for (char c : word) {
        auto folded = static_cast<unsigned char>(c | 0x20);
        if (folded >= 'a' && folded <= 'z' && (c & 0x80) == 0)
            letters |= 1u << (folded - 'a');
    }
    auto length = static_cast<std::uint32_t>(std::min<std::size_t>(word.size(), kLongWord));
    return letters | (length << 26);
}

namespace {

// Ranks in byte order, for lists that are not sorted already.
std::vector<std::uint32_t> ByteOrderRanks(const WordList& list) {
    const auto n = static_cast<std::size_t>(list.WordCount());
    bool sorted = true;
    for (std::size_t i = 1; i < n && sorted; ++i)
        sorted = !(list[static_cast<std::int32_t>(i)] < list[static_cast<std::int32_t>(i - 1)]);
    if (sorted)
        return {};
    std::vector<std::uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&list](std::uint32_t a, std::uint32_t b) {
        return list[static_cast<std::int32_t>(a)] < list[static_cast<std::int32_t>(b)];
    });
    std::vector<std::uint32_t> ranks(n);
    for (std::size_t place = 0; place < n; ++place)
        ranks[order[place]] = static_cast<std::uint32_t>(place);
    return ranks;
}

} // namespace

WordList LoadWordList(std::string_view fileText) {
    WordList list;
    list.text_.reserve(fileText.size());
    const auto lines = static_cast<std::size_t>(std::count(fileText.begin(), fileText.end(), '\n')) + 1;
    const auto expected = std::min<std::size_t>(lines, kWordListCapacity);
    list.ends_.reserve(expected);
    list.signatures_.reserve(expected);
    auto add = [&list](std::string_view word) {
        if (list.ends_.size() >= static_cast<std::size_t>(kWordListCapacity)) {
            ++list.dropped_;
            return;
        }
        list.text_.append(word);
        list.ends_.push_back(static_cast<std::uint32_t>(list.text_.size()));
        list.signatures_.push_back(SignatureOf(word));
    };

    std::size_t start = 0;
    while (start < fileText.size()) {
        std::size_t lf = fileText.find('\n', start);
        if (lf == std::string_view::npos) {
            add(fileText.substr(start)); // the last line, without a line end
            break;
        }
        std::size_t end = lf;
        if (end > start && fileText[end - 1] == '\r')
            --end;
        add(fileText.substr(start, end - start));
        start = lf + 1;
    }
    list.text_.shrink_to_fit();
    list.ranks_ = ByteOrderRanks(list);
    return list;
}

} // namespace anagrove
