#include "files/open_beneath.h"

#include <atomic>
#include <cerrno>
#include <deque>
#include <string>
#include <vector>

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "files/file_descriptor.h"

namespace korvane {

namespace {

constexpr int kMostLinksFollowed = 40;
// A rename elsewhere on the file system while the kernel resolves ".." makes
// it give up with EAGAIN rather than risk leaving the folder; it is asked again.
constexpr int kMostKernelTries = 16;

std::atomic<bool> walk_chosen{false};
std::atomic<bool> kernel_lacks_openat2{false};

int OpenWithKernel(int root, const std::string& path) {
    open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    long fd = -1;
    for (int tries = 0; tries < kMostKernelTries; ++tries) {
        fd = ::syscall(SYS_openat2, root, path.c_str(), &how, sizeof how);
        if (fd >= 0 || errno != EAGAIN) {
            break;
        }
    }
    return static_cast<int>(fd);
}

// The names of `path` in order, empty ones (of "a//b") left out.
void PushNames(std::string_view path, std::deque<std::string>& names) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start) {
            parts.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    names.insert(names.begin(), parts.begin(), parts.end());
}

bool ReadLinkOf(int link, std::string& target) {
    char text[4096];
    const ssize_t length = ::readlinkat(link, "", text, sizeof text);
    if (length < 0) {
        return false;
    }
    if (static_cast<std::size_t>(length) == sizeof text) {
        errno = ENAMETOOLONG;
        return false;
    }
    target.assign(text, static_cast<std::size_t>(length));
    return true;
}

int Refuse(int error) {
    errno = error;
    return -1;
}

// One name at a time, none of them followed by the system: a link is read and
// its names take its place; ".." returns to the folder the walk came from, and
// above `root` there is none.
int OpenByWalk(int root, std::string_view path) {
    if (path.starts_with('/')) {
        return Refuse(EXDEV);
    }
    std::deque<std::string> names;
    PushNames(path, names);
    std::vector<FileDescriptor> below;  // the folders the walk stands in beneath `root`
    int links = 0;
    while (!names.empty()) {
        const std::string name = std::move(names.front());
        names.pop_front();
        if (name == ".") {
            continue;
        }
        if (name == "..") {
            if (below.empty()) {
                return Refuse(EXDEV);
            }
            below.pop_back();
            continue;
        }
        const int at = below.empty() ? root : below.back().get();
        FileDescriptor next(::openat(at, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat status {};
        if (!next.valid() || ::fstat(next.get(), &status) != 0) {
            return -1;
        }
        if (S_ISLNK(status.st_mode)) {
            std::string target;
            if (++links > kMostLinksFollowed) {
                return Refuse(ELOOP);
            }
            if (!ReadLinkOf(next.get(), target)) {
                return -1;
            }
            if (target.starts_with('/')) {
                return Refuse(EXDEV);
            }
            PushNames(target, names);
            continue;
        }
        if (!S_ISDIR(status.st_mode)) {
            return Refuse(ENOTDIR);
        }
        below.push_back(std::move(next));
    }
    const int at = below.empty() ? root : below.back().get();
    return ::openat(at, ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

void SetBeneathResolution(BeneathResolution resolution) {
    walk_chosen = resolution == BeneathResolution::Walk;
}

int OpenFolderBeneath(int root, std::string_view path) {
    if (!walk_chosen && !kernel_lacks_openat2) {
        const int fd = OpenWithKernel(root, std::string(path));
        // A kernel before 5.6, or a sandbox that forbids the call.
        if (fd >= 0 || (errno != ENOSYS && errno != EPERM)) {
            return fd;
        }
        kernel_lacks_openat2 = true;
    }
    return OpenByWalk(root, path);
}

}  // namespace korvane
