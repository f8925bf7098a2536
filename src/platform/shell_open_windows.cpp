#include "platform/shell_open.h"

#include "platform/wide_text.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

namespace anagrove {

OpenResult ShellOpen(const std::string& document) {
    // An apartment of its own, without the old OLE DDE that some handlers
    // would otherwise be reached through.
    const HRESULT com =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", WideFromUtf8(document).c_str(),
                                             nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return ShellExecuteOutcome(reinterpret_cast<std::intptr_t>(result));
}

} // namespace anagrove
