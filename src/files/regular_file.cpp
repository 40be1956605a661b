#include "files/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

namespace {

// What a file that is not a regular one is, for the message.
std::string_view KindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "not a regular file";
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

Result<std::string> ReadRegularFile(const std::filesystem::path& path, std::string_view what,
                                    std::uintmax_t largest) {
    const std::string name = path.string();
    const std::string expected(what);
    // Opening a named pipe for reading waits for a writer unless it is told not to.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT) {
            return Error{name + ": the file does not exist"};
        }
        return Error{name + ": cannot be opened for reading (" + std::strerror(errno) + ")"};
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return Error{name + ": cannot be opened for reading (" + std::strerror(errno) + ")"};
    }
    if (!S_ISREG(status.st_mode)) {
        return Error{name + ": is " + std::string(KindOf(status.st_mode)) + ", not a " + expected};
    }
    if (static_cast<std::uintmax_t>(status.st_size) > largest) {
        return Error{name + ": is too large to be a " + expected};
    }
    // One byte more than the size, so that a file that grew meanwhile is noticed.
    std::string content(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t filled = 0;
    while (filled < content.size()) {
        const ssize_t got = ::read(file.get(), content.data() + filled, content.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return Error{name + ": cannot be read (" + std::strerror(errno) + ")"};
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
        if (filled == content.size() && filled <= largest) {
            content.resize(static_cast<std::size_t>(
                std::min<std::uintmax_t>(content.size() * 2, largest + 1)));
        }
    }
    if (filled > largest) {
        return Error{name + ": is too large to be a " + expected};
    }
    content.resize(filled);
    return content;
}

}  // namespace korvane
