// A durable write: a writer killed at any moment leaves the old or the new
// complete contents, under any path.

#include "platform/durable_write.h"
#include "platform/whole_file.h"
#include "support.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using namespace anagrove;
using namespace testing_support;

// Under a folder named beyond ASCII, as C:\Users\Zoë is: the file is
// written, replaced and read back, and no temporary file stays beside it.
TEST(DurableWrite, ReplacesAFileUnderAPathBeyondAscii) {
    const ScratchDir dir;
    const auto folder = dir.path / Utf8Path("Zo\xc3\xab");
    std::filesystem::create_directory(folder);
    const std::string path = Utf8Text(folder / "data.dat");
    ASSERT_TRUE(WriteFileDurably(path, "old\r\n").ok());
    ASSERT_TRUE(WriteFileDurably(path, "new\r\n").ok());
    const FileText read = ReadWholeFile(path);
    EXPECT_TRUE(read.ok() && *read == "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

// Linux only: the writer is a fork()ed child killed at random, and Windows has
// no fork(). Under wine, MoveFileExW is the host's rename(), which this test
// holds to the rule here already.
#ifndef _WIN32
TEST(DurableWrite, KilledWriterLeavesOneCompleteFile) {
    const ScratchDir dir;
    const std::string path = (dir.path / "file").string();
    const std::string a = "short\r\n", b = std::string(10000, '7') + "\r\n";
    ASSERT_TRUE(WriteFileDurably(path, a).ok());
    std::mt19937 rng(7);
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int n = 0;; ++n)
                (void)WriteFileDurably(path, n % 2 ? a : b);
        ::usleep(static_cast<useconds_t>(rng() % 3000));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        const std::string now = FileBytes(path);
        ASSERT_TRUE(now == a || now == b) << kill << ": " << now.substr(0, 60);
    }
}
#endif

} // namespace
