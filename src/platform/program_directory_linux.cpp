#include "platform/program_directory.h"

#include <filesystem>
#include <system_error>

namespace anagrove {

std::string ExecutableDirectory() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

} // namespace anagrove
