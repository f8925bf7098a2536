#include "alphabet/tile_split.h"

#include "alphabet/nfc.h"
#include "alphabet/utf8.h"

namespace anagrove {

Expected<TypedText, TextFault> ReadTypedText(const Alphabet& alphabet, std::string_view utf8) {
    auto decoded = DecodeUtf8(utf8);
    if (!decoded)
        return Failure{TextFault{TileFault::notUtf8, {}, decoded.error().offset}};
    TypedText text{ComposeNfc(*decoded), {}};
    text.lowered.reserve(text.typed.size());
    for (const char32_t c : text.typed)
        text.lowered += LowerCase(alphabet, c);
    return text;
}

Expected<Tiles, TextFault> SplitWord(const Alphabet& alphabet, std::string_view utf8) {
    auto text = ReadTypedText(alphabet, utf8);
    if (!text)
        return Failure{text.error()};
    const std::u32string_view lowered = text->lowered;
    Tiles tiles;
    for (std::size_t at = 0; at < lowered.size();) {
        const TypedForm* form = LongestForm(alphabet, lowered.substr(at), true);
        if (!form)
            return Failure{TextFault{TileFault::notATile, EncodeUtf8(text->typed.substr(at, 1))}};
        tiles.insert(tiles.end(), form->tiles.begin(), form->tiles.end());
        at += form->text.size();
    }
    return tiles;
}

} // namespace anagrove
