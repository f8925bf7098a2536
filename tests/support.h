#pragma once
// Small helpers shared by the test executables.

#include "cli/find_command.h"
#include "platform/line_end.h"
#include "platform/program_directory.h"
#include "reference/literal_search.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#ifdef _WIN32
#include "platform/wide_text.h"
#else
#include <sys/wait.h>
#endif

namespace testing_support {

// Where the tests lie, beside the built programs and the shipped lists.
inline std::string BinDir() {
    return anagrove::ExecutableDirectory();
}

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
// A shipped word list: "standard" or "extended".
inline std::string Shipped(const std::string& name) {
    return FileBytes(std::filesystem::path(BinDir()) / (name + ".txt"));
}

// The status text after a search, with its line end.
inline std::string Status(std::size_t found, std::size_t total) {
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) on " " + a
    // temporary string at -O3.
    std::string text = " ";
    return text.append(std::to_string(found))
        .append(" words found out of ")
        .append(std::to_string(total))
        .append(" total words.\n");
}

// anagrove-find run in-process, finding the shipped lists beside the built
// programs, with the text in as its standard input.
struct FindRun {
    int status = -1;
    std::string out, err;
    bool operator==(const FindRun&) const = default;
};
inline void PrintTo(const FindRun& run, std::ostream* os) {
    *os << "status " << run.status << ", out \"" << run.out << "\", err \"" << run.err << '"';
}
inline FindRun Find(const std::vector<std::string>& args, const std::string& in = "") {
    std::istringstream input(in);
    std::ostringstream out, err;
    const int status = anagrove::cli::RunFindCommand(args, BinDir(), input, out, err);
    return {status, out.str(), err.str()};
}

// The arguments of anagrove-find that search the word list at path with the
// options, written as on a command line without quotes.
inline std::vector<std::string> ListArgs(const std::string& path, const std::string& options) {
    std::vector<std::string> args = {"--word-list", path};
    std::istringstream in(options);
    for (std::string arg; in >> arg;)
        args.push_back(arg);
    return args;
}

// A fresh directory for the files of one test, removed with them.
struct ScratchDir {
    std::filesystem::path path = Make();
    ~ScratchDir() {
        // Windows removes no read-only file.
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(path, error);
    }
    std::string File(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }

  private:
    static std::filesystem::path Make() {
        std::random_device device;
        for (;;) {
            const auto made = std::filesystem::temp_directory_path() /
                              ("anagrove-" + std::to_string(device() % 1000000000));
            if (std::filesystem::create_directory(made))
                return made;
        }
    }
};

// A UTF-8 path as the file system takes it, on every system.
inline std::filesystem::path Utf8Path(const std::string& utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}
inline std::string Utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// The texts as the built program writes them to its standard streams, which
// end lines in CR LF on Windows.
inline FindRun Printed(FindRun run) {
    for (std::string* text : {&run.out, &run.err}) {
        std::string printed;
        for (const char c : *text)
            if (c == '\n')
                printed += anagrove::kTextLineEnd;
            else
                printed += c;
        *text = std::move(printed);
    }
    return run;
}

// The file name of the built anagrove-find.
#ifdef _WIN32
inline constexpr const char* kFindProgram = "anagrove-find.exe";
#else
inline constexpr const char* kFindProgram = "anagrove-find";
#endif

// The built anagrove-find, from programDir (UTF-8), run by the system's shell
// in dir with the arguments (UTF-8), written as on a command line, reading
// input through a pipe (from a file on Windows).
inline FindRun FindBuilt(const ScratchDir& dir, const std::string& args,
                         const std::string& input = "", const std::string& programDir = BinDir()) {
    const std::string in = dir.File("in", input), out = dir.File("out", ""),
                      err = dir.File("err", "");
    const std::string program = Utf8Text(Utf8Path(programDir) / kFindProgram);
    const std::string redirections = " >\"" + out + "\" 2>\"" + err + "\"";
#ifdef _WIN32
    const int status =
        ::_wsystem(anagrove::WideFromUtf8("cd /d \"" + dir.path.string() + "\" && \"" + program +
                                          "\" " + args + " <\"" + in + "\"" + redirections)
                       .c_str());
#else
    const int raw = std::system(("cd '" + dir.path.string() + "' && cat '" + in + "' | '" +
                                 program + "' " + args + redirections)
                                    .c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return {status, FileBytes(out), FileBytes(err)};
}

} // namespace testing_support
