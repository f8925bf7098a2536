#pragma once
// Small helpers shared by the test executables.

#include "cli/find_command.h"
#include "reference/literal_search.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace testing_support {

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
// A shipped word list: "standard" or "extended".
inline std::string Shipped(const std::string& name) {
    return FileBytes(std::filesystem::path(ANAGROVE_BIN_DIR) / (name + ".txt"));
}

// The status text after a search, with its line end.
inline std::string Status(std::size_t found, std::size_t total) {
    return " " + std::to_string(found) + " words found out of " + std::to_string(total) +
           " total words.\n";
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
    const int status = anagrove::cli::RunFindCommand(args, ANAGROVE_BIN_DIR, input, out, err);
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
    std::string pattern = std::filesystem::temp_directory_path() / "anagrove-XXXXXX";
    std::filesystem::path path = ::mkdtemp(pattern.data()) ? pattern : "/nonexistent";
    ~ScratchDir() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }
};

} // namespace testing_support
