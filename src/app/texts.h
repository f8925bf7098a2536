#pragma once
// The program's title and the texts of what it does as a whole: the messages
// and status texts of "Find Words", the messages when a lookup cannot reach
// the browser, and the column names of a saved table. The result list's texts
// are made in results/result_text.h, the note on blank tiles in
// app/blank_tiles_text.h.

#include <string>
#include <string_view>

namespace anagrove {

inline constexpr const char* kProgramTitle = "Anagrove";

// The status once a word list is loaded.
inline constexpr const char* kReadyStatusText = "Please enter letters to begin search";
// The status when no word list could be loaded.
inline constexpr const char* kNoWordListStatusText = "No word list is loaded";
inline constexpr const char* kSearchingStatusText = "Searching...";
inline constexpr const char* kNoLettersMessage = "Please enter some letters to begin";
inline constexpr const char* kMinimumNotNumberMessage =
    "Please enter a number in the box \"Minimum letters:\".";
inline constexpr const char* kMaximumNotNumberMessage =
    "Please enter a number in the box \"Maximum letters:\".";

inline constexpr const char* kBrowserUnavailableTitle = "Browser Unavailable";
// "Anagrove had a problem running your web browser.You should ...(Error2)"
[[nodiscard]] std::string BrowserProblemText(long code);
// "Anagrove could not find a file association for <document> on your system. ..."
[[nodiscard]] std::string AssociationText(std::string_view document);

// The first line of the results saved as comma-separated values.
inline constexpr const char* kCsvHeaderLine =
    "word,length,score,blank letters,score with blanks at zero\r\n";

} // namespace anagrove
