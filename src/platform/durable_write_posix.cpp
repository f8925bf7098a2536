#include "platform/durable_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace anagrove {

Expected<Done> WriteFileDurably(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".new";
    auto failure = [&](int error) {
        ::unlink(temporary.c_str());
        return Expected<Done>(FailureText(std::strerror(error)));
    };
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return Expected<Done>(FailureText(std::strerror(errno)));
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return failure(error);
        }
        done += static_cast<std::size_t>(n);
    }
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    const int closed = ::close(fd) == 0 ? 0 : errno;
    if (synced != 0 || closed != 0)
        return failure(synced != 0 ? synced : closed);
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        return failure(errno);
    return Done{};
}

} // namespace anagrove
