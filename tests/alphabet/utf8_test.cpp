// UTF-8 decoding: what it refuses, and where.

#include "alphabet/nfc.h"
#include "alphabet/utf8.h"

#include <gtest/gtest.h>

namespace {

using anagrove::DecodeUtf8;

TEST(Utf8, RefusesEachKindOfBadByteAtItsOffset) {
    struct Row {
        const char* name;
        std::string bytes;
        std::size_t offset;
    };
    const Row rows[] = {
        {"stray continuation byte", "ab\x80", 2},
        {"overlong two-byte a", "x\xC1\xA1", 1},
        {"overlong three-byte slash", "\xE0\x80\xAF", 0},
        {"overlong four-byte", "\xF0\x8F\xBF\xBF", 0},
        {"surrogate", "\xED\xA0\x80", 0},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 0},
        {"lead byte F5", "\xF5\x80\x80\x80", 0},
        {"cut-off last character", "ni\xC3", 2},
        {"ASCII where a continuation belongs", "\xC3(", 1},
        {"Latin-1 e acute", "caf\xE9", 3},
    };
    for (const Row& row : rows) {
        const auto decoded = DecodeUtf8(row.bytes);
        ASSERT_FALSE(decoded.ok()) << row.name;
        EXPECT_EQ(decoded.error().offset, row.offset) << row.name;
    }
}

TEST(Utf8, DecodesAndEncodesEveryLengthAndComposesDecomposedLetters) {
    const std::string text = "a\u00F1\u0142\u20AC\U0001F600\u007F\u0080\u07FF\u0800\uFFFF";
    const auto decoded = DecodeUtf8(text);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(*decoded, U"a\u00F1\u0142\u20AC\U0001F600\u007F\u0080\u07FF\u0800\uFFFF");
    EXPECT_EQ(anagrove::EncodeUtf8(*decoded), text);

    // Decomposed (NFD) letters compose; two marks compose in turn; a mark
    // after a letter with no such composition stays.
    EXPECT_EQ(anagrove::ComposeNfc(U"n\u0303e\u0301z\u0307u\u0308\u0304"),
              U"\u00F1\u00E9\u017C\u01D6");
    EXPECT_EQ(anagrove::ComposeNfc(U"\u0142\u0301q\u0301\u0301"), U"\u0142\u0301q\u0301\u0301");
    EXPECT_EQ(anagrove::ComposeNfc(U"\u0301a"), U"\u0301a");
}

} // namespace
