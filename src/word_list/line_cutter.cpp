#include "word_list/line_cutter.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace anagrove {

namespace {

// Calls lineEnd(p) for the place p of every LF in text from first on, in
// order, until it returns false. Returns the place where it stopped, or the
// text's size.
template <class LineEnd>
std::size_t ForEachLineFeed(std::string_view text, std::size_t first, LineEnd lineEnd) {
    std::size_t p = first;
#if defined(__SSE2__)
    // Sixteen bytes at a time, four times over: one bit per LF of 64 bytes.
    const __m128i lf = _mm_set1_epi8('\n');
    auto marksOf16 = [&text, lf](std::size_t at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        return static_cast<std::uint64_t>(
            static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf))));
    };
    for (; p + 64 <= text.size(); p += 64) {
        for (std::uint64_t marks = marksOf16(p) | marksOf16(p + 16) << 16 |
                                   marksOf16(p + 32) << 32 | marksOf16(p + 48) << 48;
             marks != 0; marks &= marks - 1)
            if (const std::size_t at = p + static_cast<std::size_t>(std::countr_zero(marks));
                !lineEnd(at))
                return at;
    }
#endif
    for (; p < text.size(); ++p)
        if (text[p] == '\n' && !lineEnd(p))
            return p;
    return text.size();
}

} // namespace

CutText CutIntoLines(std::string_view text, std::size_t capacity) {
    CutText cut;
    // Room for every line without a count first: a line takes one byte or
    // more. The pages of room that no line uses are never touched.
    cut.lineEnds.reserve(std::min(capacity, text.size() + 1));
    std::size_t begin = 0;
    const std::size_t stop = ForEachLineFeed(text, 0, [&](std::size_t lf) {
        if (cut.lineEnds.size() == capacity)
            return false;
        const bool crlf = lf > begin && text[lf - 1] == '\r';
        cut.lineEnds.push_back(static_cast<std::uint32_t>(crlf ? (lf - 1) | kCrLf : lf));
        begin = lf + 1;
        return true;
    });
    const bool lastLineOpen = begin < text.size();
    if (stop == text.size() && lastLineOpen && cut.lineEnds.size() < capacity) {
        cut.lineEnds.push_back(static_cast<std::uint32_t>(text.size()));
    } else if (lastLineOpen) { // full: count what is left out
        ForEachLineFeed(text, stop, [&cut](std::size_t) { return ++cut.dropped, true; });
        cut.dropped += text.back() != '\n' ? 1 : 0;
    }
    return cut;
}

} // namespace anagrove
