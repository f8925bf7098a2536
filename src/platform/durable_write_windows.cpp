#include "platform/durable_write.h"

#include "platform/wide_text.h"

#include <algorithm>
#include <windows.h>

namespace anagrove {

Expected<Done> WriteFileDurably(const std::string& path, std::string_view bytes) {
    const std::wstring target = WideFromUtf8(path);
    const std::wstring temporary = target + L".new";
    auto failure = [&](DWORD error) {
        ::DeleteFileW(temporary.c_str());
        return Expected<Done>(FailureText(WindowsErrorText(error)));
    };
    HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Expected<Done>(FailureText(WindowsErrorText(::GetLastError())));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
        DWORD n = 0;
        const bool written = ::WriteFile(file, bytes.data() + done, chunk, &n, nullptr);
        if (!written || n == 0) {
            const DWORD error = written ? ERROR_DISK_FULL : ::GetLastError();
            ::CloseHandle(file);
            return failure(error);
        }
        done += n;
    }
    const DWORD flushed = ::FlushFileBuffers(file) ? ERROR_SUCCESS : ::GetLastError();
    const DWORD closed = ::CloseHandle(file) ? ERROR_SUCCESS : ::GetLastError();
    if (flushed != ERROR_SUCCESS || closed != ERROR_SUCCESS)
        return failure(flushed != ERROR_SUCCESS ? flushed : closed);
    // Write-through: the call returns when the new name is on the disk too.
    if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return failure(::GetLastError());
    return Done{};
}

} // namespace anagrove
