#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <sys/types.h>

#include "files/opened_folder.h"
#include "model/result.h"

namespace korvane {

// Which file a path named and what it held: the same device and inode, size
// and modification time mean that nobody has replaced or rewritten it since.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified_ns = 0;

    bool operator==(const FileStamp&) const = default;
    // Whether both stamps are of one file, whatever it held at each.
    bool SameFile(const FileStamp& other) const {
        return device == other.device && inode == other.inode;
    }
};

// The stamp of a file whose status the caller has taken.
FileStamp StampFrom(const struct stat& status);

// The stamp of the file `path` names now (links followed); none when there is
// no file.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

// The whole content of a regular file of at most `largest` bytes. Anything
// else named like one (a folder, a named pipe, a device, a socket) is refused
// before it is read, so that a pipe without a writer cannot hold the program
// up. Messages name the path and call the file what the caller expects it to
// be (`what`, as in "design file").
// `stamp`, when given, receives the stamp of the file that was read.
Result<std::string> ReadRegularFile(const std::filesystem::path& path, std::string_view what,
                                    std::uintmax_t largest, FileStamp* stamp = nullptr);
// The same for a file found by `name` in a folder the program has opened: a
// link is followed only to a file of that folder (OpenedFolder::FinalName).
Result<std::string> ReadRegularFileIn(const OpenedFolder& folder, std::string_view name,
                                      std::string_view what, std::uintmax_t largest,
                                      FileStamp* stamp = nullptr);

// The same for a file `path` names that is open at `file` (for reading,
// without waiting for a pipe's writer); the caller closes it.
Result<std::string> ReadOpenedRegularFile(int file, const std::filesystem::path& path,
                                          std::string_view what, std::uintmax_t largest,
                                          FileStamp* stamp = nullptr);

// What a file of the mode `mode` is, for a message: "a folder", "a named
// pipe", "a device", "a socket", "a regular file".
std::string_view KindOfFile(mode_t mode);

}  // namespace korvane
