#include "word_list/word_index.h"

#include "base/bit_set.h"
#include "word_list/letter_profile.h"
#include "word_list/word_list.h"

namespace anagrove {

WordIndex BuildWordIndex(std::string_view text, const std::vector<std::uint32_t>& lineEnds) {
    WordIndex index;
    const std::size_t words = lineEnds.size();
    index.blocks = BitBlocks(words);
    index.signatures.resize(words);
    index.repeats.resize(words);
    ProfileWords(text, lineEnds, index.signatures.data(), index.repeats.data());
    index.letterWords.assign(26 * index.blocks, 0);
    MarkLetterSets(index.signatures, index.blocks, index.letterWords.data());
    index.lengthWords.assign((kLongWord + 1) * index.blocks, 0);
    for (std::size_t i = 0; i < words; ++i)
        BitSet(index.lengthWords.data() + SignatureLength(index.signatures[i]) * index.blocks)
            .Mark(i);
    return index;
}

} // namespace anagrove
