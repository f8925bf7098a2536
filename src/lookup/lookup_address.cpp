#include "lookup/lookup_address.h"

namespace anagrove {

std::optional<std::string> LookupWord(std::string_view item) {
    std::size_t blank = item.find(' ');
    if (blank == 0 || blank == std::string_view::npos)
        return std::nullopt;
    return std::string(item.substr(0, blank));
}

namespace {

bool NeedsEncoding(unsigned char c) {
    return c <= 32 || c >= 127 || c == '#' || c == '%' || c == '&' || c == '?' || c == '+' ||
           c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' || c == '`' || c == '{' ||
           c == '|' || c == '}';
}

void Escape(std::string& address, unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    address += '%';
    address += kHex[byte >> 4];
    address += kHex[byte & 15];
}

} // namespace

std::optional<std::string> LookupAddress(std::string_view prefix, std::string_view item) {
    auto word = LookupWord(item);
    if (!word)
        return std::nullopt;
    std::string address(prefix);
    const auto escape = [&address](unsigned char byte) { Escape(address, byte); };
    for (unsigned char c : *word) {
        if (c >= 128) { // a Latin-1 letter: the two bytes of its UTF-8 form
            escape(static_cast<unsigned char>(0xC0 | (c >> 6)));
            escape(static_cast<unsigned char>(0x80 | (c & 0x3F)));
        } else if (NeedsEncoding(c)) {
            escape(c);
        } else {
            address += static_cast<char>(c);
        }
    }
    return address;
}

std::string WordAddress(std::string_view pattern, std::string_view utf8Word) {
    std::string address;
    const std::size_t at = pattern.find("%s");
    address.append(pattern.substr(0, at));
    if (at == std::string_view::npos)
        return address;
    for (const unsigned char c : utf8Word) {
        if (NeedsEncoding(c))
            Escape(address, c);
        else
            address += static_cast<char>(c);
    }
    address.append(pattern.substr(at + 2));
    return address;
}

} // namespace anagrove
