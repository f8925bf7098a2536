#include "app/program_directory.h"

#include <filesystem>
#include <system_error>

namespace anagrove {

std::string ExecutableDirectory() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

std::string WordListPath(const std::string& programDirectory, DictionaryKind kind) {
    namespace fs = std::filesystem;
    const fs::path beside = fs::path(programDirectory) / WordListFileName(kind);
    const fs::path installed =
        fs::path(programDirectory) / ".." / "share" / "anagrove" / WordListFileName(kind);
    std::error_code error;
    if (!fs::exists(beside, error) && fs::exists(installed, error))
        return installed.lexically_normal().string();
    return beside.string();
}

} // namespace anagrove
