// A durable write: a writer killed at any moment leaves the old or the new
// complete contents.

#include "platform/durable_write.h"
#include "support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace anagrove;
using namespace testing_support;

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

} // namespace
