#include "platform/whole_file.h"

#include "platform/texts.h"
#include "platform/wide_text.h"

#include <cerrno>
#include <cstring>
#include <windows.h>

namespace anagrove {

namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileText LastError() {
    return FailureText(WindowsErrorText(::GetLastError()));
}

} // namespace

FileText ReadWholeFile(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    // Others may go on reading, writing, renaming or replacing the file while
    // it is read. Backup semantics open a directory too, so that it is told
    // apart from a file that may not be read.
    FileHandle file(::CreateFileW(wide.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        if (::GetLastError() == ERROR_ACCESS_DENIED && IsDirectory(wide))
            return FailureText(std::strerror(EISDIR));
        return LastError();
    }
    // Pipes (\\.\pipe\...) and devices (NUL, CON, COM1) may never end or may
    // block; opening them does not wait, and only files on a disk are read.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return FailureText(kNotRegularFileText);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info))
        return LastError();
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return FailureText(std::strerror(EISDIR));
    const unsigned long long size =
        (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > kMaxFileBytes)
        return FailureText(kFileTooLargeText);

    std::string text;
    // One byte more than the file has, so that the read that meets the end
    // needs no larger buffer.
    text.resize(static_cast<std::size_t>(size) + 1);
    std::size_t done = 0;
    // The file may grow or shrink while it is read: read until the end,
    // growing the buffer as needed.
    for (;;) {
        if (done == text.size()) {
            if (text.size() >= kMaxFileBytes)
                return FailureText(kFileTooLargeText);
            text.resize(text.size() + 65536);
        }
        DWORD n = 0;
        if (!::ReadFile(file.get(), text.data() + done, static_cast<DWORD>(text.size() - done), &n,
                        nullptr))
            return LastError();
        if (n == 0)
            break;
        done += n;
    }
    text.resize(done);
    return text;
}

} // namespace anagrove
