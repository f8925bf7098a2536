// The literal whole process that anagrove-find is measured against: reads the
// list, cuts it into strings, runs the literal search and sort of the tests and
// prints the items and the status as anagrove-find does. It takes a subset of
// anagrove-find's options:
//   anagrove-literal-find --word-list FILE [--min N] [--max N] [--no-max]
//                         [--anagram] [--sort alpha|score|length] LETTERS
// Scrabble values; shown items always carry their points.

#include "reference/literal_search.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The Scrabble letter values, A to Z.
constexpr std::array<std::int32_t, 26> kScrabble = {1, 3, 3, 2,  1, 4, 2, 4, 1, 8, 5, 1, 3,
                                                    1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10};

std::string Utf8(const std::string& latin1) {
    std::string text;
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | byte >> 6);
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string Count(std::int64_t n) {
    std::string text = n < 0 ? "" : " ";
    return text += std::to_string(n);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::string path, letters;
    literal::Limits limits;
    int order = 1;
    for (int a = 1; a < argc; ++a) {
        const std::string arg = argv[a];
        const bool hasValue = a + 1 < argc;
        if (arg == "--word-list" && hasValue)
            path = argv[++a];
        else if (arg == "--min" && hasValue)
            limits.minimum = std::stod(argv[++a]);
        else if (arg == "--max" && hasValue)
            limits.maximum = std::stod(argv[++a]);
        else if (arg == "--no-max")
            limits.noMaximum = true;
        else if (arg == "--anagram")
            limits.anagram = true;
        else if (arg == "--sort" && hasValue)
            order = std::string(argv[++a]) == "score"  ? 2
                    : std::string(argv[a]) == "length" ? 3
                                                       : 1;
        else
            letters = arg;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "anagrove-literal-find: cannot read " << path << '\n';
        return 1;
    }
    // As many characters as the file has bytes, in one read.
    std::string text(static_cast<std::size_t>(file.seekg(0, std::ios::end).tellg()), '\0');
    file.seekg(0).read(text.data(), static_cast<std::streamsize>(text.size()));
    const std::vector<std::string> words = literal::CutLines(text);

    literal::Found found = literal::findwords(letters, limits, words, kScrabble);
    literal::SortByOption(found.rows, order);
    std::string out;
    for (const literal::TextRow& row : found.rows) {
        if (order == 1 && row.word.empty())
            continue; // the alphabetical listing leaves out empty words
        out += Utf8(row.word);
        out += order == 1 ? " (" : " ";
        out += row.score;
        out += order == 1 ? ")\n" : "\n";
    }
    std::cout << out;
    const auto shown = static_cast<std::int64_t>(found.rows.size());
    std::cerr << Count(shown) << " words found out of" << Count(std::ssize(words))
              << " total words.";
    if (found.matched > shown)
        std::cerr << " (the first" << Count(shown) << " of" << Count(found.matched) << " matches)";
    std::cerr << '\n';
    return 0;
}
