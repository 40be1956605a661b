#include "files/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_descriptor.h"

namespace korvane {

std::string_view KindOfFile(mode_t mode) {
    if (S_ISREG(mode)) {
        return "a regular file";
    }
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

FileStamp StampFrom(const struct stat& status) {
    return {
        static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::int64_t>(status.st_size),
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return StampFrom(status);
}

namespace {

Error NotOpened(const std::filesystem::path& path, int error) {
    if (error == ENOENT) {
        return Error{path.string() + ": the file does not exist"};
    }
    return Error{path.string() + ": cannot be opened for reading (" + std::strerror(error) + ")"};
}

}  // namespace

Result<std::string> ReadRegularFile(const std::filesystem::path& path, std::string_view what,
                                    std::uintmax_t largest, FileStamp* stamp) {
    // Opening a named pipe for reading waits for a writer unless it is told not to.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        return NotOpened(path, errno);
    }
    return ReadOpenedRegularFile(file.get(), path, what, largest, stamp);
}

Result<std::string> ReadRegularFileIn(const OpenedFolder& folder, std::string_view name,
                                      std::string_view what, std::uintmax_t largest,
                                      FileStamp* stamp) {
    const std::filesystem::path path = folder.PathOf(name);
    const Result<OpenedFolder::OpenedName> opened = folder.OpenName(name, O_RDONLY | O_NONBLOCK);
    if (!opened) {
        return Error{opened.message()};
    }
    if (!opened.value().file.valid()) {
        return NotOpened(path, opened.value().error);
    }
    return ReadOpenedRegularFile(opened.value().file.get(), path, what, largest, stamp);
}

Result<std::string> ReadOpenedRegularFile(int file, const std::filesystem::path& path,
                                          std::string_view what, std::uintmax_t largest,
                                          FileStamp* stamp) {
    const std::string name = path.string();
    const std::string expected(what);
    struct stat status {};
    if (::fstat(file, &status) != 0) {
        return Error{name + ": cannot be opened for reading (" + std::strerror(errno) + ")"};
    }
    if (!S_ISREG(status.st_mode)) {
        return Error{name + ": is " + std::string(KindOfFile(status.st_mode)) + ", not a " +
                     expected};
    }
    if (static_cast<std::uintmax_t>(status.st_size) > largest) {
        return Error{name + ": is too large to be a " + expected};
    }
    // One byte more than the size, so that a file that grew meanwhile is noticed.
    std::string content(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t filled = 0;
    while (filled < content.size()) {
        const ssize_t got = ::read(file, content.data() + filled, content.size() - filled);
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
    // Taken before the read: a write during it leaves the file unlike the
    // stamp, so it counts as a change since the file was read.
    if (stamp != nullptr) {
        *stamp = StampFrom(status);
    }
    return content;
}

}  // namespace korvane
