#include "cli/result_formats.h"

#include "app/blank_tiles_text.h"
#include "base/latin1.h"
#include "base/number_text.h"
#include "search/blank_letters.h"
#include "search/letter_score.h"

#include <cstdio>

namespace anagrove::cli {

namespace {

// The escapes of JsonString and TsvField, on the bytes as they are.
std::string JsonEscaped(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string TsvEscaped(std::string_view text) {
    std::string field;
    for (char c : text) {
        const char* escaped = c == '\\'   ? "\\\\"
                              : c == '\t' ? "\\t"
                              : c == '\n' ? "\\n"
                              : c == '\r' ? "\\r"
                                          : nullptr;
        if (escaped)
            field += escaped;
        else
            field += c;
    }
    return field;
}

// One column of a row: its key, and its value as text; bare values (numbers,
// true and false) go into JSON unquoted, and a missing value is null there and
// an empty field in tab-separated values.
struct Field {
    const char* key;
    std::optional<std::string> value;
    bool bare = false;
};
using Row = std::vector<Field>;

Field Number(const char* key, std::int64_t n) {
    return {key, ScoreText(n), true};
}

// Writes a whole table in one of the two formats.
class TableWriter {
  public:
    // utf8: the values are UTF-8 already, not Latin-1.
    TableWriter(std::ostream& out, OutputFormat format, bool utf8 = false)
        : out_(out), format_(format), utf8_(utf8) {}
    void Add(const Row& row) {
        if (format_ == OutputFormat::tsv)
            AddTsv(row);
        else
            AddJson(row);
        if (text_.size() > (1u << 16)) {
            out_ << text_;
            text_.clear();
        }
    }
    void Finish() {
        if (format_ == OutputFormat::json)
            text_ += rows_ == 0 ? "[]\n" : "\n]\n";
        out_ << text_;
        text_.clear();
    }

  private:
    void AddTsv(const Row& row) {
        if (rows_++ == 0) {
            for (const Field& field : row)
                text_.append(&field == &row.front() ? "" : "\t").append(field.key);
            text_ += '\n';
        }
        for (const Field& field : row)
            text_.append(&field == &row.front() ? "" : "\t")
                .append(utf8_ ? TsvEscaped(field.value.value_or(""))
                              : TsvField(field.value.value_or("")));
        text_ += '\n';
    }
    void AddJson(const Row& row) {
        text_ += rows_++ == 0 ? "[\n{" : ",\n{";
        for (const Field& field : row) {
            text_.append(&field == &row.front() ? "\"" : ",\"").append(field.key).append("\":");
            text_ += !field.value ? "null"
                     : field.bare ? *field.value
                     : utf8_      ? JsonEscaped(*field.value)
                                  : JsonString(*field.value);
        }
        text_ += '}';
    }

    std::ostream& out_;
    OutputFormat format_;
    bool utf8_;
    std::string text_;
    std::size_t rows_ = 0;
};

std::string HooksText(const std::string& hooks) {
    return hooks.empty() ? "(none)" : hooks;
}

} // namespace

std::string JsonString(std::string_view text) {
    return Utf8FromLatin1(JsonEscaped(text));
}

std::string TsvField(std::string_view text) {
    return Utf8FromLatin1(TsvEscaped(text));
}

void WriteResults(std::ostream& out, OutputFormat format, const FoundWords& found,
                  const ResultListing& listing, const ResultColumns& columns) {
    TableWriter table(out, format);
    for (std::int32_t r = listing.firstRow; r < listing.firstRow + listing.rowCount; ++r) {
        const FoundRow& found_row = found.rows[static_cast<std::size_t>(r)];
        const std::string_view word = found_row.word;
        const BlankUse blanks = RowBlankUse(found_row, columns.rack);
        Row row = {{"word", std::string(word)},
                   Number("length", found_row.length),
                   Number("score", found_row.score),
                   {"blanks", blanks.letters},
                   Number("score_blanks_zero", blanks.scoreBlanksZero)};
        if (!columns.usePoints)
            row[2].value = row[4].value = std::nullopt;
        if (columns.allSchemes) {
            for (PointScheme scheme : kPresetSchemes)
                row.push_back(Number(WordOf(scheme), WordScore(word, PresetTable(scheme))));
            if (columns.custom)
                row.push_back(Number("custom", WordScore(word, *columns.custom)));
        }
        table.Add(row);
    }
    table.Finish();
}

void WriteTileResults(std::ostream& out, OutputFormat format,
                      const std::vector<TileResultRow>& rows) {
    TableWriter table(out, format, true);
    for (const TileResultRow& r : rows) {
        Row row = {{"word", r.word},     Number("length", r.length), {"score", std::nullopt, true},
                   {"blanks", r.blanks}, {"tiles", r.tiles},         {"spelling", r.spelling}};
        if (r.score)
            row[2] = Number("score", *r.score);
        table.Add(row);
    }
    table.Finish();
}

void WriteChecks(std::ostream& out, OutputFormat format, const std::vector<CheckedWord>& words,
                 bool utf8) {
    if (format == OutputFormat::text) {
        for (const CheckedWord& w : words)
            out << (utf8 ? w.word : Utf8FromLatin1(w.word))
                << (w.check.inList ? ": in the list" : ": not in the list")
                << "; front hooks: " << HooksText(w.check.frontHooks)
                << "; back hooks: " << HooksText(w.check.backHooks) << '\n';
        return;
    }
    TableWriter table(out, format, utf8);
    for (const CheckedWord& w : words)
        table.Add({{"word", w.word},
                   {"in_list", w.check.inList ? "true" : "false", true},
                   {"front_hooks", w.check.frontHooks},
                   {"back_hooks", w.check.backHooks}});
    table.Finish();
}

} // namespace anagrove::cli
