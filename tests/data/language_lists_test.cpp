// The word lists of the languages beside English, as the build makes them: the
// format, every word split by the program's own splitter into the tiles it
// spells, the words a player relies on finding and not finding, and the
// summary's counts.

#include "alphabet/tile_split.h"
#include "alphabet/utf8.h"
#include "shipped_alphabet.h"
#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

const std::filesystem::path kLists = ANAGROVE_LANGUAGE_DIR;

struct Entry {
    std::string playing;
    std::vector<std::string> spellings;
};

// The entries of a list, or its first fault: a first line "#alphabet CODE",
// then a playing form a line, with its spellings after tabs, ended by LF and in
// strictly increasing byte order; each playing form splits into 2 to 63 tiles
// of the alphabet that spell it again, and each spelling into the same tiles.
::testing::AssertionResult ReadList(const std::string& code, std::vector<Entry>& entries) {
    const anagrove::Alphabet& alphabet = testing_support::ShippedAlphabet(code);
    const std::string bytes = testing_support::FileBytes(kLists / (code + ".txt"));
    const std::string header = "#alphabet " + code + "\n";
    if (!bytes.starts_with(header))
        return ::testing::AssertionFailure() << "no line " << header;
    for (std::size_t start = header.size(); start < bytes.size();) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            return ::testing::AssertionFailure() << "no LF after byte " << start;
        Entry entry;
        const std::string_view line = std::string_view(bytes).substr(start, end - start);
        for (std::size_t field = 0; field <= line.size();) {
            const std::size_t tab = std::min(line.find('\t', field), line.size());
            (entry.playing.empty() ? entry.playing : entry.spellings.emplace_back()) =
                line.substr(field, tab - field);
            field = tab + 1;
        }
        const std::string where = "line " + std::to_string(entries.size() + 2) + " \"" +
                                  bytes.substr(start, end - start) + "\": ";
        const auto tiles = anagrove::SplitWord(alphabet, entry.playing);
        if (!tiles || tiles->size() < 2 || tiles->size() > anagrove::kMostLetterTiles ||
            anagrove::TileText(alphabet, *tiles) != entry.playing)
            return ::testing::AssertionFailure() << where << "not 2 to 63 tiles in lower case";
        for (const std::string& spelling : entry.spellings) {
            const auto spelled = anagrove::SplitWord(alphabet, spelling);
            if (!spelled || *spelled != *tiles)
                return ::testing::AssertionFailure() << where << "a spelling of other tiles";
        }
        if (!entries.empty() && entries.back().playing >= entry.playing)
            return ::testing::AssertionFailure() << where << "out of order";
        entries.push_back(std::move(entry));
        start = end + 1;
    }
    return ::testing::AssertionSuccess();
}

// The counts of a summary file: "name<TAB>number" lines.
std::map<std::string, std::int64_t> Summary(const std::string& code) {
    std::map<std::string, std::int64_t> counts;
    std::istringstream in(testing_support::FileBytes(kLists / (code + ".summary")));
    for (std::string line; std::getline(in, line);)
        if (const std::size_t tab = line.rfind('\t');
            tab != std::string::npos && tab + 1 < line.size())
            counts[line.substr(0, tab)] = std::atoll(line.c_str() + tab + 1);
    return counts;
}

TEST(LanguageLists, HoldTheWordsPlayersExpectAndCountTheRest) {
    struct Row {
        std::string code;
        std::vector<std::string> words;              // playing form, then its spellings
        std::vector<std::string> notWords;           // playing forms
        std::map<std::string, std::int64_t> leftOut; // at least so many, by reason
    };
    const Row rows[] = {
        {"es", {"calle", "niño", "chorizo", "perro"}, {"kilo"}, {}},
        {"fr", {"garcon\tgarçon", "mere\tmère", "abaisse\tabaisse\tabaissé"}, {"garçon"}, {}},
        {"de", {"häuser\tHäuser", "strasse\tStraße", "aal\tAal\taal"}, {"haeuser", "straße"}, {}},
        {"pl", {"źdźbło", "żółw"}, {"zolw"}, {}},
        {"ca", {"col·legi", "nyap", "quinze"}, {"col.legi"}, {}},
        {"nl", {"ijs", "fiets", "zoologen\tzoölogen"}, {}, {}},
        {"pt", {"coraçao"}, {"coracao"}, {}},
        {"pt-BR", {"coraçao"}, {"agua de cheiro"}, {{"left out: spaces", 100}}},
        {"it",
         {"perche\tperché", "citta\tcittà", "romantica"},
         {"roma", "dell'"},
         {{"left out: apostrophe", 8000}, {"left out: proper name", 400}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        std::vector<Entry> entries;
        ASSERT_TRUE(ReadList(row.code, entries));
        std::map<std::string, std::string> words;
        for (const Entry& e : entries) {
            std::string line = e.playing;
            for (const std::string& s : e.spellings)
                line += "\t" + s;
            words.emplace(e.playing, line);
        }
        for (const std::string& word : row.words)
            EXPECT_EQ(words[word.substr(0, word.find('\t'))], word);
        for (const std::string& word : row.notWords)
            EXPECT_FALSE(words.contains(word)) << word;
        for (const auto& [playing, line] : words)
            ASSERT_EQ(line.find_first_of(" '"), std::string::npos) << line;

        auto counts = Summary(row.code);
        EXPECT_EQ(counts["words"], std::ssize(entries));
        EXPECT_GT(counts["words"], 100000);
        for (const auto& [reason, least] : row.leftOut)
            EXPECT_GE(counts[reason], least) << reason;
    }
}

} // namespace
