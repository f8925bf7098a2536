// Texts typed into the limit boxes and the custom point editor.

#include "app/search_request.h"
#include "points/custom_points.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace anagrove;
using namespace std::literals;

// Each text typed into both limit boxes and, for another letter each time, into
// the custom point editor.
TEST(NumberTexts, LimitsAndCustomValues) {
    struct Row {
        const char* typed;
        const char* limit;  // the value of both limits; nullptr: refused, naming the box
        const char* stored; // the stored custom text; nullptr: refused, naming the letter
        const char* active; // the active custom value
    };
    const Row rows[] = {
        {"", nullptr, nullptr, nullptr},
        {" ", nullptr, nullptr, nullptr},
        {"abc", nullptr, nullptr, nullptr},
        {"x", nullptr, nullptr, nullptr},
        {"1e400", nullptr, nullptr, nullptr},
        {"-1e400", nullptr, nullptr, nullptr},
        {"nan", nullptr, nullptr, nullptr},
        {"inf", nullptr, nullptr, nullptr},
        {"2,5", nullptr, nullptr, nullptr},
        {"1,5", nullptr, nullptr, nullptr},
        {"--1", nullptr, nullptr, nullptr},
        {"1e10", "1e10", nullptr, nullptr},
        {"2147483648", "2147483648", nullptr, nullptr},
        {"-2147483649", "-2147483649", nullptr, nullptr},
        {"2147483647.5", "2147483647.5", nullptr, nullptr},
        {"99999999999", "99999999999", nullptr, nullptr},
        {" 4 ", "4", " 4", "4"},
        {"+4", "4", " 4", "4"},
        {"07", "7", " 7", "7"},
        {"1e1", "10", " 10", "10"},
        {"1e-400", "0", " 0", "0"},
        {"-0.5e-330", "0", " 0", "0"},
        {"-0", "0", " 0", "0"},
        {"2.5", "2.5", " 2.5", "2"},
        {"3.5", "3.5", " 3.5", "4"},
        {"-2.5", "-2.5", "-2.5", "-2"},
        {"2.51", "2.51", " 2.51", "3"},
        {"2147483647", "2147483647", " 2147483647", "2147483647"},
        {"-2147483648.5", "-2147483648.5", "-2147483648.5", "-2147483648"},
    };
    std::size_t letter = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("typed \"") + row.typed + "\"");
        const auto limits = ReadSearchLimits({"tea", row.typed, row.typed});
        ASSERT_EQ(limits.ok(), row.limit != nullptr);
        if (row.limit)
            EXPECT_TRUE(limits->minimum == std::stod(row.limit) &&
                        limits->maximum == std::stod(row.limit));
        else
            EXPECT_EQ(limits.error() + ReadSearchLimits({"tea", "2", row.typed}).error(),
                      "Please enter a number in the box \"Minimum letters:\"."
                      "Please enter a number in the box \"Maximum letters:\".");
        letter = (letter + 7) % 26;
        std::array<std::string, 26> entries;
        entries.fill("1");
        entries[letter] = row.typed;
        const auto converted = ConvertCustomValues(entries);
        ASSERT_EQ(converted.ok(), row.stored != nullptr);
        if (!converted) {
            EXPECT_EQ(converted.error().letter, int(letter));
            EXPECT_EQ(converted.error().message,
                      "Please enter a number from -2147483648 to 2147483647 for "s +
                          char('A' + letter) + ".");
        } else {
            EXPECT_EQ(converted->stored[letter], row.stored);
            EXPECT_EQ(std::to_string(converted->active[letter]), row.active);
            EXPECT_EQ(*ActiveCustomValues(converted->stored), converted->active);
        }
    }
}

} // namespace
