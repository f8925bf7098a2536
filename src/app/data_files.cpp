#include "app/data_files.h"

#include <filesystem>
#include <system_error>

namespace anagrove {

namespace fs = std::filesystem;

std::string DataFilePath(const std::string& programDirectory, const std::string& fileName) {
    const fs::path beside = fs::path(programDirectory) / fileName;
    const fs::path installed = fs::path(programDirectory) / ".." / "share" / "anagrove" / fileName;
    std::error_code error;
    if (!fs::exists(beside, error) && fs::exists(installed, error))
        return installed.lexically_normal().string();
    return beside.string();
}

std::string WordListPath(const std::string& programDirectory, DictionaryKind kind) {
    return DataFilePath(programDirectory, WordListFileName(kind));
}

bool IsInstalledCopy(const std::string& programDirectory) {
    const std::string list = WordListFileName(DictionaryKind::standard);
    return DataFilePath(programDirectory, list) != (fs::path(programDirectory) / list).string();
}

} // namespace anagrove
