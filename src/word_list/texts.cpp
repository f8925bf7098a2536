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

} // namespace anagrove
