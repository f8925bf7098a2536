#include "word_list/word_check.h"

#include "base/letters.h"

#include <algorithm>

namespace anagrove {

namespace {

std::string Folded(std::string_view word) {
    std::string folded(word);
    std::ranges::transform(folded, folded.begin(), LowerLetter);
    return folded;
}

} // namespace

WordChecker::WordChecker(const WordList& list) {
    words_.reserve(static_cast<std::size_t>(list.WordCount()));
    for (std::int32_t i = 0; i < list.WordCount(); ++i)
        words_.insert(Folded(list[i]));
}

WordCheck WordChecker::Check(std::string_view word) const {
    WordCheck check;
    // The word with a square free on either side for a hook.
    std::string hooked(1, ' ');
    hooked += Folded(word);
    hooked += ' ';
    const std::size_t last = hooked.size() - 1;
    check.inList = Holds(hooked.substr(1, last - 1));
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        hooked[0] = letter;
        if (Holds(hooked.substr(0, last)))
            check.frontHooks += letter;
    }
    hooked.erase(0, 1);
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        hooked.back() = letter;
        if (Holds(hooked))
            check.backHooks += letter;
    }
    return check;
}

} // namespace anagrove
