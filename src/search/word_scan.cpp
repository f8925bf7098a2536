#include "search/word_scan.h"

#include "search/match_rules.h"
#include "word_list/letter_profile.h"

#include <optional>

namespace anagrove {

std::vector<ScannedWord> ScanWords(std::string_view letters, const SearchLimits& limits,
                                   const WordList& list) {
    const MatchRule rule(letters, limits);
    std::vector<ScannedWord> passed;
    for (std::int32_t i = 0; i < list.WordCount(); ++i) {
        const std::string_view word = list[i];
        // Without blanks nearly every word fails at its first letter, so that
        // test comes first; with blanks the length spares reading long words.
        std::optional<LetterProfile> p;
        if (rule.Blanks() == 0) {
            p = ProfileExcluding(word, rule.Untyped());
            if (!p || !rule.LengthPasses(word.size()))
                continue;
        } else {
            if (!rule.LengthPasses(word.size()))
                continue;
            p = ProfileOf(word);
        }
        if (rule.LettersPass(*p, list, i))
            passed.push_back(ScannedWord{i, *p});
    }
    return passed;
}

} // namespace anagrove
