#include "files/atomic_write.h"

#include <atomic>
#include <cerrno>
#include <sstream>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace korvane {

namespace {

// Writes all of `content` to a new file; false when the file cannot be
// created (errno tells why) or not all of it reached the file system.
bool WriteNewFile(const std::filesystem::path& path, std::string_view content, bool& created) {
    // 0666 as for any new file: the user's umask decides the rest.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    created = fd >= 0;
    if (!created) {
        return false;
    }
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            ::close(fd);
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    // Some file systems report a failed write only when the file is closed.
    return ::close(fd) == 0;
}

}  // namespace

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
    static const std::string process = std::to_string(::getpid());
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = target;
    temporary += ".tmp-" + process + "-" + std::to_string(counter++);
    return temporary;
}

Status ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return Error{target.string() + ": cannot be replaced (" + error.message() + ")"};
    }
    return {};
}

Status WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    const std::filesystem::path temporary = TemporarySibling(target);
    bool created = false;
    if (!WriteNewFile(temporary, content, created)) {
        if (!created) {
            return Error{target.string() +
                         ": cannot be written (the folder is missing or read-only)"};
        }
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Error{target.string() +
                     ": writing failed (is the disk full?); the old file is unchanged"};
    }
    return ReplaceWith(temporary, target);
}

Status WriteFileAtomically(const std::filesystem::path& target,
                           const std::function<void(std::ostream&)>& write) {
    std::ostringstream text;
    write(text);
    return WriteFileAtomically(target, text.view());
}

}  // namespace korvane
