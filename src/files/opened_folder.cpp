#include "files/opened_folder.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/open_beneath.h"

namespace korvane {

namespace {

constexpr int kMostLinksFollowed = 40;
// A final name made a link between the look and the open is looked at again,
// this many times at most.
constexpr int kMostOpenTries = 8;

bool ReadLinkAt(int folder, const std::string& name, std::string& target) {
    char text[4096];
    const ssize_t length = ::readlinkat(folder, name.c_str(), text, sizeof text);
    if (length < 0 || static_cast<std::size_t>(length) == sizeof text) {
        return false;
    }
    target.assign(text, static_cast<std::size_t>(length));
    return true;
}

}  // namespace

std::shared_ptr<const OpenedFolder> OpenedFolder::Open(const std::filesystem::path& folder,
                                                       int& error) {
    FileDescriptor opened(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {};
    if (!opened.valid() || ::fstat(opened.get(), &status) != 0) {
        error = errno;
        return nullptr;
    }
    return std::make_shared<const OpenedFolder>(std::move(opened), folder, status.st_dev,
                                                status.st_ino);
}

Result<std::shared_ptr<const OpenedFolder>> OpenedFolder::Open(
    const std::filesystem::path& folder) {
    int error = 0;
    std::shared_ptr<const OpenedFolder> opened = Open(folder, error);
    if (!opened) {
        return Error{folder.string() + ": the folder cannot be opened (" + std::strerror(error) +
                     ")"};
    }
    return opened;
}

OpenedFolder::OpenedFolder(FileDescriptor folder, std::filesystem::path path, dev_t device,
                           ino_t inode)
    : folder_(std::move(folder)), path_(std::move(path)), device_(device), inode_(inode) {}

std::filesystem::path OpenedFolder::PathOf(std::string_view name) const {
    return path_ / name;
}

bool OpenedFolder::IsThisFolder(int fd) const {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && status.st_dev == device_ && status.st_ino == inode_;
}

Error OpenedFolder::LeadsOutside(std::string_view name, std::string_view target) const {
    return Error{PathOf(name).string() + ": is a symbolic link to " + std::string(target) +
                 ", outside its folder; it is not followed"};
}

Result<std::string> OpenedFolder::FinalName(std::string_view name) const {
    std::string current(name);
    for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
        struct stat own {};
        // A name that cannot be looked at is left to the open, which gives the reason.
        if (::fstatat(fd(), current.c_str(), &own, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISLNK(own.st_mode)) {
            return current;
        }
        std::string target;
        if (!ReadLinkAt(fd(), current, target)) {
            return Error{PathOf(name).string() + ": the link cannot be read (" +
                         std::strerror(errno) + ")"};
        }
        const std::size_t slash = target.rfind('/');
        std::string leaf = slash == std::string::npos ? target : target.substr(slash + 1);
        if (leaf.empty() || leaf == "." || leaf == ".." || target.starts_with('/')) {
            return LeadsOutside(name, target);
        }
        if (slash != std::string::npos) {
            // "sub/../ship.K2P" is in the folder when "sub/.." is the folder itself.
            const FileDescriptor there(
                OpenFolderBeneath(fd(), std::string_view(target).substr(0, slash)));
            if (!there.valid() && errno == ELOOP) {
                break;
            }
            if (!there.valid() || !IsThisFolder(there.get())) {
                return LeadsOutside(name, target);
            }
        }
        current = std::move(leaf);
    }
    return Error{PathOf(name).string() +
                 ": is a loop of symbolic links (or too many links in a row)"};
}

Result<OpenedFolder::OpenedName> OpenedFolder::OpenName(std::string_view name, int flags) const {
    for (int tries = 1;; ++tries) {
        Result<std::string> final_name = FinalName(name);
        if (!final_name) {
            return Error{final_name.message()};
        }
        OpenedName opened{std::move(final_name.value()), FileDescriptor(), 0};
        opened.file =
            FileDescriptor(::openat(fd(), opened.name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC));
        if (!opened.file.valid()) {
            opened.error = errno;
            if (opened.error == ELOOP && tries < kMostOpenTries) {
                continue;
            }
        }
        return opened;
    }
}

}  // namespace korvane
