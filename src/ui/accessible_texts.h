#pragma once
// What a screen reader says for controls whose caption does not tell what
// they do, and the result list's description.

#include <QString>

namespace anagrove::ui {

inline constexpr const char* kAboutWordListsName = "About the word lists";
inline constexpr const char* kAboutPointsName = "About letter points";
inline constexpr const char* kResultListName = "Words found";

// A letter box of the custom point editor: "A points".
inline QString LetterPointsName(QChar letter) {
    return QString(letter) + " points";
}
// A tile's box in the editor for another language: "CH points".
inline QString TilePointsName(const QString& tile) {
    return tile + " points";
}
// A button of the tile row under the letters box: "Tile CH".
inline QString TileButtonName(const QString& tile) {
    return "Tile " + tile;
}
inline constexpr const char* kTileRowName = "Tiles to type";
inline constexpr const char* kLanguageMenuName = "Languages and word lists";

// The result list's description: the count its frame shows, if any, and its
// Alt key ("1072 words found, Alt+W").
inline QString ResultListDescription(const QString& frameCaption, const QString& altKey) {
    const QString count = frameCaption.trimmed();
    if (count.isEmpty() || !count.front().isDigit())
        return altKey;
    return count + ", " + altKey;
}

} // namespace anagrove::ui
