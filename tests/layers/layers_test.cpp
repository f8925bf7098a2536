// Every #include under src/ must be allowed by src/layers.txt.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The table's lines in order: each folder and the folders it may include.
using Layers = std::vector<std::pair<std::string, std::set<std::string>>>;

Layers ReadLayers(const std::string& table) {
    Layers layers;
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::ranges::replace(line, ':', ' ');
        std::istringstream words(line);
        auto& [folder, allowed] = layers.emplace_back();
        words >> folder;
        for (std::string name; words >> name;)
            allowed.insert(name);
    }
    return layers;
}

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The operating system's own headers, POSIX and Windows, besides <sys/...>.
bool IsSystemHeader(const std::string& name) {
    static const std::set<std::string> kNames{"dirent.h",  "dlfcn.h", "fcntl.h",   "poll.h",
                                              "pthread.h", "spawn.h", "termios.h", "unistd.h",
                                              "direct.h",  "io.h",    "windows.h"};
    return name.starts_with("sys/") || kNames.contains(name);
}

// What an include line names: the folder of a quoted path ("search/x.h"), the
// including file's own folder for a quoted bare name, "Qt" for a Qt header,
// "system" for the operating system's headers, nothing for other headers.
std::string IncludedFolder(const std::string& line, const std::string& ownFolder) {
    const auto start = line.find_first_of("\"<");
    if (start == std::string::npos)
        return {};
    const std::string name =
        line.substr(start + 1, line.find_first_of("\">", start + 1) - start - 1);
    if (line[start] == '<')
        return !name.empty() && name[0] == 'Q' ? "Qt" : IsSystemHeader(name) ? "system" : "";
    const auto slash = name.find('/');
    return slash == std::string::npos ? ownFolder : name.substr(0, slash);
}

// "folder/file: #include ..." for every include the table does not allow.
// files maps each path below src/ ("search/find_words.cpp") to its text.
std::vector<std::string> ForbiddenIncludes(const Layers& layers,
                                           const std::map<std::string, std::string>& files) {
    std::vector<std::string> forbidden;
    for (const auto& [path, text] : files) {
        const std::string folder = path.substr(0, path.find('/'));
        const auto allowed = std::ranges::find(layers, folder, &Layers::value_type::first);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("#include", 0) != 0)
                continue;
            const std::string included = IncludedFolder(line, folder);
            if (included.empty() || included == folder)
                continue;
            if (allowed == layers.end() || !allowed->second.contains(included))
                forbidden.push_back(path + ": " + line);
        }
    }
    return forbidden;
}

std::map<std::string, std::string> SourceFiles(const fs::path& src) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(src))
        if (entry.is_regular_file() &&
            (entry.path().extension() == ".h" || entry.path().extension() == ".cpp"))
            files[fs::relative(entry.path(), src).generic_string()] = FileText(entry.path());
    return files;
}

const fs::path kSrc = fs::path(ANAGROVE_SOURCE_DIR) / "src";

TEST(Layers, TableNamesOnlyLowerLayers) {
    const Layers layers = ReadLayers(FileText(kSrc / "layers.txt"));
    ASSERT_GE(layers.size(), 8u);
    std::set<std::string> below{"Qt", "system"};
    for (const auto& [folder, allowed] : layers) {
        for (const std::string& used : allowed)
            EXPECT_TRUE(below.contains(used)) << folder << " may include " << used;
        below.insert(folder);
    }
    for (const auto& entry : fs::directory_iterator(kSrc))
        EXPECT_TRUE(!entry.is_directory() || below.contains(entry.path().filename().string()))
            << entry.path().filename() << " has no line";
}

TEST(Layers, EveryIncludeUnderSrcIsAllowed) {
    const auto files = SourceFiles(kSrc);
    ASSERT_GT(files.size(), 40u);
    EXPECT_EQ(ForbiddenIncludes(ReadLayers(FileText(kSrc / "layers.txt")), files),
              std::vector<std::string>{});
}

TEST(Layers, RefusesWhatTheTableDoesNotAllow) {
    const Layers layers = ReadLayers(
        "base:\nplatform: base system\nresults: base\nsearch: base results\nui: search Qt\n");
    struct Row {
        const char* name;
        const char* path;
        const char* include;
        bool allowed;
    };
    const Row rows[] = {
        {"own folder by path", "search/a.cpp", "#include \"search/a.h\"", true},
        {"own folder by bare name", "ui/form.cpp", "#include \"form.h\"", true},
        {"a lower layer", "search/a.cpp", "#include \"results/r.h\"", true},
        {"Qt in the windows", "ui/form.cpp", "#include <QWidget>", true},
        {"a standard header", "base/b.cpp", "#include <vector>", true},
        {"the system's headers in the platform", "platform/p.cpp", "#include <sys/stat.h>", true},
        {"a system header above the platform", "search/a.cpp", "#include <unistd.h>", false},
        {"an upward include", "results/r.cpp", "#include \"search/a.h\"", false},
        {"a layer two below, not listed", "ui/form.cpp", "#include \"base/b.h\"", false},
        {"Qt in the core", "search/a.cpp", "#include <QString>", false},
        {"a folder without a line", "extra/x.cpp", "#include \"base/b.h\"", false},
    };
    for (const Row& row : rows) {
        const auto forbidden = ForbiddenIncludes(
            layers, {{row.path, std::string("// a file\n") + row.include + "\n"}});
        EXPECT_EQ(forbidden.empty(), row.allowed) << row.name;
    }
}

} // namespace
