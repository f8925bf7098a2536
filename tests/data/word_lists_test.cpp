// The shipped word lists as committed in data/: their format, the words a
// player relies on finding and not finding, and the standard list inside the
// extended one.

#include "support.h"
#include "word_list/word_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

const std::filesystem::path kData = ANAGROVE_DATA_DIR;

// The words of a list, or the first fault of its format: every line a word of
// two or more letters a-z ended by CR LF, in strictly increasing byte order, and
// no more words than the program holds.
::testing::AssertionResult ReadList(const std::string& bytes, std::vector<std::string>& words) {
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            return ::testing::AssertionFailure() << "no CR LF after byte " << start;
        std::string word = bytes.substr(start, end - start);
        if (word.size() < 2 ||
            !std::ranges::all_of(word, [](char c) { return c >= 'a' && c <= 'z'; }))
            return ::testing::AssertionFailure() << "line " << words.size() + 1 << ": \"" << word
                                                 << "\" is not two or more letters a-z";
        if (!words.empty() && words.back() >= word)
            return ::testing::AssertionFailure() << "line " << words.size() + 1 << ": \"" << word
                                                 << "\" after \"" << words.back() << "\"";
        words.push_back(std::move(word));
        start = end + 2;
    }
    if (std::ssize(words) > anagrove::kWordListCapacity)
        return ::testing::AssertionFailure()
               << words.size() << " words, more than the program holds";
    return ::testing::AssertionSuccess();
}

TEST(ShippedWordLists, HoldTheWordsPlayersExpect) {
    std::vector<std::string> standard, extended;
    ASSERT_TRUE(ReadList(testing_support::FileBytes(kData / "standard.txt"), standard));
    ASSERT_TRUE(ReadList(testing_support::FileBytes(kData / "extended.txt"), extended));
    ASSERT_FALSE(standard.empty());

    struct Row {
        bool inStandard, inExtended;
        std::vector<std::string> words;
    };
    const Row rows[] = {
        // Plays of tile games, from the word-game list, and a newer word.
        {true, true, {"qat", "abaci", "adz", "oe", "aah", "xu", "emoji"}},
        // Accepted by some games only.
        {false, true, {"qi", "za"}},
        // Abbreviations and a single letter.
        {false, false, {"adj", "abbr", "asap", "atm", "acct", "a"}},
    };
    for (const Row& row : rows)
        for (const std::string& word : row.words)
            EXPECT_EQ(std::pair(std::ranges::binary_search(standard, word),
                                std::ranges::binary_search(extended, word)),
                      std::pair(row.inStandard, row.inExtended))
                << word;

    EXPECT_TRUE(std::ranges::includes(extended, standard)) << "a standard word is not extended";

    // Every word of the word-game list is a standard word.
    std::vector<std::string> enable;
    std::istringstream source(testing_support::FileBytes(kData / "sources" / "enable1.txt"));
    for (std::string word; source >> word;)
        enable.push_back(word);
    std::ranges::sort(enable);
    EXPECT_EQ(enable.size(), 172823u);
    EXPECT_TRUE(std::ranges::includes(standard, enable)) << "an ENABLE word is not standard";
}

} // namespace
