#include "base/latin1.h"

#include <optional>

namespace anagrove {

namespace {

// The code points of valid UTF-8 text mapped to Latin-1, or nothing.
std::optional<std::string> DecodeUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = lead < 0x80         ? 0
                            : (lead >> 5) == 6  ? 1
                            : (lead >> 4) == 14 ? 2
                            : (lead >> 3) == 30 ? 3
                                                : 4;
        if (extra == 4 || i + extra >= text.size())
            return std::nullopt;
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        out += cp <= 0xFF ? static_cast<char>(cp) : '?';
        i += extra + 1;
    }
    return out;
}

} // namespace

std::string Latin1FromUtf8(std::string_view text) {
    auto decoded = DecodeUtf8(text);
    return decoded ? *decoded : std::string(text);
}

std::string Utf8FromLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

} // namespace anagrove
