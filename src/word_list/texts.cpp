#include "word_list/texts.h"

namespace anagrove {

const char* LoadingStatusText(WordListKind kind) {
    return kind == WordListKind::standard ? "Loading standard dictionary... please wait"
                                          : "Loading extended dictionary... please wait";
}

std::string LeftOutWordsText(const std::string& path, std::int64_t dropped) {
    return "Only the first " + std::to_string(kWordListCapacity) + " words of " + path +
           " were loaded; " + std::to_string(dropped) + " more were left out.";
}

std::string TileWordsLeftOutText(const std::string& list, const LeftOutWords& left,
                                 const std::string& languageName) {
    if (left.notTiles + left.tooLong == 0)
        return {};
    return std::to_string(left.notTiles + left.tooLong) + " words of the list " + list +
           " were left out: " + std::to_string(left.notTiles) + " not " + languageName +
           " tiles, " + std::to_string(left.tooLong) + " over " + std::to_string(kMostWordTiles) +
           " tiles";
}

} // namespace anagrove
