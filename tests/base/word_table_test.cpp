// Enumeration words: each value's word reads back as the value, and only the
// exact word does.

#include "base/word_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace anagrove {
namespace {
enum class Shade { light, dark, none };
} // namespace
template <> struct EnumWords<Shade> {
    static constexpr WordTable<Shade, 3> table{
        {{Shade::light, "light"}, {Shade::dark, "dark"}, {Shade::none, "none"}}};
};

namespace {

TEST(WordTable, EachValueHasOneExactWord) {
    for (const auto& [value, word] : NamedValues<Shade>()) {
        const std::string w = word;
        EXPECT_EQ(WordOf(value), w);
        EXPECT_EQ(ValueOf<Shade>(w), std::optional(value)) << w;
        for (const std::string& near : {w + " ", " " + w, "X" + w.substr(1), w.substr(1)})
            EXPECT_EQ(ValueOf<Shade>(near), std::nullopt) << near;
    }
    EXPECT_EQ(ValueOf<Shade>(""), std::nullopt);
    EXPECT_EQ(NamedValues<Shade>().size(), 3u);
}

} // namespace
} // namespace anagrove
