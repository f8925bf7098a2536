#include "alphabet/alphabet_file.h"

#include "alphabet/nfc.h"
#include "alphabet/texts.h"
#include "alphabet/utf8.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace anagrove {

namespace {

// One line of the file, cut into fields at spaces and tabs.
struct Line {
    std::size_t number = 0;
    std::vector<std::u32string> fields;
};

std::optional<int> SmallNumber(const std::u32string& field) {
    const std::string digits = EncodeUtf8(field);
    int value = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || value < 0 || value > 999)
        return std::nullopt;
    return value;
}

Expected<std::vector<Line>> CutLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<Line> lines;
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const auto decoded = DecodeUtf8(line);
        if (!decoded || decoded->find(U'\0') != std::u32string::npos)
            return FailureText(AlphabetLineText(number, kAlphabetNotUtf8));
        Line cut{number, {}};
        std::u32string field;
        for (const char32_t c : *decoded + U' ') {
            if (c != U' ' && c != U'\t') {
                field += c;
            } else if (!field.empty()) {
                cut.fields.push_back(std::move(field));
                field.clear();
            }
        }
        if (!cut.fields.empty() && cut.fields.front().front() != U'#')
            lines.push_back(std::move(cut));
    }
    return lines;
}

// Builds an alphabet from the cut lines: the settings and tiles first, then
// the case pairs, then the forms that stand for tiles.
class AlphabetBuilder {
  public:
    Expected<Alphabet> Build(const std::vector<Line>& lines) {
        alphabet_.tiles.push_back({"*", "*", 0, 0});
        for (const Line& line : lines)
            if (auto fault = TakeLine(line))
                return FailureText(AlphabetLineText(line.number, fault));
        if (alphabet_.code.empty() || alphabet_.name.empty() || alphabet_.tiles.size() < 2)
            return FailureText(kAlphabetMissing);
        if (auto fault = CasePairs())
            return FailureText(*fault);
        if (auto fault = Forms())
            return FailureText(*fault);
        std::ranges::sort(alphabet_.forms, {}, &TypedForm::text);
        for (const TypedForm& form : alphabet_.forms)
            alphabet_.longestForm = std::max(alphabet_.longestForm, form.text.size());
        return std::move(alphabet_);
    }

  private:
    using Fault = std::optional<std::string>;
    static Fault LineFault(std::size_t line, const char* message) {
        return AlphabetLineText(line, message);
    }

    // The line's fault, or nullptr.
    const char* TakeLine(const Line& line) {
        const auto& f = line.fields;
        const std::u32string& key = f[0];
        if (key == U"language" || key == U"name" || key == U"lookup") {
            std::string& setting = key == U"language" ? alphabet_.code
                                   : key == U"name"   ? alphabet_.name
                                                      : alphabet_.lookup;
            if (!setting.empty())
                return kAlphabetRepeatedKey;
            // A name may hold spaces: it is the rest of the line.
            for (std::size_t i = 1; i < f.size(); ++i)
                setting += (i > 1 ? " " : "") + EncodeUtf8(f[i]);
            if (setting.empty() || (key != U"name" && f.size() != 2))
                return kAlphabetFieldCount;
            if (key == U"lookup" && setting.find("%s") == std::string::npos)
                return kAlphabetNoLookupWord;
        } else if (key == U"blank") {
            if (f.size() != 2)
                return kAlphabetFieldCount;
            const auto count = SmallNumber(f[1]);
            if (!count)
                return kAlphabetBadNumber;
            alphabet_.tiles[kBlankTile].count = *count;
        } else if (key == U"tile") {
            if (f.size() < 5)
                return kAlphabetFieldCount;
            const auto value = SmallNumber(f[3]), count = SmallNumber(f[4]);
            if (!value || !count)
                return kAlphabetBadNumber;
            if (alphabet_.tiles.size() > kMostLetterTiles)
                return kAlphabetTooManyTiles;
            if (ComposeNfc(f[1]) != f[1] || ComposeNfc(f[2]) != f[2])
                return kAlphabetNotNfc;
            alphabet_.tiles.push_back({EncodeUtf8(f[1]), EncodeUtf8(f[2]), *value, *count});
            tileLines_.push_back(line);
            // "QU" and "qu" pair Q and q, whether or not Q is a tile.
            if (f[1].size() == f[2].size())
                for (std::size_t i = 0; i < f[1].size(); ++i)
                    if (f[1][i] != f[2][i])
                        pairs_.push_back({line.number, f[1][i], f[2][i]});
        } else if (key == U"case" || key == U"fold") {
            if (f.size() != (key == U"case" ? 3u : 4u))
                return kAlphabetFieldCount;
            const bool noUpper = key == U"fold" && f[1] == U"-";
            if ((!noUpper && f[1].size() != 1) || f[2].size() != 1)
                return kAlphabetNotOneLetter;
            if (!noUpper)
                pairs_.push_back({line.number, f[1][0], f[2][0]});
            if (key == U"fold")
                foldLines_.push_back(line);
        } else {
            return kAlphabetUnknownKey;
        }
        return nullptr;
    }

    Fault CasePairs() {
        std::map<char32_t, char32_t> lowerOf;
        for (const auto& [line, upper, lower] : pairs_) {
            const auto [at, added] = lowerOf.emplace(upper, lower);
            if (!added && at->second != lower)
                return LineFault(line, kAlphabetWrongLowerCase);
        }
        alphabet_.lowerOf.assign(lowerOf.begin(), lowerOf.end());
        return std::nullopt;
    }

    std::u32string Lowered(const std::u32string& text) const {
        std::u32string lowered = ComposeNfc(text);
        for (char32_t& c : lowered)
            c = LowerCase(alphabet_, c);
        return lowered;
    }

    // Adds a form, or says the line's fault.
    Fault AddForm(std::size_t line, std::u32string text, Tiles tiles, bool bracketsOnly = false) {
        if (text.find_first_of(U"*[]") != std::u32string::npos)
            return LineFault(line, kAlphabetReservedCharacter);
        const auto [at, added] = formTiles_.emplace(text, tiles);
        if (!added && at->second != tiles)
            return LineFault(line, kAlphabetRepeatedForm);
        if (added)
            alphabet_.forms.push_back({std::move(text), std::move(tiles), bracketsOnly});
        return std::nullopt;
    }

    Fault Forms() {
        std::set<char32_t> singleLetters;
        for (std::size_t t = 1; t < alphabet_.tiles.size(); ++t)
            if (tileLines_[t - 1].fields[2].size() == 1)
                singleLetters.insert(tileLines_[t - 1].fields[2][0]);
        for (std::size_t t = 1; t < alphabet_.tiles.size(); ++t) {
            const Line& line = tileLines_[t - 1];
            const std::u32string& lower = line.fields[2];
            if (Lowered(line.fields[1]) != lower || Lowered(lower) != lower)
                return LineFault(line.number, kAlphabetWrongLowerCase);
            const bool spelledByOthers =
                lower.size() > 1 &&
                std::ranges::all_of(lower, [&](char32_t c) { return singleLetters.contains(c); });
            const Tiles tile{static_cast<TileIndex>(t)};
            if (auto fault = AddForm(line.number, lower, tile, spelledByOthers))
                return fault;
            for (std::size_t a = 5; a < line.fields.size(); ++a)
                if (auto fault = AddForm(line.number, Lowered(line.fields[a]), tile))
                    return fault;
        }
        for (const Line& line : foldLines_) {
            Tiles tiles;
            const std::u32string target = Lowered(line.fields[3]);
            for (std::size_t at = 0; at < target.size();) {
                const TypedForm* longest = nullptr;
                for (const TypedForm& form : alphabet_.forms)
                    if (form.tiles.size() == 1 &&
                        std::u32string_view(target).substr(at).starts_with(form.text) &&
                        (!longest || form.text.size() > longest->text.size()))
                        longest = &form;
                if (!longest)
                    return LineFault(line.number, kAlphabetFoldNotTiles);
                tiles.push_back(longest->tiles.front());
                at += longest->text.size();
            }
            if (auto fault = AddForm(line.number, Lowered(line.fields[2]), std::move(tiles)))
                return fault;
        }
        return std::nullopt;
    }

    struct Pair {
        std::size_t line;
        char32_t upper, lower;
    };
    Alphabet alphabet_;
    std::vector<Line> tileLines_, foldLines_;
    std::vector<Pair> pairs_;
    std::map<std::u32string, Tiles> formTiles_;
};

} // namespace

Expected<Alphabet> ReadAlphabet(std::string_view text) {
    auto lines = CutLines(text);
    if (!lines)
        return Failure{lines.error()};
    return AlphabetBuilder().Build(*lines);
}

} // namespace anagrove
