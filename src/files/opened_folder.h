#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include <sys/types.h>

#include "files/file_descriptor.h"
#include "model/result.h"

namespace korvane {

// A folder opened once, so that every file the program reaches by a name it
// found or made there (a companion file, a batch run's design, the web index
// pages) is opened, created, renamed and removed relative to it and never
// leads outside it, however its links change meanwhile: a design folder may
// come from someone else (an archive, a shared drive).
class OpenedFolder {
public:
    // Opens `folder` as the system resolves it ("" is the current folder).
    // The message names `folder` and the system's reason.
    static Result<std::shared_ptr<const OpenedFolder>> Open(const std::filesystem::path& folder);
    // The same for a caller that words its own message: none, and the
    // system's reason in `error`, when the folder cannot be opened.
    static std::shared_ptr<const OpenedFolder> Open(const std::filesystem::path& folder,
                                                    int& error);

    OpenedFolder(FileDescriptor folder, std::filesystem::path path, dev_t device, ino_t inode);

    int fd() const { return folder_.get(); }
    // A name in the folder as a path, for messages.
    std::filesystem::path PathOf(std::string_view name) const;

    // The name of the file that `name` leads to in this folder: `name` itself
    // unless it is a symbolic link, otherwise the final target of its links,
    // which need not exist yet. A link is followed only to a file of this
    // folder itself: one that leads above it, to an absolute path, into a
    // subfolder or to a file of another folder is refused with a message
    // naming the link and where it leads, and so is a loop of links.
    Result<std::string> FinalName(std::string_view name) const;

    // What opening a name found in the folder gave.
    struct OpenedName {
        std::string name;     // where its links led (FinalName)
        FileDescriptor file;  // invalid when the file could not be opened
        int error = 0;        // then the system's reason
    };
    // Opens the file that `name` leads to (FinalName) with `flags`, never
    // through a link: the final name is opened as it is, not followed, even
    // when it was made a link since it was looked at.
    Result<OpenedName> OpenName(std::string_view name, int flags) const;

private:
    FileDescriptor folder_;
    std::filesystem::path path_;
    dev_t device_;
    ino_t inode_;

    bool IsThisFolder(int fd) const;
    Error LeadsOutside(std::string_view name, std::string_view target) const;
};

}  // namespace korvane
