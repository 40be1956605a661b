#include "ui/recovery.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "app/load_design.h"
#include "model/cp1252.h"
#include "model/number_format.h"
#include "model/program_identity.h"
#include "model/text_helpers.h"

namespace korvane::ui {

namespace {

// "Monday, December 7, 2026 at 23:15" in the local time.
std::string LocalTimeText(std::chrono::sys_seconds time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    const std::chrono::year_month_day date{std::chrono::year(local.tm_year + 1900),
                                           std::chrono::month(unsigned(local.tm_mon + 1)),
                                           std::chrono::day(unsigned(local.tm_mday))};
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", local.tm_hour, local.tm_min);
    return LongDate(std::chrono::sys_days(date)) + " at " + clock;
}

// What a copy's place in the list shows: its design's file, or for a design
// never saved its ship's name, and when it was written (Windows-1252 text, as
// the question is). A name shows its control characters as "?", so that it
// stays on its line and cannot pass for the program's own words.
std::string LeftCopyLine(const RecoveryInfo& info) {
    std::string name;
    if (!info.design_path.empty()) {
        name = ControlsShown(Cp1252FromUtf8(info.design_path));
    } else {
        const std::string ship(Trimmed(Cp1252FromUtf8(info.ship_name)));
        name = ship.empty() ? "an untitled design"
                            : "the never-saved design \"" + ControlsShown(ship) + "\"";
    }
    return name + ", from " + LocalTimeText(info.written);
}

// The permission bits of the design's copy: those of its own file, so that a
// private design has a private copy; a design without a file gets a private one.
mode_t CopyMode(const std::string& design_path) {
    struct stat status {};
    if (design_path.empty() || ::stat(design_path.c_str(), &status) != 0) {
        return S_IRUSR | S_IWUSR;
    }
    return status.st_mode & 0666;
}

constexpr std::string_view kOfferLockName = "offering.lock";

}  // namespace

std::filesystem::path RecoveryFolder(const ConfigurationPlaces& places) {
    return places.state_folder / "recovery";
}

Recovery::Recovery(Session& session, DesignDocument& document, Prompter& prompter,
                   ProcessIdentity self, std::function<Clock::time_point()> now)
    : session_(session),
      document_(document),
      prompter_(prompter),
      self_(self),
      now_(std::move(now)),
      subscription_(document.Subscribe(*this)) {}

void Recovery::Start(const std::filesystem::path& folder, Clock::duration interval) {
    schedule_ = AutosaveSchedule(interval);
    folder_path_ = folder;
    Result<PrivateFolder> opened = PrivateFolder::Open(folder);
    if (!opened) {
        Warn("Unsaved changes are not copied for recovery: the recovery folder " +
             opened.message() + ".\n\nMake it a folder of your own that only you may write " +
             "(chmod 700) to have them copied again.");
        return;
    }
    folder_ = std::move(opened.value());
    folder_->RemoveStaleTemporaries();
    // Copies are kept from here on, so that a restored design has its copy at once.
    own_ = RecoveryCopyOf(folder, self_);
    OfferLeftCopies();
}

void Recovery::Start(const ConfigurationPlaces& places) {
    const AutosaveInterval autosave = ReadAutosaveInterval(places);
    if (!autosave.notice.empty()) {
        Warn(autosave.notice);
    }
    Start(RecoveryFolder(places), autosave.interval);
}

void Recovery::OfferLeftCopies() {
    Result<std::optional<PrivateFolder::Hold>> hold = folder_->TryHold(kOfferLockName);
    if (!hold) {
        Warn("The unsaved changes left by earlier runs cannot be offered: " + hold.message());
        return;
    }
    if (!hold.value()) {
        return;  // another program is offering them now
    }
    std::vector<LeftCopy> left = ReadLeftCopies();
    while (!left.empty()) {
        std::vector<std::string> lines;
        for (const LeftCopy& copy : left) {
            lines.push_back(LeftCopyLine(copy.info));
        }
        const RecoveredChoice choice = prompter_.ChooseRecovered(
            AppTitle(),
            "Unsaved changes were recovered from a run of the program that ended without saving "
            "them. Restore them?",
            lines);
        const std::size_t chosen = std::min(choice.copy, left.size() - 1);
        switch (choice.action) {
            case RecoveredAction::KeepAll:
                return;
            case RecoveredAction::Restore:
                if (Restore(left[chosen])) {
                    return;
                }
                break;
            case RecoveredAction::Delete:
                Delete(left[chosen].copy);
                break;
            case RecoveredAction::Keep:
                break;
            case RecoveredAction::DeleteAll:
                for (const LeftCopy& copy : left) {
                    Delete(copy.copy);
                }
                return;
        }
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(chosen));
    }
}

// Only the descriptions are read: the design of a copy is read when it is restored.
std::vector<Recovery::LeftCopy> Recovery::ReadLeftCopies() {
    std::vector<LeftCopy> left;
    for (const RecoveryCopy& copy : LeftRecoveryCopies(*folder_)) {
        // A description without its design file was left by a program that
        // ended between writing the two: there is nothing to restore.
        if (!HasRecoveryDesign(*folder_, copy)) {
            Delete(copy);
            continue;
        }
        Result<RecoveryInfo> info = ReadRecoveryInfoFile(*folder_, copy);
        if (info) {
            left.push_back({copy, std::move(info.value())});
        } else {
            SetAside(copy, info.message());
        }
    }
    std::sort(left.begin(), left.end(),
              [](const LeftCopy& a, const LeftCopy& b) { return a.info.written > b.info.written; });
    return left;
}

// The restored design replaces the open one with a history of its own, and
// gets this program's copy before the one it came from is deleted, so that a
// crash in between still leaves one of them. Its file stays as it was until
// the user saves. A file that another program has written since the copy's
// program read it, or that is gone, is no longer the design's own.
bool Recovery::Restore(const LeftCopy& left) {
    const Result<std::string> text = ReadRecoveryDesignText(*folder_, left.copy);
    Design design;
    Status read = text.status();
    if (read) {
        std::istringstream in(text.value());
        read = LoadDesignCopy(session_.catalog->Features(), in, left.copy.design_file.string(),
                              design);
    }
    if (!read) {
        SetAside(left.copy, read.message());
        return false;
    }
    const std::string& path = left.info.design_path;
    const bool file_as_read =
        !path.empty() && left.info.design_stamp && StampOf(path) == left.info.design_stamp;
    session_.design = std::move(design);
    session_.design.DesignChanged = true;
    session_.CurrentDesignPath = file_as_read ? path : "";
    session_.CurrentDesignStamp = file_as_read ? left.info.design_stamp : std::nullopt;
    document_.Replaced();
    if (!path.empty() && !file_as_read) {
        Warn(ControlsShown(path) +
             " has been changed or removed since these changes were made to it, so "
             "they are restored as a design never saved. Use \"Save As...\" to keep them.");
    }
    const Status written = WriteCopy();
    const Status removed = written ? RemoveRecoveryCopy(*folder_, left.copy) : written;
    if (!removed) {
        Warn(removed.message() + "\n\nThe recovered changes stay in " +
             left.copy.design_file.string() + " until the design is saved.");
    }
    return true;
}

void Recovery::Delete(const RecoveryCopy& copy) {
    const Status removed = RemoveRecoveryCopy(*folder_, copy);
    if (!removed) {
        Warn(removed.message());
    }
}

void Recovery::SetAside(const RecoveryCopy& copy, const std::string& why) {
    const Result<std::filesystem::path> kept = SetAsideRecoveryCopy(*folder_, copy);
    Warn("A recovery copy of unsaved changes cannot be read: " + why + "\n\n" +
         (kept ? "It is kept as " + kept.value().string() + " and is not offered again."
               : kept.message() + "; it stays as " + copy.design_file.string() + "."));
}

void Recovery::DesignUpdated(const Design&, const DesignChange&) {
    if (!own_) {
        return;
    }
    if (document_.HasUnsavedChanges()) {
        schedule_.Changed(now_());
    } else {
        schedule_.Cleared();
        RemoveOwnCopy();
    }
}

void Recovery::WriteDueCopy() {
    const std::optional<Clock::time_point> due = schedule_.Due();
    if (!own_ || !due || now_() < *due || !document_.HasUnsavedChanges()) {
        return;
    }
    const Status written = WriteCopy();
    if (!written && !failure_told_) {
        failure_told_ = true;
        Warn("The recovery copy of the unsaved changes cannot be written: " + written.message() +
             "\n\nSave the design to keep them.");
    }
}

void Recovery::DropCopy() {
    schedule_.Cleared();
    RemoveOwnCopy();
}

// A write that fails opens the folder again for the next one: the folder may
// have been removed, or replaced by one that is no longer private.
Status Recovery::WriteCopy() {
    Status written;
    if (!folder_) {
        Result<PrivateFolder> opened = PrivateFolder::Open(folder_path_);
        if (opened) {
            folder_ = std::move(opened.value());
        } else {
            written = Error{"the recovery folder " + opened.message()};
        }
    }
    if (folder_) {
        const std::string path = document_.Path();
        const RecoveryInfo info{
            path, session_.CurrentDesignStamp,
            std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()), self_,
            Utf8FromCp1252(Trimmed(document_.design().ShipName()))};
        written = WriteRecoveryCopy(*folder_, *own_, document_.design(), info, CopyMode(path));
    }
    if (written) {
        copy_written_ = true;
        failure_told_ = false;
        schedule_.Written(now_());
    } else {
        folder_.reset();
        schedule_.Failed(now_());
    }
    return written;
}

void Recovery::RemoveOwnCopy() {
    if (!copy_written_ || !folder_) {
        return;
    }
    const Status removed = RemoveRecoveryCopy(*folder_, *own_);
    copy_written_ = !removed.ok();
    if (!removed) {
        Warn(removed.message());
    }
}

void Recovery::Warn(const std::string& message) {
    // Messages are UTF-8 (they carry paths); the Prompter speaks the design's code page.
    prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(message), MessageIcon::Warning);
}

}  // namespace korvane::ui
