#pragma once
// A strict reader of JSON text for the tests: it accepts only what the JSON
// grammar allows (UTF-8 strings without raw control characters, escapes, numbers,
// true, false, null, arrays and objects) and gives the value back as a tree.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct Json {
    enum class Kind { null, boolean, number, string, array, object } kind = Kind::null;
    std::string text;              // a string's value (UTF-8), a number's or boolean's literal
    std::vector<Json> items;       // an array's values, or an object's
    std::vector<std::string> keys; // an object's keys, one per item

    const Json* Member(std::string_view key) const {
        for (std::size_t k = 0; k < keys.size(); ++k)
            if (keys[k] == key)
                return &items[k];
        return nullptr;
    }
};

class JsonReader {
  public:
    // The value of the whole text, or nothing when it is not JSON.
    static std::optional<Json> Read(std::string_view text) {
        JsonReader reader(text);
        Json value;
        if (!reader.Value(value))
            return std::nullopt;
        reader.Space();
        return reader.at_ == text.size() ? std::optional(value) : std::nullopt;
    }

  private:
    explicit JsonReader(std::string_view text) : s_(text) {}

    void Space() {
        while (at_ < s_.size() &&
               (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\n' || s_[at_] == '\r'))
            ++at_;
    }
    bool Take(char c) {
        Space();
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view w, Json::Kind kind, Json& out) {
        if (s_.substr(at_, w.size()) != w)
            return false;
        at_ += w.size();
        out.kind = kind;
        out.text = w;
        return true;
    }
    bool Value(Json& out) {
        Space();
        if (at_ >= s_.size())
            return false;
        switch (s_[at_]) {
        case '{':
            return Items(out, true);
        case '[':
            return Items(out, false);
        case '"':
            out.kind = Json::Kind::string;
            return String(out.text);
        case 't':
            return Word("true", Json::Kind::boolean, out);
        case 'f':
            return Word("false", Json::Kind::boolean, out);
        case 'n':
            return Word("null", Json::Kind::null, out);
        default:
            return Number(out);
        }
    }
    bool Number(Json& out) {
        const std::size_t start = at_;
        auto digits = [&] {
            const std::size_t from = at_;
            while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9')
                ++at_;
            return at_ > from;
        };
        if (at_ < s_.size() && s_[at_] == '-')
            ++at_;
        if (at_ < s_.size() && s_[at_] == '0')
            ++at_;
        else if (!digits())
            return false;
        if (at_ < s_.size() && s_[at_] == '.' && (++at_, !digits()))
            return false;
        if (at_ < s_.size() && (s_[at_] == 'e' || s_[at_] == 'E')) {
            ++at_;
            if (at_ < s_.size() && (s_[at_] == '+' || s_[at_] == '-'))
                ++at_;
            if (!digits())
                return false;
        }
        out.kind = Json::Kind::number;
        out.text = s_.substr(start, at_ - start);
        return true;
    }
    bool String(std::string& out) {
        ++at_; // the opening quote
        while (at_ < s_.size()) {
            const auto c = static_cast<unsigned char>(s_[at_++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (at_ >= s_.size())
                    return false;
                const char e = s_[at_++];
                const std::string_view simple = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
                if (const auto k = simple.find(e); k != std::string_view::npos) {
                    out += meant[k];
                } else if (e == 'u' && at_ + 4 <= s_.size()) {
                    const unsigned code = std::stoul(std::string(s_.substr(at_, 4)), nullptr, 16);
                    at_ += 4;
                    if (code >= 0x80) // the program escapes only control characters
                        return false;
                    out += static_cast<char>(code);
                } else {
                    return false;
                }
            } else if (c >= 0x80) { // a whole UTF-8 sequence of two bytes
                if (c < 0xc2 || c > 0xdf || at_ >= s_.size() ||
                    (static_cast<unsigned char>(s_[at_]) & 0xc0) != 0x80)
                    return false;
                out += static_cast<char>(c);
                out += s_[at_++];
            } else {
                out += static_cast<char>(c);
            }
        }
        return false;
    }
    // An array's values, or an object's keys and values.
    bool Items(Json& out, bool keyed) {
        ++at_;
        out.kind = keyed ? Json::Kind::object : Json::Kind::array;
        const char close = keyed ? '}' : ']';
        if (Take(close))
            return true;
        do {
            if (keyed) {
                Space();
                std::string key;
                if (at_ >= s_.size() || s_[at_] != '"' || !String(key) || !Take(':'))
                    return false;
                out.keys.push_back(key);
            }
            out.items.emplace_back();
            if (!Value(out.items.back()))
                return false;
        } while (Take(','));
        return Take(close);
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

} // namespace testing_support
