#pragma once
// A strict reader of JSON text for the tests: only what the JSON grammar allows,
// with strings as anagrove-find writes them (bytes above 127 as the UTF-8 of a
// Latin-1 character, \u escapes only below 128), read back into a tree.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct Json {
    char kind = 0;                 // '[', '{', '"', '0' (a number), 't', 'f' or 'n'
    std::string text;              // a string's value, a number's or a word's literal
    std::vector<std::string> keys; // an object's keys, one per item
    std::vector<Json> items;       // an array's or an object's values

    const Json* Member(std::string_view key) const {
        const auto k = std::ranges::find(keys, key);
        return k == keys.end() ? nullptr : &items[static_cast<std::size_t>(k - keys.begin())];
    }
};

class JsonReader {
  public:
    // The value of the whole text, or nothing when it is not JSON.
    static std::optional<Json> Read(std::string_view text) {
        JsonReader reader{text};
        Json value;
        const bool read = reader.Value(value);
        reader.Space();
        return read && reader.at_ == text.size() ? std::optional(value) : std::nullopt;
    }

  private:
    explicit JsonReader(std::string_view text) : s_(text) {}
    std::string_view s_;
    std::size_t at_ = 0;

    // The next byte, or NUL at the end (never valid where it is asked for).
    unsigned char Peek() const { return at_ < s_.size() ? static_cast<unsigned char>(s_[at_]) : 0; }
    void Space() {
        while (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')
            ++at_;
    }
    bool Take(char c) {
        Space();
        return Peek() == c && ++at_;
    }
    bool Digits() {
        const std::size_t from = at_;
        while (std::isdigit(Peek()))
            ++at_;
        return at_ > from;
    }
    bool Value(Json& out) {
        Space();
        out.kind = static_cast<char>(Peek());
        if (out.kind == '[' || out.kind == '{')
            return Items(out);
        if (out.kind == '"')
            return ++at_ && String(out.text);
        for (const std::string_view word : {"true", "false", "null"})
            if (word[0] == out.kind) {
                out.text = word;
                return s_.substr(at_).starts_with(word) && (at_ += word.size());
            }
        const std::size_t start = at_;
        at_ += Peek() == '-';
        if (!(Peek() == '0' ? ++at_ : Digits()) || (Peek() == '.' && (++at_, !Digits())))
            return false;
        if (Peek() == 'e' || Peek() == 'E') {
            ++at_;
            at_ += Peek() == '+' || Peek() == '-';
            if (!Digits())
                return false;
        }
        out.kind = '0';
        out.text = s_.substr(start, at_ - start);
        return true;
    }
    // A string's characters after its opening quote.
    bool String(std::string& out) {
        for (unsigned char c; (c = Peek()) != '"'; ++at_) {
            if (c < 0x20) // a raw control character, or the end of the text
                return false;
            if (c >= 0x80) {
                if ((c != 0xc2 && c != 0xc3) || at_ + 1 >= s_.size() ||
                    (s_[at_ + 1] & 0xc0) != 0x80)
                    return false;
                out += s_.substr(at_++, 2);
            } else if (c != '\\') {
                out += static_cast<char>(c);
            } else if (++at_, Peek() == 'u') {
                const std::string_view hex = s_.substr(at_ + 1, 4);
                unsigned code = 0x80;
                if (hex.size() < 4 ||
                    std::from_chars(hex.data(), hex.data() + 4, code, 16).ptr != hex.data() + 4 ||
                    code >= 0x80)
                    return false;
                out += static_cast<char>(code);
                at_ += 4;
            } else if (const auto k =
                           std::string_view("\"\\/bfnrt").find(static_cast<char>(Peek()));
                       k != std::string_view::npos) {
                out += "\"\\/\b\f\n\r\t"[k];
            } else {
                return false;
            }
        }
        return ++at_;
    }
    // An array's values, or an object's keys and values.
    bool Items(Json& out) {
        const char close = out.kind == '{' ? '}' : ']';
        ++at_;
        if (Take(close))
            return true;
        do {
            if (out.kind == '{' && !(Take('"') && String(out.keys.emplace_back()) && Take(':')))
                return false;
            if (!Value(out.items.emplace_back()))
                return false;
        } while (Take(','));
        return Take(close);
    }
};

} // namespace testing_support
