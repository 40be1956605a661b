#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "app/session.h"
#include "files/private_folder.h"
#include "files/process_identity.h"
#include "files/recovery_copy.h"
#include "ui/autosave_schedule.h"
#include "ui/design_document.h"
#include "ui/prompter.h"

namespace korvane::ui {

// The recovery folder: "recovery" in the state folder.
std::filesystem::path RecoveryFolder(const ConfigurationPlaces& places);

// Keeps a recovery copy of the open design while it has unsaved changes, and
// offers at the start what a program that ended without saving (killed, crashed,
// a power cut) left behind.
//
// The copy is written when the schedule says (the view runs a timer to Due()
// and calls WriteDueCopy()) and removed when the design has no unsaved changes
// any more (saved, another design loaded) and when the program ends cleanly
// (DropCopy()). Each program keeps its own copy, named after its process, and
// offers only copies whose program no longer runs, so two programs at once
// never take each other's.
class Recovery final : public DesignObserver {
public:
    using Clock = AutosaveSchedule::Clock;

    // The session gives the catalog a copy is read with; the design, its
    // file and its unsaved changes are the document's.
    Recovery(Session& session, DesignDocument& document, Prompter& prompter,
             ProcessIdentity self = ThisProcess(),
             std::function<Clock::time_point()> now = Clock::now);

    // Starts keeping copies in `folder`, at most one per `interval`, after
    // offering the copies left there. The folder is made private to the user
    // when missing; one that belongs to someone else or that others may write
    // is refused with a message, and then no copy is kept or offered.
    //
    // The copies left are offered in one list, newest first, by their
    // descriptions alone: Restore makes the chosen copy the open design,
    // changed, and leaves the others for the next start; Delete deletes it,
    // Keep leaves it for the next start, and Delete All and Keep All do so
    // with all of them; Keep All is what Escape does. A restored design keeps
    // its own file only while that file is as the copy's program last read or
    // saved it; otherwise it comes back as a design never saved, so that its
    // next save asks where. While one program offers the copies, another
    // started meanwhile offers none, so that no copy is restored twice. A copy
    // that cannot be read is reported and kept aside under another name.
    // What a write of a killed program left half done is removed.
    void Start(const std::filesystem::path& folder, Clock::duration interval);
    // The same in the recovery folder, at the configured interval (a
    // configured value that is no interval is reported).
    void Start(const ConfigurationPlaces& places);

    void DesignUpdated(const Design& design, const DesignChange& change) override;

    // When the next copy is due; none while nothing waits.
    std::optional<Clock::time_point> Due() const { return schedule_.Due(); }
    // Writes the copy if it is due. A failure is reported once, and tried
    // again an interval later.
    void WriteDueCopy();
    // The program ends cleanly (Exit, Reset): its copy is removed.
    void DropCopy();

    // The files of this program's copy (none before Start, nor when the
    // folder was refused).
    const std::optional<RecoveryCopy>& OwnCopy() const { return own_; }

private:
    struct LeftCopy {
        RecoveryCopy copy;
        RecoveryInfo info;
    };
    void OfferLeftCopies();
    std::vector<LeftCopy> ReadLeftCopies();
    bool Restore(const LeftCopy& left);
    void Delete(const RecoveryCopy& copy);
    void SetAside(const RecoveryCopy& copy, const std::string& why);
    Status WriteCopy();
    void RemoveOwnCopy();
    void Warn(const std::string& message);

    Session& session_;
    DesignDocument& document_;
    Prompter& prompter_;
    ProcessIdentity self_;
    std::function<Clock::time_point()> now_;
    AutosaveSchedule schedule_{kDefaultAutosaveInterval};
    std::filesystem::path folder_path_;
    std::optional<PrivateFolder> folder_;  // opened again after a failed write
    std::optional<RecoveryCopy> own_;
    bool copy_written_ = false;  // this program's copy is on disk
    bool failure_told_ = false;  // a failed write was reported and none has succeeded since
    DesignSubscription subscription_;
};

}  // namespace korvane::ui
