#include "search/char_count.h"

namespace anagrove {

namespace {

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::int32_t CharCount(std::string_view OrigString, std::string_view Chars, bool CaseSensitive) {
    if (OrigString.empty() || Chars.size() > OrigString.size())
        return 0;
    std::int32_t count = 0;
    for (std::size_t p = 0; p + Chars.size() <= OrigString.size(); ++p) {
        bool equal = true;
        for (std::size_t k = 0; k < Chars.size() && equal; ++k) {
            char a = OrigString[p + k];
            char b = Chars[k];
            equal = CaseSensitive ? a == b : FoldCase(a) == FoldCase(b);
        }
        if (equal)
            ++count;
    }
    return count;
}

} // namespace anagrove
