#include "files/private_folder.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_descriptor.h"
#include "files/folder_names.h"
#include "files/regular_file.h"
#include "files/temporary_files.h"

namespace korvane {

namespace {

constexpr mode_t kPrivateFolderMode = 0700;
constexpr int kMostNamesTried = 100;  // temporary names taken by files of an earlier process

// Reads and writes are to files of the folder, never of the links it holds.
constexpr int kOwnFileFlags = O_NOFOLLOW | O_CLOEXEC;

std::string Reason(int error) {
    return std::strerror(error);
}

bool IsOwnRegularFile(const struct stat& status) {
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}

// Why a folder is not private, or nothing when it is.
std::optional<std::string> NotPrivate(const struct stat& folder) {
    if (!S_ISDIR(folder.st_mode)) {
        return "is " + std::string(KindOfFile(folder.st_mode)) + ", not a folder";
    }
    if (folder.st_uid != ::geteuid()) {
        return "belongs to another user";
    }
    if ((folder.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return "may be written by others than its owner";
    }
    return std::nullopt;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

Result<PrivateFolder> PrivateFolder::Open(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (::mkdir(path.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) {
        return Error{path.string() + ": the folder cannot be made (" + Reason(errno) + ")"};
    }
    FileDescriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {};
    if (folder.get() < 0 || ::fstat(folder.get(), &status) != 0) {
        return Error{path.string() + ": the folder cannot be opened (" + Reason(errno) + ")"};
    }
    if (const std::optional<std::string> why = NotPrivate(status)) {
        return Error{path.string() + ": " + *why};
    }
    return PrivateFolder(path, folder.release());
}

PrivateFolder::PrivateFolder(PrivateFolder&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)) {}

PrivateFolder& PrivateFolder::operator=(PrivateFolder&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        path_ = std::move(other.path_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

PrivateFolder::~PrivateFolder() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

Error PrivateFolder::Failure(std::string_view name, std::string_view what, int error) const {
    return Error{PathOf(name).string() + ": " + std::string(what) + " (" + Reason(error) + ")"};
}

std::error_code PrivateFolder::ForEachName(
    const std::function<void(std::string_view)>& visit) const {
    return ForEachNameAt(fd_, visit);
}

PrivateFolder::Entry PrivateFolder::EntryAt(std::string_view name) const {
    struct stat status {};
    if (::fstatat(fd_, std::string(name).c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? Entry::None : Entry::Other;
    }
    return IsOwnRegularFile(status) ? Entry::OwnFile : Entry::Other;
}

std::optional<mode_t> PrivateFolder::ModeOfOwnFile(std::string_view name) const {
    struct stat status {};
    if (::fstatat(fd_, std::string(name).c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !IsOwnRegularFile(status)) {
        return std::nullopt;
    }
    return status.st_mode & 07777;
}

Result<std::string> PrivateFolder::ReadOwnFile(std::string_view name, std::string_view what,
                                               std::uintmax_t largest) const {
    const std::string expected(what);
    // A named pipe would hold the read up until a writer came.
    const FileDescriptor file(
        ::openat(fd_, std::string(name).c_str(), O_RDONLY | O_NONBLOCK | kOwnFileFlags));
    if (file.get() < 0) {
        if (errno == ELOOP) {
            return Error{PathOf(name).string() + ": is a symbolic link, not a " + expected};
        }
        return Failure(name, "cannot be opened for reading", errno);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return Failure(name, "cannot be opened for reading", errno);
    }
    if (!IsOwnRegularFile(status)) {
        return Error{PathOf(name).string() + ": is not a " + expected + " of this user's"};
    }
    return ReadOpenedRegularFile(file.get(), PathOf(name), what, largest);
}

Status PrivateFolder::Write(std::string_view name, std::string_view content, mode_t mode) const {
    std::string temporary;
    int created = -1;
    for (int attempt = 0; attempt < kMostNamesTried && created < 0; ++attempt) {
        temporary = TemporarySibling(std::filesystem::path(name)).string();
        // O_EXCL: never through a file or a link that is there already.
        created = ::openat(fd_, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | kOwnFileFlags,
                           S_IRUSR | S_IWUSR);
        if (created < 0 && errno != EEXIST) {
            return Failure(name, "cannot be written", errno);
        }
    }
    if (created < 0) {
        return Failure(name, "cannot be written", EEXIST);
    }
    FileDescriptor file(created);
    const bool written = ::fchmod(file.get(), mode & 07777) == 0 && WriteAll(file.get(), content) &&
                         ::fsync(file.get()) == 0 && file.Close();
    const int write_error = errno;
    if (!written || ::renameat(fd_, temporary.c_str(), fd_, std::string(name).c_str()) != 0) {
        const int error = written ? errno : write_error;
        ::unlinkat(fd_, temporary.c_str(), 0);
        return Failure(name, "writing failed; the old file is unchanged", error);
    }
    // A file system that cannot sync a folder (EINVAL) keeps no journal to flush.
    if (::fsync(fd_) != 0 && errno != EINVAL) {
        return Failure(name, "was written, but its folder could not be flushed to disk", errno);
    }
    return {};
}

Status PrivateFolder::Remove(std::string_view name) const {
    if (::unlinkat(fd_, std::string(name).c_str(), 0) != 0 && errno != ENOENT) {
        return Failure(name, "cannot be removed", errno);
    }
    return {};
}

Status PrivateFolder::Rename(std::string_view from, std::string_view to) const {
    if (::renameat(fd_, std::string(from).c_str(), fd_, std::string(to).c_str()) != 0) {
        return Failure(from, "cannot be renamed", errno);
    }
    return {};
}

void PrivateFolder::RemoveStaleTemporaries() const {
    std::vector<std::string> stale;
    static_cast<void>(ForEachName([&stale](std::string_view name) {
        if (IsStaleTemporary(name)) {
            stale.emplace_back(name);
        }
    }));
    for (const std::string& name : stale) {
        ::unlinkat(fd_, name.c_str(), 0);  // another program may have removed it first
    }
}

PrivateFolder::Hold::~Hold() {
    if (fd_ >= 0) {
        ::close(fd_);  // closing gives the lock up
    }
}

Result<std::optional<PrivateFolder::Hold>> PrivateFolder::TryHold(std::string_view name) const {
    FileDescriptor lock(::openat(fd_, std::string(name).c_str(), O_RDWR | O_CREAT | kOwnFileFlags,
                                 S_IRUSR | S_IWUSR));
    if (lock.get() < 0) {
        return Failure(name, "cannot be opened as a lock", errno);
    }
    if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return std::optional<Hold>();
        }
        return Failure(name, "cannot be locked", errno);
    }
    return std::optional<Hold>(Hold(lock.release()));
}

}  // namespace korvane
