#include "word_list/word_list.h"

#include "platform/whole_file.h"
#include "word_list/line_cutter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <mutex>
#include <numeric>

namespace anagrove {

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
    // Line ends hold 31-bit offsets; files are never larger than that.
    if (fileText.size() > kMaxFileBytes)
        fileText.resize(kMaxFileBytes);
    list.text_ = std::move(fileText);
    CutText cut = CutIntoLines(list.text_, kWordListCapacity);
    list.lineEnds_ = std::move(cut.lineEnds);
    list.dropped_ = cut.dropped;
    return list;
}

void WordList::BuildIndex() const {
    const std::lock_guard<BuildLock> lock(lazy_->building);
    if (lazy_->indexed.load(std::memory_order_relaxed))
        return;
    lazy_->index = BuildWordIndex(text_, lineEnds_);
    lazy_->indexed.store(true, std::memory_order_release);
}

void WordList::RankWords() const {
    const std::lock_guard<BuildLock> lock(lazy_->building);
    if (lazy_->ranked.load(std::memory_order_relaxed))
        return;
    lazy_->ranks = ByteOrderRanks(*this);
    lazy_->ranked.store(true, std::memory_order_release);
}

} // namespace anagrove
