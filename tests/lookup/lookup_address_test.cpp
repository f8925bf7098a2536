// The web addresses of the lookups.

#include "lookup/lookup_address.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace anagrove;
using namespace std::literals;

// The address is the fixed https prefix and the word, never an option, a path
// or a second query field.
TEST(Lookup, AddressIsTheFixedPrefixAndTheEncodedWord) {
    EXPECT_EQ(kThesaurusAddress, "https://www.thesaurus.com/search?q="s);
    struct Row {
        std::string item; // a result-list item
        std::string word; // the address after the prefix; empty: nothing to look up
    };
    const Row rows[] = {
        {"quiz 22", "quiz"},
        {"quiz ", "quiz"},
        {"quiz (22)", "quiz"},
        {"ice cream (9)", "ice"},
        {"o'er -3", "o'er"},
        {"a#b%c&d 3", "a%23b%25c%26d"},
        {"why?+ 1", "why%3F%2B"},
        {"a\tb\"<| 1", "a%09b%22%3C%7C"},
        {"caf\xe9\x01 5", "caf%C3%A9%01"},
        {"\xff\x80\xbf 2", "%C3%BF%C2%80%C2%BF"},
        {"-rf 3", "-rf"},
        {"/etc/passwd 1", "/etc/passwd"},
        {"quiz", ""},
        {"", ""},
        {" 0", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LookupAddress(kDictionaryAddress, row.item),
                  row.word.empty()
                      ? std::nullopt
                      : std::optional("https://www.dictionary.com/search?q=" + row.word))
            << row.item;
}

// A language's address carries the word's UTF-8 bytes encoded, wherever the
// alphabet's pattern puts it, and nothing breaks out of its place.
TEST(Lookup, LanguageAddressPutsTheEncodedWordInThePattern) {
    const std::string wiki = "https://fr.wiktionary.org/wiki/%s";
    EXPECT_EQ(WordAddress(wiki, "m\u00e8re"), "https://fr.wiktionary.org/wiki/m%C3%A8re");
    EXPECT_EQ(WordAddress(wiki, "l\u00b7l"), "https://fr.wiktionary.org/wiki/l%C2%B7l");
    EXPECT_EQ(WordAddress(wiki, "a b?c#d&e"), "https://fr.wiktionary.org/wiki/a%20b%3Fc%23d%26e");
    EXPECT_EQ(WordAddress("https://x.org/?q=%s&lang=pl", "\u017c\u00f3\u0142w"),
              "https://x.org/?q=%C5%BC%C3%B3%C5%82w&lang=pl");
    EXPECT_EQ(WordAddress("https://x.org/%s", "50%"), "https://x.org/50%25");
}

} // namespace
