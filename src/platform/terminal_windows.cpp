#include "platform/terminal.h"

#include "platform/wide_text.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

namespace anagrove {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) // the narrow ones are what is left
        return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc)
                        : std::vector<std::string>();
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i)
        args.push_back(Utf8FromWide(wide[i]));
    ::LocalFree(wide);
    return args;
}

TerminalStreams::TerminalStreams() {
    ::_setmode(::_fileno(stdin), _O_BINARY);
    const UINT codePage = ::GetConsoleOutputCP();
    if (codePage != 0 && codePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
        consoleCodePage_ = codePage;
}

TerminalStreams::~TerminalStreams() {
    if (consoleCodePage_ != 0)
        ::SetConsoleOutputCP(consoleCodePage_);
}

void PrintFromWindowedProgram(std::string_view text) {
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE && ::GetFileType(out) != FILE_TYPE_UNKNOWN) {
        // Redirected to a file or a pipe (or run under a console host that
        // gave it one): the bytes as they are.
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
        return;
    }
    // Started from a console: the text goes there, in UTF-16 as consoles take
    // it. A program started from the desktop has none and prints nothing.
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    const HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        // The console's prompt is already back: the answer starts on a line of its own.
        const std::wstring wide = L"\r\n" + WideFromUtf8(text);
        DWORD written = 0;
        ::WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        ::CloseHandle(console);
    }
    ::FreeConsole();
}

} // namespace anagrove
