#include "dictionary/word_list.h"

namespace anagrove {

const char* WordListFileName(DictionaryKind kind) {
    return kind == DictionaryKind::standard ? "standard.txt" : "extended.txt";
}

const char* LoadingStatusText(DictionaryKind kind) {
    return kind == DictionaryKind::standard ? "Loading standard dictionary... please wait"
                                            : "Loading extended dictionary... please wait";
}

WordList LoadWordList(std::string_view fileText) {
    WordList list;
    list.text_.reserve(fileText.size());
    auto add = [&list](std::string_view word) {
        if (list.ends_.size() >= static_cast<std::size_t>(kWordListCapacity)) {
            ++list.dropped_;
            return;
        }
        list.text_.append(word);
        list.ends_.push_back(static_cast<std::uint32_t>(list.text_.size()));
    };

    std::size_t start = 0;
    while (start < fileText.size()) {
        std::size_t lf = fileText.find('\n', start);
        if (lf == std::string_view::npos) {
            add(fileText.substr(start)); // the last line, without a line end
            break;
        }
        std::size_t end = lf;
        if (end > start && fileText[end - 1] == '\r')
            --end;
        add(fileText.substr(start, end - start));
        start = lf + 1;
    }
    list.text_.shrink_to_fit();
    return list;
}

} // namespace anagrove
