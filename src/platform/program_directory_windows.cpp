#include "platform/program_directory.h"

#include "platform/wide_text.h"

#include <windows.h>

namespace anagrove {

std::string ExecutableDirectory() {
    // Paths may be longer than MAX_PATH; the buffer grows until the name fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    std::size_t slash = name.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return {};
    // The root of a drive keeps its backslash: "E:" alone would name the
    // drive's current directory.
    if (slash > 0 && name[slash - 1] == L':')
        ++slash;
    return Utf8FromWide(name.substr(0, slash));
}

} // namespace anagrove
