#include "app/data_files.h"

#include "app/settings.h"
#include "platform/settings_folder.h"

#include <filesystem>
#include <system_error>

namespace anagrove {

namespace fs = std::filesystem;

namespace {

// Paths are UTF-8 throughout the program; std::filesystem takes a plain
// string in the system's narrow encoding, which on Windows is not UTF-8.
fs::path PathFromUtf8(const std::string& utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}
std::string Utf8FromPath(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}

} // namespace

std::string DataFilePath(const std::string& programDirectory, const std::string& fileName) {
    const fs::path directory = PathFromUtf8(programDirectory);
    const fs::path beside = directory / PathFromUtf8(fileName);
    const fs::path installed = directory / ".." / "share" / "anagrove" / PathFromUtf8(fileName);
    std::error_code error;
    if (!fs::exists(beside, error) && fs::exists(installed, error))
        return Utf8FromPath(installed.lexically_normal());
    return Utf8FromPath(beside);
}

std::string WordListPath(const std::string& programDirectory, WordListKind kind) {
    return DataFilePath(programDirectory, WordListFileName(kind));
}

bool IsInstalledCopy(const std::string& programDirectory) {
    const std::string list = WordListFileName(WordListKind::standard);
    return DataFilePath(programDirectory, list) !=
           Utf8FromPath(PathFromUtf8(programDirectory) / PathFromUtf8(list));
}

bool SettingsBesideProgram(const SettingsPlaceFacts& facts) {
    return facts.folderWritable && !facts.installedLayout &&
           (facts.portableMarker || !facts.markerNeeded);
}

std::string SettingsFilePath(const std::string& programDirectory) {
    const fs::path directory = PathFromUtf8(programDirectory);
    std::error_code error;
    const SettingsPlaceFacts facts = {
        .installedLayout = IsInstalledCopy(programDirectory),
        .portableMarker = fs::exists(directory / kPortableMarkerName, error),
        .markerNeeded = InstalledCopiesLookPortable(),
        .folderWritable = CanMakeFilesIn(programDirectory),
    };
    const std::string userFolder = UserSettingsFolder();
    if (SettingsBesideProgram(facts) || userFolder.empty())
        return Utf8FromPath(directory / kSettingsFileName);
    fs::create_directories(PathFromUtf8(userFolder), error);
    return Utf8FromPath(PathFromUtf8(userFolder) / kSettingsFileName);
}

} // namespace anagrove
