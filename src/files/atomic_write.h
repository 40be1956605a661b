#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <sys/stat.h>

#include "files/file_descriptor.h"
#include "files/opened_folder.h"
#include "files/regular_file.h"
#include "files/temporary_files.h"
#include "model/result.h"

namespace korvane {

// How a replaced file reaches the disk.
enum class Durability {
    // Flushed to disk before it replaces the old file, and its folder after, so
    // that a power cut leaves the old file or the new one, never an empty one.
    // Stale temporaries of the file are removed first.
    EachFile,
    // Left to the caller, which writes many files to one folder and then syncs
    // it once (SyncFolder) and clears it of stale temporaries once: a batch run.
    FolderAtEnd,
};

// Writes a file through a hidden temporary file beside it that is renamed over
// it only when everything was written, so a failure (read-only folder, full
// disk) leaves the old file as it was. The replaced file keeps its permission
// bits, and its owner and group where the process may set them. A symbolic
// link is followed: its final target is replaced and the link stays a link. A
// file without write permission, or anything but a regular file, is not
// replaced (see FindReplaceable). A file created new gets the permission bits
// less the umask, or, when `new_file_like` is given, the group (where the
// process may set it) and the read and write bits of that file. The message
// names the path and the system's reason.
Status WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                           Durability durability = Durability::EachFile,
                           const std::filesystem::path& new_file_like = {});
// The same for content written to a stream.
Status WriteFileAtomically(const std::filesystem::path& target,
                           const std::function<void(std::ostream&)>& write,
                           Durability durability = Durability::EachFile);

// What a check found at a name a write is to replace: the folder the file is
// replaced in, its name there (where the links led) and its status, none when
// the write creates it.
struct ReplaceableFile {
    std::filesystem::path named;  // as the caller named it, for messages
    std::shared_ptr<const OpenedFolder> folder;
    std::string name;
    std::optional<struct stat> old;

    std::optional<FileStamp> Stamp() const;
};

// What is found at `target` when a write may replace it. Refuses a file that
// exists and is not a regular file (a device, a named pipe, a socket, a
// folder), and one without write permission for this process. The permission
// bits decide, for the class the process falls in (owner, group or others), so
// that a file made read-only is not replaced even for root, whom the system
// would let write anything: for root the owner's bit decides.
Result<ReplaceableFile> FindReplaceable(const std::filesystem::path& target);
// The same for a file found by name in a folder (a companion): it is replaced
// in that folder, and a symbolic link there is followed only to a file of the
// folder itself (OpenedFolder::FinalName).
Result<ReplaceableFile> FindReplaceableInFolder(const std::filesystem::path& target);
// The same for `name` in a folder the program has opened; `named` is the
// file's path for messages.
Result<ReplaceableFile> FindReplaceableIn(const std::shared_ptr<const OpenedFolder>& folder,
                                          std::string_view name,
                                          const std::filesystem::path& named);
// Writes as WriteFileAtomically does, over what a check has just found,
// without looking again: a save checks all of its files before it writes the
// first. The temporary is made in the found file's folder and renamed there.
Status WriteReplaceable(const ReplaceableFile& found, std::string_view content,
                        Durability durability = Durability::EachFile,
                        const std::filesystem::path& new_file_like = {});

// How a write that would lose another writer's save refuses, after the path.
inline constexpr std::string_view kChangedSinceRead = "changed since it was read; not saved";

// This program's advisory lock on the file `found` names, which every save of
// it takes from its first look at the file to its last write, waiting while
// another holds it; released when the descriptor closes. None when there is
// no file yet, or it cannot be opened for reading.
FileDescriptor LockReplaceable(const ReplaceableFile& found);

// Writes as WriteReplaceable does and gives the stamp of the file written.
// With `read`, the stamp of the file as this program read it, a save that
// another writer made meanwhile is never lost: the file is replaced only while
// it is still the one read, checked under the caller's LockReplaceable, and
// checked again on what the replace takes out, against programs that take no
// lock (the new file and the old are exchanged, and exchanged back when the
// old is not the one read). A file gone meanwhile is written anew unless
// another appeared by then. Refused with "<path>: " + kChangedSinceRead, and
// nothing written.
Result<FileStamp> WriteReplaceableUnlessChanged(const ReplaceableFile& found,
                                                std::string_view content, Durability durability,
                                                const std::optional<FileStamp>& read);

// Moves a finished temporary file over `target` and syncs the folder; removes
// the temporary when the move fails.
Status ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target);

// Flushes everything written to the file system that holds `folder`.
Status SyncFolder(const std::filesystem::path& folder);
Status SyncFolder(const OpenedFolder& folder);

}  // namespace korvane
