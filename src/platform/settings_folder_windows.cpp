#include "platform/settings_folder.h"

#include "platform/wide_text.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace anagrove {

std::string UserSettingsFolder() {
    wchar_t* roaming = nullptr;
    std::string folder;
    if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &roaming) == S_OK)
        folder = Utf8FromWide(roaming) + "\\Anagrove";
    ::CoTaskMemFree(roaming);
    return folder;
}

bool InstalledCopiesLookPortable() {
    return true;
}

bool CanMakeFilesIn(const std::string& directory) {
    // A file of a name of its own, made and removed at once.
    wchar_t made[MAX_PATH + 1];
    if (!::GetTempFileNameW(WideFromUtf8(directory).c_str(), L"ana", 0, made))
        return false;
    ::DeleteFileW(made);
    return true;
}

} // namespace anagrove
