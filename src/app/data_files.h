#pragma once
// Where the program finds its data files (the word lists and the help page)
// and where it keeps its settings.

#include "word_list/word_list.h"

#include <string>

namespace anagrove {

// The path of a data file: beside the program, or, for an installed copy, in
// ../share/anagrove. When neither exists, the path beside the program.
[[nodiscard]] std::string DataFilePath(const std::string& programDirectory,
                                       const std::string& fileName);
// The path of a word list, found as DataFilePath finds any data file.
[[nodiscard]] std::string WordListPath(const std::string& programDirectory, WordListKind kind);
// Whether the program is an installed copy: its data files are not beside it
// but in ../share/anagrove.
[[nodiscard]] bool IsInstalledCopy(const std::string& programDirectory);

// The file beside the program that makes a copy portable where installed
// copies lie in one folder with their data files too (Windows): the portable
// zip carries it, the installer does not.
inline constexpr const char* kPortableMarkerName = "portable.txt";

// What decides where a copy of the program keeps its settings.
struct SettingsPlaceFacts {
    bool installedLayout; // its data files lie in ../share/anagrove
    bool portableMarker;  // kPortableMarkerName lies beside it
    bool markerNeeded;    // the system's installed copies look portable but for the marker
    bool folderWritable;  // the program can make files in its own folder
};
// Whether the settings lie beside the program, as a copy run where it was
// built or a portable copy keeps them; otherwise in the user's settings folder,
// as an installed copy keeps them, and any copy that cannot write its folder.
[[nodiscard]] bool SettingsBesideProgram(const SettingsPlaceFacts& facts);
// The path of the settings file for the program in programDirectory, chosen
// by SettingsBesideProgram from what lies on the disk. The user's settings
// folder is made when it is chosen.
[[nodiscard]] std::string SettingsFilePath(const std::string& programDirectory);

} // namespace anagrove
