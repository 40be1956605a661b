#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include <sys/types.h>

#include "model/result.h"

namespace korvane {

// A folder that only the user may write, for files that nobody else may plant
// or read (the recovery copies). It is opened once, and every file in it is
// reached relative to that opening and never through a symbolic link: neither
// a link planted under one of its names nor the folder swapped for another
// leads a read or a write anywhere else.
class PrivateFolder {
public:
    // Opens the folder at `path`, creating it private to the user (0700), and
    // the folders above it, when it is missing. A folder that belongs to
    // someone else, or that its group or others may write, is refused, as ssh
    // refuses such a folder, and so is anything but a folder.
    static Result<PrivateFolder> Open(const std::filesystem::path& path);

    PrivateFolder(PrivateFolder&& other) noexcept;
    PrivateFolder& operator=(PrivateFolder&& other) noexcept;
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    ~PrivateFolder();

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path PathOf(std::string_view name) const { return path_ / name; }

    // Calls `visit` with the name of every entry; the system's reason when the
    // folder cannot be read.
    std::error_code ForEachName(const std::function<void(std::string_view)>& visit) const;

    // What stands at `name`: nothing, a regular file of the user's, or
    // something else (a link, a folder, a file someone else made).
    enum class Entry { None, OwnFile, Other };
    Entry EntryAt(std::string_view name) const;
    bool HoldsOwnFile(std::string_view name) const { return EntryAt(name) == Entry::OwnFile; }
    // The permission bits of the regular file of the user's named `name`.
    std::optional<mode_t> ModeOfOwnFile(std::string_view name) const;

    // The content of `name` when it is a regular file of the user's of at most
    // `largest` bytes; a message calling it `what` otherwise.
    Result<std::string> ReadOwnFile(std::string_view name, std::string_view what,
                                    std::uintmax_t largest) const;

    // Writes `content` as `name` with the permission bits `mode`: into a new
    // temporary file in the folder, flushed to disk and renamed over `name`
    // only when complete, so that a failure leaves the old file as it was.
    // Whatever stood at `name` (a link included) is replaced, never written through.
    Status Write(std::string_view name, std::string_view content, mode_t mode) const;

    // Removes `name` (a link itself, never what it leads to); a name that is
    // gone already is no failure.
    Status Remove(std::string_view name) const;

    // Renames `from` to `to`, replacing whatever stands at `to`.
    Status Rename(std::string_view from, std::string_view to) const;

    // Removes what writes of ended processes left half done (see TemporarySibling).
    void RemoveStaleTemporaries() const;

    // An exclusive hold on the folder, given up when it is destroyed or the
    // program ends, however it ends.
    class Hold {
    public:
        explicit Hold(int fd) : fd_(fd) {}
        Hold(Hold&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
        Hold& operator=(Hold&&) = delete;
        Hold(const Hold&) = delete;
        ~Hold();

    private:
        int fd_;
    };
    // Takes the hold through the lock file `name`, made when missing; none
    // while another program has it.
    Result<std::optional<Hold>> TryHold(std::string_view name) const;

private:
    PrivateFolder(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    Error Failure(std::string_view name, std::string_view what, int error) const;

    std::filesystem::path path_;
    int fd_ = -1;
};

}  // namespace korvane
