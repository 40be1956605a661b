#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

#include "files/private_folder.h"
#include "files/process_identity.h"
#include "files/regular_file.h"
#include "model/design.h"
#include "model/result.h"

namespace korvane {

// A recovery copy is the open design with its unsaved changes, written now and
// then so that a program that is killed or crashes loses little. Each running
// program keeps one copy in the recovery folder, named after the program
// ("PID-START.k2d", a design file like any other), and beside it a small
// description ("PID-START.info") of what the design file does not hold.
struct RecoveryInfo {
    std::string design_path;  // the design's own file; empty for a design never saved
    // That file as the writer last read or saved it, so that restoring the
    // copy and saving it does not overwrite what another program saved since.
    std::optional<FileStamp> design_stamp;
    std::chrono::sys_seconds written{};  // when the copy was written
    ProcessIdentity writer;
    // The ship's name (UTF-8), which names a design never saved when the copy
    // is offered; descriptions of earlier versions have none.
    std::string ship_name;

    bool operator==(const RecoveryInfo&) const = default;
};

// The description is UTF-8 text: a first line naming it, then one "Key=value"
// line each. The path's and the ship's backslashes and line ends are written
// as "\\", "\n" and "\r", so that any name fits on its line; the time is UTC in
// ISO 8601.
void WriteRecoveryInfo(std::ostream& out, const RecoveryInfo& info);
// Reads a description; the message names `source_name`, the line and what was expected.
Result<RecoveryInfo> ReadRecoveryInfo(std::istream& in, std::string_view source_name);

// The two files of the copy that one program keeps in a folder.
struct RecoveryCopy {
    std::filesystem::path design_file;
    std::filesystem::path info_file;
    ProcessIdentity writer;
};

RecoveryCopy RecoveryCopyOf(const std::filesystem::path& folder, const ProcessIdentity& writer);

// The files of a copy are reached through the folder's opening and never
// through a link (PrivateFolder): a link planted under a copy's name is
// replaced by a write, and is neither read nor offered.

// Writes the description, then the design with the permission bits
// `design_mode`, each through a temporary file. A description without its
// design file, left by a program ended between the two, describes nothing to
// restore.
Status WriteRecoveryCopy(const PrivateFolder& folder, const RecoveryCopy& copy,
                         const Design& design, const RecoveryInfo& info, mode_t design_mode);

// Removes the design file, then the description; files already gone are no failure.
Status RemoveRecoveryCopy(const PrivateFolder& folder, const RecoveryCopy& copy);

// The copies in the folder whose writer is no longer running (`running`
// tells), in name order: every program's description or design file found
// there that is a regular file of the user's. Other files (links among them)
// are not copies and are left alone.
std::vector<RecoveryCopy> LeftRecoveryCopies(
    const PrivateFolder& folder,
    const std::function<bool(const ProcessIdentity&)>& running = IsRunning);

// Whether the copy's design file is there (a regular file of the user's).
bool HasRecoveryDesign(const PrivateFolder& folder, const RecoveryCopy& copy);

// Reads the copy's description.
Result<RecoveryInfo> ReadRecoveryInfoFile(const PrivateFolder& folder, const RecoveryCopy& copy);
// The text of the copy's design file.
Result<std::string> ReadRecoveryDesignText(const PrivateFolder& folder, const RecoveryCopy& copy);

// A copy that cannot be restored is kept under other names ("broken-" before
// each file's name), where it is never offered again; the design file's new
// path, or why the files could not be renamed.
Result<std::filesystem::path> SetAsideRecoveryCopy(const PrivateFolder& folder,
                                                   const RecoveryCopy& copy);

}  // namespace korvane
