#include "platform/whole_file.h"

#include "platform/texts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace anagrove {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

} // namespace

FileText ReadWholeFile(const std::string& path) {
    // Not blocking: opening a pipe would otherwise wait for a writer.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return FailureText(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return FailureText(std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        return FailureText(std::strerror(EISDIR));
    // Devices and pipes may never end or may block; only plain files are read.
    if (!S_ISREG(info.st_mode))
        return FailureText(kNotRegularFileText);
    if (static_cast<std::size_t>(info.st_size) > kMaxFileBytes)
        return FailureText(kFileTooLargeText);

    std::string text;
    // One byte more than the file has, so that the read that meets the end
    // needs no larger buffer.
    text.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t done = 0;
    // A file may grow or shrink while it is read, and a pipe or special file
    // reports size 0: read until the end, growing the buffer as needed.
    for (;;) {
        if (done == text.size()) {
            if (text.size() >= kMaxFileBytes)
                return FailureText(kFileTooLargeText);
            text.resize(text.size() + 65536);
        }
        ssize_t n = ::read(fd.get(), text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return FailureText(std::strerror(errno));
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    text.resize(done);
    return text;
}

} // namespace anagrove
