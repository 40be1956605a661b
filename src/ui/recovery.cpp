#include "ui/recovery.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <system_error>
#include <utility>
#include <vector>

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

// How the question names the design: its file, or for a design never saved its
// ship's name (Windows-1252 text, as the question is).
std::string DesignNameText(const RecoveryInfo& info, const Design& design) {
    if (!info.design_path.empty()) {
        return Cp1252FromUtf8(info.design_path);
    }
    const std::string ship(Trimmed(design.ShipName()));
    return ship.empty() ? "an untitled design" : "the never-saved design \"" + ship + "\"";
}

}  // namespace

std::filesystem::path RecoveryFolder(const ConfigurationPlaces& places) {
    return places.state_folder / "recovery";
}

struct Recovery::LeftCopy {
    RecoveryCopy copy;
    RecoveryInfo info;
    Design design;
};

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
    std::vector<LeftCopy> left;
    for (const RecoveryCopy& copy : LeftRecoveryCopies(folder)) {
        if (std::optional<LeftCopy> readable = ReadLeftCopy(copy)) {
            left.push_back(std::move(*readable));
        }
    }
    std::sort(left.begin(), left.end(),
              [](const LeftCopy& a, const LeftCopy& b) { return a.info.written > b.info.written; });
    // Copies are kept from here on, so that a restored design has its copy at once.
    own_ = RecoveryCopyOf(folder, self_);
    for (LeftCopy& offered : left) {
        const std::string question =
            "Unsaved changes to " + DesignNameText(offered.info, offered.design) + " from " +
            LocalTimeText(offered.info.written) + " were recovered. Restore them?";
        if (prompter_.AskYesNo(AppTitle(), question, MessageIcon::Warning, DefaultAnswer::Yes)) {
            Restore(offered);
            return;
        }
        const Status removed = RemoveRecoveryCopy(offered.copy);
        if (!removed) {
            Warn(removed.message());
        }
    }
}

void Recovery::Start(const ConfigurationPlaces& places) {
    const AutosaveInterval autosave = ReadAutosaveInterval(places);
    if (!autosave.notice.empty()) {
        Warn(autosave.notice);
    }
    Start(RecoveryFolder(places), autosave.interval);
}

// A copy whose description is there but whose design file is not was left by
// a program that ended between writing the two: there is nothing to restore.
std::optional<Recovery::LeftCopy> Recovery::ReadLeftCopy(const RecoveryCopy& copy) {
    std::error_code error;
    if (!std::filesystem::exists(copy.design_file, error) && !error) {
        const Status removed = RemoveRecoveryCopy(copy);
        if (!removed) {
            Warn(removed.message());
        }
        return std::nullopt;
    }
    Result<RecoveryInfo> info = ReadRecoveryInfoFile(copy);
    LeftCopy left{copy, {}, {}};
    Status read = info.status();
    if (read) {
        left.info = std::move(info.value());
        read = LoadDesignCopy(session_.catalog->Features(), copy.design_file.string(), left.design);
    }
    if (read) {
        return left;
    }
    const Result<std::filesystem::path> kept = SetAsideRecoveryCopy(copy);
    Warn("A recovery copy of unsaved changes cannot be read: " + read.message() + "\n\n" +
         (kept ? "It is kept as " + kept.value().string() + " and is not offered again."
               : kept.message() + "; it stays as " + copy.design_file.string() + "."));
    return std::nullopt;
}

// The restored design replaces the open one with a history of its own, and
// gets this program's copy before the one it came from is deleted, so that a
// crash in between still leaves one of them. Its file stays as it was until
// the user saves; a save over it asks first when another program has written
// it since the copy's program read it.
void Recovery::Restore(LeftCopy& left) {
    session_.design = std::move(left.design);
    session_.design.DesignChanged = true;
    session_.CurrentDesignPath = left.info.design_path;
    session_.CurrentDesignStamp = left.info.design_stamp;
    document_.Replaced();
    const Status written = WriteCopy();
    const Status removed = written ? RemoveRecoveryCopy(left.copy) : written;
    if (!removed) {
        Warn(removed.message() + "\n\nThe recovered changes stay in " +
             left.copy.design_file.string() + " until the design is saved.");
    }
}

void Recovery::DesignUpdated(Design&) {
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
    if (!due || now_() < *due || !document_.HasUnsavedChanges()) {
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

Status Recovery::WriteCopy() {
    const RecoveryInfo info{
        document_.Path(), session_.CurrentDesignStamp,
        std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()), self_};
    const Status written = WriteRecoveryCopy(*own_, document_.design(), info);
    if (written) {
        copy_written_ = true;
        failure_told_ = false;
        schedule_.Written(now_());
    } else {
        schedule_.Failed(now_());
    }
    return written;
}

void Recovery::RemoveOwnCopy() {
    if (!copy_written_) {
        return;
    }
    const Status removed = RemoveRecoveryCopy(*own_);
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
