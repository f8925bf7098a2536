// anagrove-find's manual page against its --help, which is made from the
// option table.

#include "cli/option_texts.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

// The text of a line of roff font macros (.B, .BI, .BR): its arguments run
// together, without quotes or font changes, and with \- as -.
std::string RoffText(const std::string& line) {
    std::string text;
    bool quoted = false;
    for (std::size_t i = line.find(' ') + 1; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line.compare(i, 2, "\\f") == 0) // a font change: \fI, \fR, \fP
            i += 2;
        else if (line.compare(i, 2, "\\-") == 0)
            text += line[++i];
        else if (line[i] != ' ' || quoted)
            text += line[i];
    }
    return text;
}

// The paragraphs of the OPTIONS section are tagged with exactly the options,
// in the order and with the values that --help shows.
TEST(FindOptionTexts, ManualPageTagsTheOptionsAsHelpDoes) {
    std::vector<std::string> help, manual;
    std::istringstream usage(anagrove::cli::FindUsageText());
    for (std::string line; std::getline(usage, line);)
        if (line.starts_with("  -"))
            help.push_back(line.substr(2, line.find("  ", 2) - 2));
    std::istringstream page(
        testing_support::FileBytes(ANAGROVE_SOURCE_DIR "/dist/anagrove-find.1"));
    for (std::string line, tag; std::getline(page, line); tag = line)
        if (tag == ".TP" && line.starts_with(".B"))
            manual.push_back(RoffText(line));
    EXPECT_EQ(manual, help);
}

} // namespace
