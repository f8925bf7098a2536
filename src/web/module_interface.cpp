// The module's interface to the page: plain C functions over one Session, which
// the page creates and passes back to every call. Texts go out as UTF-8 that
// the session keeps until its next text: the call gives where it starts, and
// anagrove_text_size its length in bytes. Every number the page passes is an
// enumerator of web_session.h or of the core (SortOrder, PointScheme,
// WordListKind); the page's build writes the same numbers out for the page.

#include "web/web_session.h"

#include "points/letter_points.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

using anagrove::PointScheme;
using anagrove::SortOrder;
using anagrove::WordListKind;
using anagrove::web::Choice;
using anagrove::web::Session;
using anagrove::web::TextKind;

// A scheme the page named, or nothing for a number that names none.
std::optional<PointScheme> SchemeOf(std::int32_t scheme) {
    if (scheme < static_cast<std::int32_t>(PointScheme::scrabble) ||
        scheme > static_cast<std::int32_t>(PointScheme::custom))
        return std::nullopt;
    return static_cast<PointScheme>(scheme);
}

// A session and the last text it gave out.
struct Handle {
    Session session;
    std::string text;
};

} // namespace

#define EXPORT(name) extern "C" __attribute__((export_name(#name)))

EXPORT(anagrove_new) Handle* anagrove_new() {
    return new Handle;
}

EXPORT(anagrove_delete) void anagrove_delete(Handle* h) {
    delete h;
}

// Where the page writes size bytes for anagrove_load_list or anagrove_set_text.
EXPORT(anagrove_input) char* anagrove_input(Handle* h, std::uint32_t size) {
    return h->session.Input(size);
}

// list: a WordListKind. Gives the list's word count.
EXPORT(anagrove_load_list) std::int32_t anagrove_load_list(Handle* h, std::int32_t list) {
    return h->session.LoadList(list == static_cast<std::int32_t>(WordListKind::extended)
                                   ? WordListKind::extended
                                   : WordListKind::standard);
}

// field: a TextField.
EXPORT(anagrove_set_text) void anagrove_set_text(Handle* h, std::int32_t field) {
    h->session.SetText(field);
}

// choice: a Choice (one the session does not know changes nothing); value: 0
// or 1 for the switches, a WordListKind, a PointScheme or a SortOrder.
EXPORT(anagrove_choose) void anagrove_choose(Handle* h, std::int32_t choice, std::int32_t value) {
    h->session.Choose(static_cast<Choice>(choice), value);
}

// -1 when the search ran; otherwise the field that refused it.
EXPORT(anagrove_search) std::int32_t anagrove_search(Handle* h) {
    return h->session.Search().value_or(-1);
}

// The same refusal as anagrove_search, or -1, without searching.
EXPORT(anagrove_check) std::int32_t anagrove_check(Handle* h) {
    return h->session.Check().value_or(-1);
}

// order: a SortOrder; another number sorts alphabetically.
EXPORT(anagrove_resort) void anagrove_resort(Handle* h, std::int32_t order) {
    const bool known = order >= static_cast<std::int32_t>(SortOrder::alpha) &&
                       order <= static_cast<std::int32_t>(SortOrder::length);
    h->session.Resort(known ? static_cast<SortOrder>(order) : SortOrder::alpha);
}

EXPORT(anagrove_count) std::int32_t anagrove_count(Handle* h) {
    return h->session.ListedCount();
}

// kind: a TextKind (one the session does not know gives an empty text); row:
// for the texts of one listed row.
EXPORT(anagrove_text) const char* anagrove_text(Handle* h, std::int32_t kind, std::int32_t row) {
    h->text = h->session.Text(static_cast<TextKind>(kind), row);
    return h->text.data();
}

EXPORT(anagrove_text_size) std::uint32_t anagrove_text_size(Handle* h) {
    return static_cast<std::uint32_t>(h->text.size());
}

// scheme: a PointScheme.
EXPORT(anagrove_scheme_score)
double anagrove_scheme_score(Handle* h, std::int32_t row, std::int32_t scheme) {
    const auto known = SchemeOf(scheme);
    return known ? h->session.SchemeScore(row, *known) : 0;
}

// The value of letter (0 for A to 25 for Z) in a preset scheme, which the page's
// custom values start from; 0 for custom or a number that names nothing.
EXPORT(anagrove_letter_value)
std::int32_t anagrove_letter_value(std::int32_t scheme, std::int32_t letter) {
    const auto known = SchemeOf(scheme);
    if (!known || *known == PointScheme::custom || letter < 0 || letter >= 26)
        return 0;
    return PresetTable(*known)[static_cast<std::size_t>(letter)];
}

// Another language: the input as its alphabet file. Gives its letter tiles,
// or -1 (anagrove_text of TextKind::message says why).
EXPORT(anagrove_load_alphabet) std::int32_t anagrove_load_alphabet(Handle* h) {
    return h->session.LoadAlphabet();
}

// Starts the loaded alphabet's list, lines and bytes long as far as the page
// knows (0: not known); 0, or -1 without an alphabet.
EXPORT(anagrove_begin_tile_list)
std::int32_t anagrove_begin_tile_list(Handle* h, std::uint32_t lines, std::uint32_t bytes) {
    return h->session.BeginTileList(lines, bytes) ? 0 : -1;
}

// The input as the list's next piece, cut anywhere; gives the words so far.
EXPORT(anagrove_read_tile_list) std::int32_t anagrove_read_tile_list(Handle* h) {
    return h->session.ReadTileList();
}

// Ends the list; gives its word count.
EXPORT(anagrove_end_tile_list) std::int32_t anagrove_end_tile_list(Handle* h) {
    return h->session.EndTileList();
}

// The list's words left out: why 0 not the alphabet's tiles, why 1 too long.
EXPORT(anagrove_left_out) double anagrove_left_out(Handle* h, std::int32_t why) {
    return static_cast<double>(h->session.LeftOut(why));
}

// A tile's value (1 to the alphabet's letter tiles) in its standard set.
EXPORT(anagrove_tile_value) std::int32_t anagrove_tile_value(Handle* h, std::int32_t tile) {
    return h->session.TileValue(tile);
}

EXPORT(anagrove_blank_zero_score) double anagrove_blank_zero_score(Handle* h, std::int32_t row) {
    return h->session.BlankZeroScore(row);
}
