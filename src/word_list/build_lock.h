#pragma once
// The lock under which a word list works out the parts it builds on first use.

#if defined(ANAGROVE_NO_THREADS)

namespace anagrove {
// A build without threads (the WebAssembly module) has no one to lock out.
struct BuildLock {
    void lock() {}
    void unlock() {}
};
} // namespace anagrove

#else

#include <mutex>

namespace anagrove {
using BuildLock = std::mutex;
} // namespace anagrove

#endif
