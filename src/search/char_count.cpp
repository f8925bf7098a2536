#include "search/char_count.h"

#include "base/letters.h"

namespace anagrove {

std::int32_t CharCount(std::string_view OrigString, std::string_view Chars, bool CaseSensitive) {
    if (OrigString.empty() || Chars.size() > OrigString.size())
        return 0;
    std::int32_t count = 0;
    for (std::size_t p = 0; p + Chars.size() <= OrigString.size(); ++p) {
        bool equal = true;
        for (std::size_t k = 0; k < Chars.size() && equal; ++k) {
            char a = OrigString[p + k];
            char b = Chars[k];
            equal = a == b || (!CaseSensitive && IsLetter(a) && LetterIndex(a) == LetterIndex(b));
        }
        if (equal)
            ++count;
    }
    return count;
}

} // namespace anagrove
