#include "files/atomic_write.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/folder_links.h"
#include "files/regular_file.h"

namespace korvane {

namespace {

constexpr int kMostNamesTried = 100;  // temporary names taken by files of an earlier process

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now: some file systems report a failed write only here.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool InGroup(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count <= 0 || ::getgroups(count, groups.data()) != count) {
        return false;
    }
    for (gid_t member : groups) {
        if (member == group) {
            return true;
        }
    }
    return false;
}

// The write bit of the class this process falls in. Root, whom the system lets
// write anything, goes by the owner's bit: a file its owner made read-only
// stays so, and one its owner may write root may save for them.
bool WriteBitFor(const struct stat& file) {
    static const uid_t user = ::geteuid();  // the program never changes its user
    if (file.st_uid == user || user == 0) {
        return (file.st_mode & S_IWUSR) != 0;
    }
    if (InGroup(file.st_gid)) {
        return (file.st_mode & S_IWGRP) != 0;
    }
    return (file.st_mode & S_IWOTH) != 0;
}

// The old file's owner, group and permission bits go to the new one: owner
// first, since a change of owner clears the set-id bits. A process that may
// not give the file away keeps what it can (the group, then the bits).
bool TakeOver(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int group_kept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// A new companion takes the group, where the process may set it, and the read
// and write bits of the file it stands beside: a private design gets a
// private profile and page.
bool TakeLike(int fd, const struct stat& like) {
    [[maybe_unused]] const int group_kept = ::fchown(fd, static_cast<uid_t>(-1), like.st_gid);
    return ::fchmod(fd, like.st_mode & 0666) == 0;
}

enum class WriteFailure {
    None,
    NameTaken,  // a file of the temporary's name is there already
    NotCreated,
    NotWritten,
};

struct WriteOutcome {
    WriteFailure failure = WriteFailure::None;
    int error = 0;  // the system's reason, kept across the cleanup that follows
};

WriteOutcome Failed(WriteFailure failure) {
    return {failure, errno};
}

// Writes all of `content` to the new file `path`, with the attributes of the
// file it will replace (`old`, when there is one) or else of `like`, flushed
// to disk when asked.
WriteOutcome WriteNewFile(const std::filesystem::path& path, std::string_view content,
                          const std::optional<struct stat>& old,
                          const std::optional<struct stat>& like, Durability durability) {
    // A new file gets 0666 less the user's umask; a replacement starts private
    // and takes the old file's bits before anything is written to it.
    const mode_t mode = old || like ? 0600 : 0666;
    // Never through a file or link that is there already (O_EXCL).
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (file.get() < 0) {
        return Failed(errno == EEXIST ? WriteFailure::NameTaken : WriteFailure::NotCreated);
    }
    if (old ? !TakeOver(file.get(), *old) : like && !TakeLike(file.get(), *like)) {
        return Failed(WriteFailure::NotWritten);
    }
    while (!content.empty()) {
        const ssize_t written = ::write(file.get(), content.data(), content.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return Failed(WriteFailure::NotWritten);
        }
        if (written == 0) {
            return {WriteFailure::NotWritten, ENOSPC};
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    if (durability == Durability::EachFile && ::fsync(file.get()) != 0) {
        return Failed(WriteFailure::NotWritten);
    }
    return file.Close() ? WriteOutcome{} : Failed(WriteFailure::NotWritten);
}

Status SyncDirectory(const std::filesystem::path& folder, const std::filesystem::path& named) {
    Descriptor directory(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // A file system that cannot sync a folder (EINVAL) keeps no journal to flush.
    if (directory.get() < 0 || (::fsync(directory.get()) != 0 && errno != EINVAL)) {
        return Error{named.string() +
                     ": was written, but its folder could not be flushed to disk (" +
                     std::strerror(errno) + ")"};
    }
    return {};
}

Status RenameOver(const std::filesystem::path& temporary, const std::filesystem::path& target,
                  const std::filesystem::path& named) {
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Error{named.string() + ": cannot be replaced (" + error.message() + ")"};
    }
    return {};
}

// The old file at `target`, when there is one.
std::optional<struct stat> OldFile(const std::filesystem::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) {
        return std::nullopt;
    }
    return old;
}

// A file found at `named` (`old`, the status of `file`, where the name leads)
// may be replaced when it is a regular file this process may write.
Result<ReplaceableFile> JudgeReplaceable(const std::filesystem::path& named,
                                         const std::filesystem::path& file,
                                         const struct stat& old) {
    if (!S_ISREG(old.st_mode)) {
        return Error{named.string() + ": is " + std::string(KindOfFile(old.st_mode)) +
                     ", not a file the program may replace; nothing was written"};
    }
    const bool allowed = ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
    if (!allowed || !WriteBitFor(old)) {
        return Error{named.string() + ": the file is read-only; nothing was written"};
    }
    return ReplaceableFile{named, file, old};
}

// A name that is a link, or that cannot be looked at: the link is followed to
// its final target, which is judged.
Result<ReplaceableFile> FindThroughLink(const std::filesystem::path& target) {
    const Result<std::filesystem::path> final_target = FinalTarget(target);
    if (!final_target) {
        return Error{final_target.message()};
    }
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) {
        // A dangling link: the write creates its target.
        if (errno == ENOENT) {
            return ReplaceableFile{target, final_target.value(), std::nullopt};
        }
        return Error{target.string() + ": cannot be written (" + std::strerror(errno) + ")"};
    }
    return JudgeReplaceable(target, final_target.value(), old);
}

}  // namespace

std::optional<FileStamp> ReplaceableFile::Stamp() const {
    return old ? std::optional<FileStamp>(StampFrom(*old)) : std::nullopt;
}

Result<ReplaceableFile> FindReplaceable(const std::filesystem::path& target) {
    // A file that is no link is judged on one look.
    struct stat own {};
    if (::lstat(target.c_str(), &own) == 0) {
        return S_ISLNK(own.st_mode) ? FindThroughLink(target)
                                    : JudgeReplaceable(target, target, own);
    }
    if (errno == ENOENT) {
        return ReplaceableFile{target, target, std::nullopt};
    }
    return FindThroughLink(target);
}

Result<ReplaceableFile> FindReplaceableInFolder(const std::filesystem::path& target) {
    struct stat own {};
    const bool seen = ::lstat(target.c_str(), &own) == 0;
    if (seen && !S_ISLNK(own.st_mode)) {
        return JudgeReplaceable(target, target, own);
    }
    if (!seen && errno == ENOENT) {
        return ReplaceableFile{target, target, std::nullopt};
    }
    // A link, or a name that cannot be looked at: the two checks say why.
    const Status inside = CheckLinkStaysInFolder(target);
    if (!inside) {
        return Error{inside.message()};
    }
    return FindThroughLink(target);
}

Status ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    const Status renamed = RenameOver(temporary, target, target);
    if (!renamed) {
        return renamed;
    }
    return SyncDirectory(target.parent_path(), target);
}

Status SyncFolder(const std::filesystem::path& folder) {
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0 || ::syncfs(directory.get()) != 0) {
        return Error{folder.string() + ": the files written there could not be flushed to disk (" +
                     std::strerror(errno) + ")"};
    }
    return {};
}

Status WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                           Durability durability, const std::filesystem::path& new_file_like) {
    const Result<ReplaceableFile> found = FindReplaceable(target);
    if (!found) {
        return found.status();
    }
    return WriteReplaceable(found.value(), content, durability, new_file_like);
}

Status WriteReplaceable(const ReplaceableFile& found, std::string_view content,
                        Durability durability, const std::filesystem::path& new_file_like) {
    const std::filesystem::path& target = found.named;
    const std::filesystem::path& file = found.file;
    if (durability == Durability::EachFile) {
        RemoveStaleTemporaries(file);
    }
    // Only a file created new takes after `new_file_like`.
    const std::optional<struct stat> like =
        found.old || new_file_like.empty() ? std::nullopt : OldFile(new_file_like);
    std::filesystem::path temporary;
    WriteOutcome outcome{WriteFailure::NameTaken};
    for (int attempt = 0; attempt < kMostNamesTried && outcome.failure == WriteFailure::NameTaken;
         ++attempt) {
        temporary = TemporarySibling(file);
        outcome = WriteNewFile(temporary, content, found.old, like, durability);
    }
    const std::string reason = std::strerror(outcome.error);
    switch (outcome.failure) {
        case WriteFailure::None:
            break;
        case WriteFailure::NameTaken:
        case WriteFailure::NotCreated:
            return Error{target.string() + ": cannot be written (" + reason + ")"};
        case WriteFailure::NotWritten: {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Error{target.string() + ": writing failed (" + reason +
                         "); the old file is unchanged"};
        }
    }
    const Status renamed = RenameOver(temporary, file, target);
    if (!renamed || durability == Durability::FolderAtEnd) {
        return renamed;
    }
    return SyncDirectory(file.parent_path(), target);
}

Status WriteFileAtomically(const std::filesystem::path& target,
                           const std::function<void(std::ostream&)>& write, Durability durability) {
    std::ostringstream text;
    write(text);
    return WriteFileAtomically(target, text.view(), durability);
}

}  // namespace korvane
