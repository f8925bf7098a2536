#pragma once
// anagrove-find's machine-readable output: tab-separated values and JSON.

#include "app/search_request.h"
#include "cli/output_format.h"
#include "points/letter_points.h"
#include "results/found_words.h"
#include "results/result_text.h"
#include "search/board_letters.h"
#include "word_list/word_check.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove::cli {

// A Latin-1 text as a JSON string, quotes included, in UTF-8: quotes,
// backslashes and control characters are escaped.
[[nodiscard]] std::string JsonString(std::string_view text);
// A Latin-1 text as one tab-separated field, in UTF-8: backslash, tab, line
// feed and carriage return are written \\, \t, \n and \r.
[[nodiscard]] std::string TsvField(std::string_view text);

// What the columns of a search's results are computed from.
struct ResultColumns {
    SearchRack rack; // the typed rack, the chosen scheme's values, the board letters
    bool usePoints = true;
    bool allSchemes = false;
    std::optional<LetterPoints> custom; // custom values given on the command line
};

// The listed rows, in list order, with a header line (tsv) or as one array of
// objects (json).
void WriteResults(std::ostream& out, OutputFormat format, const FoundWords& found,
                  const ResultListing& listing, const ResultColumns& columns);

// A found word of a search in tiles, its texts in UTF-8.
struct TileResultRow {
    std::string word; // the playing form, lower case
    std::int32_t length = 0;
    std::optional<std::int64_t> score; // none with --no-points
    std::string blanks;                // the tiles the blanks stand for, apart ("ll ñ")
    std::string tiles;                 // the word's tiles, apart ("c a ll e")
    std::string spelling;              // the list's spelling, if it gives one
};
// The rows as WriteResults writes its tables, with the tiles and the spelling.
void WriteTileResults(std::ostream& out, OutputFormat format,
                      const std::vector<TileResultRow>& rows);

struct CheckedWord {
    std::string word; // Latin-1 as given, or UTF-8 when checked in tiles
    WordCheck check;
};
// One line per word (text), a header line and a row per word (tsv), or an
// array of objects (json). utf8: the words and hooks are UTF-8 already, as a
// check in tiles gives them.
void WriteChecks(std::ostream& out, OutputFormat format, const std::vector<CheckedWord>& words,
                 bool utf8 = false);

} // namespace anagrove::cli
