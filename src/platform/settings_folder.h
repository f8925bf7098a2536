#pragma once
// Where the system keeps a user's settings of a program, and whether the
// program may keep them in its own folder instead.

#include <string>

namespace anagrove {

// The folder of this program's settings for the user who runs it: on Linux
// $XDG_CONFIG_HOME/anagrove, else ~/.config/anagrove; on Windows
// %APPDATA%\Anagrove. Empty if the system cannot tell it. Not made here.
[[nodiscard]] std::string UserSettingsFolder();

// Whether an installed copy lies with its data files in one folder, as a
// portable copy does (Windows), so that only a marker file tells the two
// apart. Elsewhere an installed copy's data files lie in ../share/anagrove.
[[nodiscard]] bool InstalledCopiesLookPortable();

// Whether the program can make files in the directory: it tries, on Windows,
// where the folder's rights say more than its read-only attribute.
[[nodiscard]] bool CanMakeFilesIn(const std::string& directory);

} // namespace anagrove
