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

} // namespace anagrove
