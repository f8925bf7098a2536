// The module's interface to the page: plain C functions over one Session, which
// the page creates and passes back to every call. Texts go out as UTF-8 that
// the session keeps until its next text: the call gives where it starts, and
// anagrove_text_size its length in bytes.

#include "web/web_session.h"

#include <cstdint>
#include <string>

namespace {

using anagrove::PointScheme;
using anagrove::SortOrder;
using anagrove::WordListKind;
using anagrove::web::Choice;
using anagrove::web::Session;
using anagrove::web::TextKind;

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

// list: 0 standard, 1 extended. Gives the list's word count.
EXPORT(anagrove_load_list) std::int32_t anagrove_load_list(Handle* h, std::int32_t list) {
    return h->session.LoadList(list == 1 ? WordListKind::extended : WordListKind::standard);
}

// field: a TextField.
EXPORT(anagrove_set_text) void anagrove_set_text(Handle* h, std::int32_t field) {
    h->session.SetText(field);
}

// choice: a Choice; value: 0 or 1 for the switches, the list as above, the
// scheme 0 Scrabble to 3 custom, the order 1 alphabetical, 2 score, 3 length.
EXPORT(anagrove_choose) void anagrove_choose(Handle* h, std::int32_t choice, std::int32_t value) {
    if (choice >= 0 && choice <= static_cast<std::int32_t>(Choice::order))
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

EXPORT(anagrove_resort) void anagrove_resort(Handle* h, std::int32_t order) {
    h->session.Resort(order == 2   ? SortOrder::score
                      : order == 3 ? SortOrder::length
                                   : SortOrder::alpha);
}

EXPORT(anagrove_count) std::int32_t anagrove_count(Handle* h) {
    return h->session.ListedCount();
}

// kind: a TextKind; row: for the texts of one listed row.
EXPORT(anagrove_text) const char* anagrove_text(Handle* h, std::int32_t kind, std::int32_t row) {
    if (kind < 0 || kind > static_cast<std::int32_t>(TextKind::listed_words))
        h->text.clear();
    else
        h->text = h->session.Text(static_cast<TextKind>(kind), row);
    return h->text.data();
}

EXPORT(anagrove_text_size) std::uint32_t anagrove_text_size(Handle* h) {
    return static_cast<std::uint32_t>(h->text.size());
}

// scheme: 0 Scrabble to 3 custom.
EXPORT(anagrove_scheme_score)
double anagrove_scheme_score(Handle* h, std::int32_t row, std::int32_t scheme) {
    return scheme >= 0 && scheme <= 3
               ? h->session.SchemeScore(row, static_cast<PointScheme>(scheme))
               : 0;
}

EXPORT(anagrove_blank_zero_score) double anagrove_blank_zero_score(Handle* h, std::int32_t row) {
    return h->session.BlankZeroScore(row);
}
