#pragma once
// Checking words against a word list: whether each is in it, and which letters
// hook onto it.

#include "word_list/word_list.h"

#include <string>
#include <string_view>
#include <unordered_set>

namespace anagrove {

struct WordCheck {
    bool inList = false;
    std::string frontHooks; // letters a-z that make a word of the list put before it
    std::string backHooks;  // letters a-z that make a word of the list put after it
};

// Words are compared without regard to the case of a-z; other characters
// compare exactly.
class WordChecker {
  public:
    explicit WordChecker(const WordList& list);
    [[nodiscard]] WordCheck Check(std::string_view word) const;

  private:
    [[nodiscard]] bool Holds(const std::string& folded) const { return words_.contains(folded); }
    std::unordered_set<std::string> words_; // the list's words, a-z in lower case
};

} // namespace anagrove
