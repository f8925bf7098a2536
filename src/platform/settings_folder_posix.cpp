#include "platform/settings_folder.h"

#include <cstdlib>
#include <unistd.h>

namespace anagrove {

std::string UserSettingsFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config)
        return std::string(config) + "/anagrove";
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/.config/anagrove" : std::string();
}

bool InstalledCopiesLookPortable() {
    return false;
}

bool CanMakeFilesIn(const std::string& directory) {
    return ::access(directory.c_str(), W_OK) == 0;
}

} // namespace anagrove
