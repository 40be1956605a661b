#include "files/atomic_write.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_descriptor.h"
#include "files/folder_links.h"
#include "files/regular_file.h"

namespace korvane {

namespace {

constexpr int kMostNamesTried = 100;  // temporary names taken by files of an earlier process
constexpr int kMostLooks = 8;         // a name made a link between two looks is looked at again

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

// A temporary written in full beside the file it is to replace.
struct Temporary {
    std::string name;
    FileStamp stamp;  // of the file written, which the rename keeps
};

// Writes all of `content` to the new file `name` of `folder`, with the
// attributes of the file it will replace (`old`, when there is one) or else of
// `like`, flushed to disk when asked; `stamp` receives the new file's stamp.
WriteOutcome WriteNewFile(int folder, const std::string& name, std::string_view content,
                          const std::optional<struct stat>& old,
                          const std::optional<struct stat>& like, Durability durability,
                          FileStamp& stamp) {
    // A new file gets 0666 less the user's umask; a replacement starts private
    // and takes the old file's bits before anything is written to it.
    const mode_t mode = old || like ? 0600 : 0666;
    // Never through a file or link that is there already (O_EXCL).
    FileDescriptor file(
        ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!file.valid()) {
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
    struct stat written {};
    if (::fstat(file.get(), &written) != 0) {
        return Failed(WriteFailure::NotWritten);
    }
    stamp = StampFrom(written);
    return file.Close() ? WriteOutcome{} : Failed(WriteFailure::NotWritten);
}

// Writes the temporary that is to replace the file `found` names, in its
// folder; a failure leaves nothing behind.
Result<Temporary> WriteTemporary(const ReplaceableFile& found, std::string_view content,
                                 Durability durability, const std::optional<struct stat>& old,
                                 const std::optional<struct stat>& like) {
    const int folder = found.folder->fd();
    Temporary temporary;
    WriteOutcome outcome{WriteFailure::NameTaken};
    for (int attempt = 0; attempt < kMostNamesTried && outcome.failure == WriteFailure::NameTaken;
         ++attempt) {
        temporary.name = TemporaryName(found.name);
        outcome =
            WriteNewFile(folder, temporary.name, content, old, like, durability, temporary.stamp);
    }
    const std::string reason = std::strerror(outcome.error);
    switch (outcome.failure) {
        case WriteFailure::None:
            return temporary;
        case WriteFailure::NameTaken:
        case WriteFailure::NotCreated:
            return Error{found.named.string() + ": cannot be written (" + reason + ")"};
        case WriteFailure::NotWritten:
            ::unlinkat(folder, temporary.name.c_str(), 0);
            return Error{found.named.string() + ": writing failed (" + reason +
                         "); the old file is unchanged"};
    }
    return Error{found.named.string() + ": cannot be written"};
}

// Removes the temporary that could not take the file's place.
Error NotReplaced(const ReplaceableFile& found, const Temporary& temporary, int error) {
    ::unlinkat(found.folder->fd(), temporary.name.c_str(), 0);
    return Error{found.named.string() + ": cannot be replaced (" + std::strerror(error) + ")"};
}

Error ChangedMeanwhile(const ReplaceableFile& found) {
    return Error{found.named.string() + ": " + std::string(kChangedSinceRead)};
}

// Flushes the folder open at `folder` to disk after `named` was renamed in it.
Status FlushFolder(int folder, const std::filesystem::path& named) {
    // A file system that cannot sync a folder (EINVAL) keeps no journal to flush.
    if (folder < 0 || (::fsync(folder) != 0 && errno != EINVAL)) {
        return Error{named.string() +
                     ": was written, but its folder could not be flushed to disk (" +
                     std::strerror(errno) + ")"};
    }
    return {};
}

// The stamp of the file that has replaced the old one, once it is on disk as asked.
Result<FileStamp> Finished(const ReplaceableFile& found, const Temporary& temporary,
                           Durability durability) {
    if (durability == Durability::EachFile) {
        const Status flushed = FlushFolder(found.folder->fd(), found.named);
        if (!flushed) {
            return Error{flushed.message()};
        }
    }
    return temporary.stamp;
}

Result<FileStamp> RenameInPlace(const ReplaceableFile& found, const Temporary& temporary,
                                Durability durability) {
    const int folder = found.folder->fd();
    if (::renameat(folder, temporary.name.c_str(), folder, found.name.c_str()) != 0) {
        return NotReplaced(found, temporary, errno);
    }
    return Finished(found, temporary, durability);
}

// Writes over the file `found` names whatever is there now.
Result<FileStamp> Replace(const ReplaceableFile& found, std::string_view content,
                          Durability durability, const std::optional<struct stat>& like) {
    if (durability == Durability::EachFile) {
        RemoveStaleTemporaries(*found.folder, found.name);
    }
    const Result<Temporary> temporary = WriteTemporary(found, content, durability, found.old, like);
    if (!temporary) {
        return Error{temporary.message()};
    }
    return RenameInPlace(found, temporary.value(), durability);
}

// Replaces the file, which the check under the lock found to be the one
// read: the two are exchanged, and what came out must be that file too, or
// another program has saved it since the check and its file is put back.
Result<FileStamp> ExchangeIfUnchanged(const ReplaceableFile& found, const Temporary& temporary,
                                      Durability durability, const FileStamp& read) {
    const int folder = found.folder->fd();
    const char* temporary_name = temporary.name.c_str();
    if (::renameat2(folder, temporary_name, folder, found.name.c_str(), RENAME_EXCHANGE) != 0) {
        // A file system that cannot exchange is left with the check under the lock.
        if (errno == EINVAL || errno == ENOSYS) {
            return RenameInPlace(found, temporary, durability);
        }
        return NotReplaced(found, temporary, errno);
    }
    struct stat came_out {};
    if (::fstatat(folder, temporary_name, &came_out, AT_SYMLINK_NOFOLLOW) == 0 &&
        StampFrom(came_out) == read) {
        ::unlinkat(folder, temporary_name, 0);
        return Finished(found, temporary, durability);
    }
    if (::renameat2(folder, temporary_name, folder, found.name.c_str(), RENAME_EXCHANGE) != 0) {
        return Error{found.named.string() +
                     ": another program saved it meanwhile, and its file "
                     "could not be put back (" +
                     std::strerror(errno) + "); it is kept as " +
                     found.folder->PathOf(temporary.name).string()};
    }
    struct stat left {};
    if (::fstatat(folder, temporary_name, &left, AT_SYMLINK_NOFOLLOW) == 0 &&
        StampFrom(left).SameFile(temporary.stamp)) {
        ::unlinkat(folder, temporary_name, 0);
    }
    return ChangedMeanwhile(found);
}

// Writes the file anew where the one read has gone, unless another has
// appeared at its name by then.
Result<FileStamp> CreateIfStillAbsent(const ReplaceableFile& found, const Temporary& temporary,
                                      Durability durability) {
    const int folder = found.folder->fd();
    if (::renameat2(folder, temporary.name.c_str(), folder, found.name.c_str(), RENAME_NOREPLACE) !=
        0) {
        if (errno == EINVAL || errno == ENOSYS) {
            return RenameInPlace(found, temporary, durability);
        }
        const int error = errno;
        const Error failure = NotReplaced(found, temporary, error);
        return error == EEXIST ? ChangedMeanwhile(found) : failure;
    }
    return Finished(found, temporary, durability);
}

// The old file at `target`, when there is one.
std::optional<struct stat> OldFile(const std::filesystem::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) {
        return std::nullopt;
    }
    return old;
}

Error NoRegularFile(const std::filesystem::path& named, mode_t mode) {
    return Error{named.string() + ": is " + std::string(KindOfFile(mode)) +
                 ", not a file the program may replace; nothing was written"};
}

// A file found at `named`, `name` in `folder` where its links lead, with the
// status `old`, may be replaced when it is a regular file this process may write.
Result<ReplaceableFile> JudgeReplaceable(const std::filesystem::path& named,
                                         std::shared_ptr<const OpenedFolder> folder,
                                         std::string name, const struct stat& old) {
    if (!S_ISREG(old.st_mode)) {
        return NoRegularFile(named, old.st_mode);
    }
    const bool allowed = ::faccessat(folder->fd(), name.c_str(), W_OK, AT_EACCESS) == 0;
    if (!allowed || !WriteBitFor(old)) {
        return Error{named.string() + ": the file is read-only; nothing was written"};
    }
    return ReplaceableFile{named, std::move(folder), std::move(name), old};
}

// The file `file` (which `named` leads to) in its folder, opened for the write,
// with its status `old`, none when the write creates it.
Result<ReplaceableFile> InItsFolder(const std::filesystem::path& named,
                                    const std::filesystem::path& file,
                                    const std::optional<struct stat>& old) {
    if (old && !S_ISREG(old->st_mode)) {
        return NoRegularFile(named, old->st_mode);
    }
    std::string name = file.filename().string();
    if (name.empty() || name == "." || name == "..") {
        return Error{named.string() + ": names a folder, not a file; nothing was written"};
    }
    int error = 0;
    std::shared_ptr<const OpenedFolder> folder = OpenedFolder::Open(file.parent_path(), error);
    if (!folder) {
        return Error{named.string() + ": cannot be written (" + std::strerror(error) + ")"};
    }
    if (!old) {
        return ReplaceableFile{named, std::move(folder), std::move(name), std::nullopt};
    }
    return JudgeReplaceable(named, std::move(folder), std::move(name), *old);
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
            return InItsFolder(target, final_target.value(), std::nullopt);
        }
        return Error{target.string() + ": cannot be written (" + std::strerror(errno) + ")"};
    }
    return InItsFolder(target, final_target.value(), old);
}

}  // namespace

std::optional<FileStamp> ReplaceableFile::Stamp() const {
    return old ? std::optional<FileStamp>(StampFrom(*old)) : std::nullopt;
}

Result<ReplaceableFile> FindReplaceable(const std::filesystem::path& target) {
    // A file that is no link is judged on one look.
    struct stat own {};
    if (::lstat(target.c_str(), &own) == 0) {
        return S_ISLNK(own.st_mode) ? FindThroughLink(target) : InItsFolder(target, target, own);
    }
    if (errno == ENOENT) {
        return InItsFolder(target, target, std::nullopt);
    }
    return FindThroughLink(target);
}

Result<ReplaceableFile> FindReplaceableInFolder(const std::filesystem::path& target) {
    const Result<std::shared_ptr<const OpenedFolder>> folder =
        OpenedFolder::Open(target.parent_path());
    if (!folder) {
        return Error{folder.message()};
    }
    return FindReplaceableIn(folder.value(), target.filename().string(), target);
}

Result<ReplaceableFile> FindReplaceableIn(const std::shared_ptr<const OpenedFolder>& folder,
                                          std::string_view name,
                                          const std::filesystem::path& named) {
    for (int look = 1;; ++look) {
        Result<std::string> final_name = folder->FinalName(name);
        if (!final_name) {
            return Error{final_name.message()};
        }
        struct stat old {};
        if (::fstatat(folder->fd(), final_name.value().c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT) {
                return ReplaceableFile{named, folder, std::move(final_name.value()), std::nullopt};
            }
            return Error{named.string() + ": cannot be written (" + std::strerror(errno) + ")"};
        }
        // Made a link since FinalName looked: it is looked at again.
        if (!S_ISLNK(old.st_mode) || look == kMostLooks) {
            return JudgeReplaceable(named, folder, std::move(final_name.value()), old);
        }
    }
}

Status ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Error{target.string() + ": cannot be replaced (" + error.message() + ")"};
    }
    const FileDescriptor folder(
        ::open(target.has_parent_path() ? target.parent_path().c_str() : ".",
               O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return FlushFolder(folder.get(), target);
}

namespace {

Status SyncFileSystem(int folder, const std::filesystem::path& named) {
    if (folder < 0 || ::syncfs(folder) != 0) {
        return Error{named.string() + ": the files written there could not be flushed to disk (" +
                     std::strerror(errno) + ")"};
    }
    return {};
}

}  // namespace

Status SyncFolder(const std::filesystem::path& folder) {
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return SyncFileSystem(directory.get(), folder);
}

Status SyncFolder(const OpenedFolder& folder) {
    return SyncFileSystem(folder.fd(), folder.PathOf(""));
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
    // Only a file created new takes after `new_file_like`.
    const std::optional<struct stat> like =
        found.old || new_file_like.empty() ? std::nullopt : OldFile(new_file_like);
    return Replace(found, content, durability, like).status();
}

FileDescriptor LockReplaceable(const ReplaceableFile& found) {
    FileDescriptor file(::openat(found.folder->fd(), found.name.c_str(),
                                 O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    while (file.valid() && ::flock(file.get(), LOCK_EX) != 0 && errno == EINTR) {
    }
    return file;
}

Result<FileStamp> WriteReplaceableUnlessChanged(const ReplaceableFile& found,
                                                std::string_view content, Durability durability,
                                                const std::optional<FileStamp>& read) {
    if (!read) {
        return Replace(found, content, durability, std::nullopt);
    }
    const int folder = found.folder->fd();
    if (durability == Durability::EachFile) {
        RemoveStaleTemporaries(*found.folder, found.name);
    }
    struct stat now {};
    const bool there = ::fstatat(folder, found.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    if (!there && errno != ENOENT) {
        return Error{found.named.string() + ": cannot be written (" + std::strerror(errno) + ")"};
    }
    if (there && (!S_ISREG(now.st_mode) || StampFrom(now) != *read)) {
        return ChangedMeanwhile(found);
    }
    const std::optional<struct stat> old = there ? std::optional(now) : std::nullopt;
    const Result<Temporary> temporary =
        WriteTemporary(found, content, durability, old, std::nullopt);
    if (!temporary) {
        return Error{temporary.message()};
    }
    return there ? ExchangeIfUnchanged(found, temporary.value(), durability, *read)
                 : CreateIfStillAbsent(found, temporary.value(), durability);
}

Status WriteFileAtomically(const std::filesystem::path& target,
                           const std::function<void(std::ostream&)>& write, Durability durability) {
    std::ostringstream text;
    write(text);
    return WriteFileAtomically(target, text.view(), durability);
}

}  // namespace korvane
