// Word-list files and typed letters through anagrove-find, which loads and
// searches as the window does: every file loads or is refused with a reason.

#include "support.h"
#include "word_list/word_list.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

using namespace anagrove;
using namespace std::literals;
using namespace testing_support;

// A pipe with no writer, which a reader would wait on for ever, and a device
// that never ends.
#ifdef _WIN32
struct Pipe {
    std::string path = "\\\\.\\pipe\\anagrove-" + std::to_string(::GetCurrentProcessId());
    HANDLE server =
        ::CreateNamedPipeA(path.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    bool made = server != INVALID_HANDLE_VALUE;
    explicit Pipe(const ScratchDir&) {}
    Pipe(const Pipe&) = delete;
    ~Pipe() {
        if (made)
            ::CloseHandle(server);
    }
};
const char* const kEndlessDevice = "NUL";
#else
struct Pipe {
    std::string path;
    bool made;
    explicit Pipe(const ScratchDir& dir)
        : path((dir.path / "fifo").string()), made(::mkfifo(path.c_str(), 0644) == 0) {}
};
const char* const kEndlessDevice = "/dev/zero";
#endif

TEST(WordListFiles, EveryFileLoadsOrIsRefusedWithAReason) {
    const ScratchDir dir;
    const Pipe fifo(dir);
    ASSERT_TRUE(fifo.made);
    std::string many, full, listed, everyByte, tenThousand;
    for (int i = 0; i < 300000; ++i) {
        many += i == 200000 ? "at\r\n" : i < 299999 ? "a\r\n" : "a"; // no line end at the end
        full += i < kWordListCapacity ? "a\r\n" : "";
        listed += i < 200000 ? "a (1)\n" : "";
    }
    for (int c = 1; c < 256; ++c) // every letter twice and one blank
        everyByte += static_cast<char>(c);
    for (int n = 0; n < 10000; ++n)
        tenThousand += "abcdefghijklmnopqrstuvwxyz*"[n % 27];
    const std::string over =
        " 200001 words found out of 265062 total words. (the first 200001 of 265062 matches)\n";
    const std::string manyPath = dir.File("many", many), zzzz = dir.File("z", "zzzz\nbookkeeper");
    struct Row {
        const char* name;
        std::string path;
        std::string letters;
        int status;
        std::string out;
        std::string err; // standard error, or why the file was not read
    };
    const Row rows[] = {
        {"missing", (dir.path / "missing").string(), "tea", 1, "", "No such file or directory"},
        {"directory", dir.path.string(), "tea", 1, "", "Is a directory"},
        {"fifo", fifo.path, "tea", 1, "", "not a regular file"},
        {"device", kEndlessDevice, "tea", 1, "", "not a regular file"},
        {"empty", dir.File("empty", ""), "tea", 0, "", Status(0, 0)},
        {"lf_crlf_and_no_final_line_end", dir.File("ends", "tea\n\r\nx\r\ntea"), "tea", 0,
         "tea (3)\ntea (3)\n", Status(2, 4)},
        {"cr_only_is_one_line", dir.File("cr", "tea\r\rx\r"), "tea", 0, "", Status(0, 1)},
        {"nul_and_latin1_bytes", dir.File("bytes", "t\0e\r\n\xe9t\xe9\r\n"s), "te", 0,
         "t\0e (2)\n\xc3\xa9t\xc3\xa9 (1)\n"s, Status(2, 2)},
        {"one_megabyte_line", dir.File("long", std::string(1 << 20, 'e') + "\r\ntea"), "tea", 0,
         "tea (3)\n", Status(1, 2)},
        {"three_hundred_thousand_lines", manyPath, "at", 0, listed + "at (2)\n",
         "anagrove-find: Only the first 265062 words of " + manyPath +
             " were loaded; 34938 more were left out.\n" + over},
        {"exactly_at_capacity", dir.File("full", full), "a", 0, listed + "a (1)\n", over},
        {"letters_every_byte", zzzz, everyByte, 0, "bookkeeper (22)\n", Status(1, 2)},
        {"letters_ten_thousand", zzzz, tenThousand, 0, "bookkeeper (22)\nzzzz (40)\n",
         Status(2, 2)},
    };
    for (const auto& [name, path, letters, status, out, err] : rows) {
        const auto run = Find({"--word-list", path, "--min", "1", "--no-max", letters});
        EXPECT_EQ(run.status, status) << name;
        EXPECT_TRUE(run.out == out) << name << ": " << run.out.substr(0, 60);
        EXPECT_EQ(run.err,
                  status ? "anagrove-find: cannot read the word list " + path + ": " + err + "\n"
                         : err)
            << name;
    }
    EXPECT_EQ(Find({"--word-list", zzzz, "--anagram", tenThousand}).err, Status(0, 2));
}

} // namespace
