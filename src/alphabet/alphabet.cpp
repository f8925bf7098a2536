#include "alphabet/alphabet.h"

#include <algorithm>

namespace anagrove {

char32_t LowerCase(const Alphabet& alphabet, char32_t c) {
    const auto at =
        std::ranges::lower_bound(alphabet.lowerOf, c, {}, &std::pair<char32_t, char32_t>::first);
    return at != alphabet.lowerOf.end() && at->first == c ? at->second : c;
}

const TypedForm* FindForm(const Alphabet& alphabet, std::u32string_view text) {
    const auto at = std::ranges::lower_bound(
        alphabet.forms, text, {}, [](const TypedForm& f) { return std::u32string_view(f.text); });
    return at != alphabet.forms.end() && at->text == text ? &*at : nullptr;
}

const TypedForm* LongestForm(const Alphabet& alphabet, std::u32string_view text,
                             bool withBracketsOnly) {
    for (std::size_t length = std::min(alphabet.longestForm, text.size()); length > 0; --length)
        if (const TypedForm* form = FindForm(alphabet, text.substr(0, length)))
            if (withBracketsOnly || !form->bracketsOnly)
                return form;
    return nullptr;
}

std::string TileText(const Alphabet& alphabet, const Tiles& tiles) {
    std::string text;
    for (const TileIndex t : tiles)
        text += alphabet.tiles[t].lower;
    return text;
}

std::string TileTextsApart(const Alphabet& alphabet, std::span<const TileIndex> tiles) {
    std::string text;
    for (const TileIndex t : tiles)
        text.append(text.empty() ? "" : " ").append(alphabet.tiles[t].lower);
    return text;
}

} // namespace anagrove
