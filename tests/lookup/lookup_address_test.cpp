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

// A word of any language goes into its alphabet's address as UTF-8, every byte
// that could end or change the address encoded once.
TEST(LookupAddress, PutsAUtf8WordIntoAnAddressPattern) {
    using anagrove::WordLookupAddress;
    const char* es = "https://es.wiktionary.org/wiki/%s";
    EXPECT_EQ(WordLookupAddress(es, "ni\xc3\xb1o"), "https://es.wiktionary.org/wiki/ni%C3%B1o");
    EXPECT_EQ(WordLookupAddress(es, "col\xc2\xb7legi"),
              "https://es.wiktionary.org/wiki/col%C2%B7legi");
    EXPECT_EQ(WordLookupAddress(es, "a/b?c#d e%"),
              "https://es.wiktionary.org/wiki/a%2Fb%3Fc%23d%20e%25");
    EXPECT_EQ(WordLookupAddress("https://x.org/?w=%s&l=pl", "\xc5\xbc\xc3\xb3\xc5\x82w"),
              "https://x.org/?w=%C5%BC%C3%B3%C5%82w&l=pl");
    EXPECT_EQ(WordLookupAddress(es, ""), std::nullopt);
    EXPECT_EQ(WordLookupAddress("https://x.org/", "casa"), std::nullopt);
}

} // namespace
