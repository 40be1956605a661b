#include "batch/batch_run.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <optional>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>

#include "app/load_design.h"
#include "app/new_design.h"
#include "app/save_design.h"
#include "batch/web_index.h"
#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "files/folder_names.h"
#include "files/path_utils.h"
#include "model/cp1252.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

constexpr std::string_view kDesignExtension = ".k2d";
constexpr const char* kProblemIndent = "    ";

bool IsDesignFileName(std::string_view name) {
    if (name.size() < kDesignExtension.size()) {
        return false;
    }
    return SameIgnoringCase(name.substr(name.size() - kDesignExtension.size()), kDesignExtension);
}

// Paths and system messages come from the platform as UTF-8; the error list
// and the progress text are the program's own Windows-1252 text.
std::string Shown(std::string_view platform_text) {
    return Cp1252FromUtf8(platform_text);
}

// The reason of a read failure without the path it starts with, since the
// error line names the file already.
std::string ReasonAfterPath(const std::string& path, const std::string& message) {
    if (message.rfind(path, 0) != 0) {
        return message;
    }
    std::string_view rest = std::string_view(message).substr(path.size());
    while (!rest.empty() && (rest.front() == ',' || rest.front() == ':' || rest.front() == ' ')) {
        rest.remove_prefix(1);
    }
    return std::string(rest);
}

Error CannotBeRead(const std::filesystem::path& folder, std::error_code error) {
    return Error{folder.string() + ": the folder cannot be read (" + error.message() + ")"};
}

Result<std::shared_ptr<const OpenedFolder>> OpenFolderToRun(const std::filesystem::path& folder) {
    int error = 0;
    std::shared_ptr<const OpenedFolder> opened = OpenedFolder::Open(folder, error);
    if (!opened) {
        return CannotBeRead(folder, {error, std::generic_category()});
    }
    return opened;
}

// How every design of a run is processed.
struct RunSettings {
    BatchKind kind;
    std::chrono::sys_days today;
    std::vector<ShipType> types;  // read for a web run only
    Design start;                 // the new design, which each design file is read onto
    std::unordered_set<std::string> notes_files;  // the notes files the folder held
    std::shared_ptr<const OpenedFolder> folder;   // every file of the run is reached through it

    bool Web() const { return kind == BatchKind::ResaveAndWeb; }
};

// What processing one design file gave.
struct DesignOutcome {
    std::vector<std::string> errors;
    std::optional<IndexedDesign> entry;  // its line on the contents page
    bool saved = false;
};

// Loading and saving a folder full of designs leaves the recent files alone,
// its saves reach the disk with one sync of the folder at the end, and they
// look for notes files among those the run listed.
class BatchSaving {
public:
    BatchSaving(Session& session, const RunSettings& run)
        : session_(session),
          was_frozen_(session.RecentListFrozen),
          durability_(session.SaveDurability),
          listed_notes_(session.ListedNotesFiles) {
        session_.RecentListFrozen = true;
        session_.SaveDurability = Durability::FolderAtEnd;
        session_.ListedNotesFiles = &run.notes_files;
    }
    ~BatchSaving() {
        session_.RecentListFrozen = was_frozen_;
        session_.SaveDurability = durability_;
        session_.ListedNotesFiles = listed_notes_;
    }
    BatchSaving(const BatchSaving&) = delete;
    BatchSaving& operator=(const BatchSaving&) = delete;

private:
    Session& session_;
    bool was_frozen_;
    Durability durability_;
    const std::unordered_set<std::string>* listed_notes_;
};

// Files the design under its ship type for the contents page, linked to `page`.
void FileUnderType(const RunSettings& run, const Design& design, const std::string& path,
                   const std::string& page, DesignOutcome& outcome) {
    if (page == kFramesetPageName || page == kContentsPageName) {
        outcome.errors.push_back(Shown(path) + " - its page " + page +
                                 " is replaced by the web index; rename the design to list it");
        return;
    }
    const ComponentRecord& type_slot = design.Slots[Slot::ShipType];
    const int type = MatchShipType(run.types, type_slot.IDNUM, type_slot.LABEL);
    if (type == 0) {
        outcome.errors.push_back(Shown(path) + " - can't match category");
    }
    outcome.entry = IndexedDesign{page, design.ShipName(), type};
}

// A design that could not be saved keeps its place on the contents page as
// long as the page an earlier run made of it is still there, filed by the
// name and type it was read with.
void KeepOldEntry(const RunSettings& run, const Design& design, const std::string& path,
                  DesignOutcome& outcome) {
    const std::string page = std::filesystem::path(HtmlPagePath(path)).filename().string();
    const Result<std::string> final_name = run.folder->FinalName(page);
    struct stat status {};
    if (final_name &&
        ::fstatat(run.folder->fd(), final_name.value().c_str(), &status, AT_SYMLINK_NOFOLLOW) ==
            0 &&
        S_ISREG(status.st_mode)) {
        FileUnderType(run, design, path, page, outcome);
    }
}

// Each design is read onto the new design, so that nothing of the design
// processed before it (entries above a short count line) reaches its file.
DesignOutcome ProcessDesign(Session& session, const RunSettings& run, const std::string& name) {
    DesignOutcome outcome;
    const std::string path = run.folder->PathOf(name).string();
    // A design that cannot be read leaves the session with the design it names.
    const Status loaded = LoadDesignOnto(session, *run.folder, name, run.start);
    if (!loaded) {
        outcome.errors.push_back(Shown(path) +
                                 " - skipped: " + Shown(ReasonAfterPath(path, loaded.message())));
        return outcome;
    }
    // The load has recalculated the design until a pass changed nothing, so
    // the run's own recalculation would be one more pass that changes nothing.
    const Design& design = session.design;
    if (design.DesignValid() == 0) {
        outcome.errors.push_back(Shown(path) +
                                 (run.Web() ? " - design error somewhere!" : " - error"));
        for (const std::string& problem : design.Problems) {
            outcome.errors.push_back(kProblemIndent + problem);
        }
    }
    const Status written = SaveDesignIn(session, run.folder, name, run.today);
    if (!written) {
        // Another program's save since the read is kept, and listed so.
        const bool changed = written.message() == path + ": " + std::string(kChangedSinceRead);
        outcome.errors.push_back(Shown(path) + (changed
                                                    ? " - " + std::string(kChangedSinceRead)
                                                    : " - not saved: " + Shown(written.message())));
        if (run.Web()) {
            KeepOldEntry(run, design, path, outcome);
        }
        return outcome;
    }
    outcome.saved = true;
    if (!session.NotesProblem.empty()) {
        outcome.errors.push_back(Shown(path) + " - " + Shown(session.NotesProblem));
    }
    if (run.Web()) {
        FileUnderType(run, design, path,
                      std::filesystem::path(session.LastPagePath).filename().string(), outcome);
    }
    return outcome;
}

// Which file each name of the run leads to: its device and inode, none for a
// name that leads to no file the run may read.
std::vector<std::optional<std::pair<dev_t, ino_t>>> FilesNamed(
    const OpenedFolder& folder, const std::vector<std::string>& names) {
    std::vector<std::optional<std::pair<dev_t, ino_t>>> files;
    files.reserve(names.size());
    for (const std::string& name : names) {
        const Result<std::string> final_name = folder.FinalName(name);
        struct stat status {};
        if (final_name &&
            ::fstatat(folder.fd(), final_name.value().c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
            files.emplace_back(std::pair{status.st_dev, status.st_ino});
        } else {
            files.emplace_back();
        }
    }
    return files;
}

// Designs that share a profile file and page ("ship.k2d", "ship.K2D"), and
// names of one design file (a link "alias.k2d" to "plain.k2d" beside it),
// are processed one after the other in name order, as one job, so that each
// file is worked by one worker at a time and the later name's files win as
// they do in a run of one worker.
std::vector<std::vector<std::size_t>> JobsSharingFiles(const OpenedFolder& folder,
                                                       const std::vector<std::string>& names) {
    // Each name joins the job of the first name it shares a file with; two
    // jobs that one name joins become one.
    std::vector<std::size_t> job_of(names.size());
    std::iota(job_of.begin(), job_of.end(), 0);
    const auto find = [&](std::size_t i) {
        while (job_of[i] != i) {
            i = job_of[i] = job_of[job_of[i]];
        }
        return i;
    };
    const auto join = [&](std::size_t a, std::size_t b) {
        const std::size_t first = find(a);
        const std::size_t second = find(b);
        job_of[std::max(first, second)] = std::min(first, second);
    };
    std::unordered_map<std::string, std::size_t> first_of_base;
    std::map<std::pair<dev_t, ino_t>, std::size_t> first_of_file;
    const auto files = FilesNamed(folder, names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        join(i, first_of_base.try_emplace(CompanionBase(names[i]), i).first->second);
        if (files[i]) {
            join(i, first_of_file.try_emplace(*files[i], i).first->second);
        }
    }
    std::vector<std::vector<std::size_t>> jobs;
    std::unordered_map<std::size_t, std::size_t> job_index;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto [found, added] = job_index.try_emplace(find(i), jobs.size());
        if (added) {
            jobs.emplace_back();
        }
        jobs[found->second].push_back(i);
    }
    return jobs;
}

// Processes the designs on `workers` threads, each with a catalog and design of
// its own; the outcomes are those a run of one worker gives, in the same places.
Status ProcessInParallel(const Session& session, const RunSettings& run,
                         const std::vector<std::string>& names, int workers,
                         const BatchProgressCallback& progress,
                         std::vector<DesignOutcome>& outcomes) {
    std::vector<Session> sessions(static_cast<std::size_t>(workers));
    for (Session& own : sessions) {
        Result<std::unique_ptr<CatalogStore>> catalog = session.catalog->OpenAgain();
        if (!catalog) {
            return catalog.status();
        }
        own.CatalogDir = session.CatalogDir;
        own.catalog = std::move(catalog.value());
        own.RecentListFrozen = true;
        own.SaveDurability = Durability::FolderAtEnd;
        own.ListedNotesFiles = &run.notes_files;
    }
    const std::vector<std::vector<std::size_t>> jobs = JobsSharingFiles(*run.folder, names);
    std::atomic<std::size_t> next_job{0};
    std::mutex progress_lock;
    int done = 0;
    const int total = static_cast<int>(names.size());
    const auto work = [&](Session& own) {
        for (std::size_t job = next_job++; job < jobs.size(); job = next_job++) {
            for (const std::size_t i : jobs[job]) {
                outcomes[i] = ProcessDesign(own, run, names[i]);
                const std::lock_guard<std::mutex> reporting(progress_lock);
                ++done;
                if (progress) {
                    progress({run.folder->PathOf(names[i]).string(), done, total});
                }
            }
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < sessions.size(); ++w) {
        threads.emplace_back(work, std::ref(sessions[w]));
    }
    work(sessions.front());
    for (std::thread& thread : threads) {
        thread.join();
    }
    return {};
}

}  // namespace

std::string ProgressText(const BatchProgress& progress) {
    return Shown(progress.path) + " " + std::to_string(progress.done) + " of " +
           std::to_string(progress.total);
}

Result<std::vector<std::string>> ListDesignFiles(const OpenedFolder& folder,
                                                 std::unordered_set<std::string>* notes_files) {
    std::vector<std::string> names;
    const std::error_code error = ForEachNameAt(folder.fd(), [&](std::string_view name) {
        if (IsDesignFileName(name)) {
            names.emplace_back(name);
        } else if (notes_files != nullptr && IsNotesFileName(name)) {
            notes_files->emplace(name);
        }
    });
    if (error) {
        return CannotBeRead(folder.PathOf(""), error);
    }
    // Names that differ only in case ("a.k2d", "A.k2d") keep one order too.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return LessIgnoringCase(a, b) || (!LessIgnoringCase(b, a) && a < b);
    });
    return names;
}

Result<std::vector<std::string>> ListDesignFiles(const std::filesystem::path& folder,
                                                 std::unordered_set<std::string>* notes_files) {
    const Result<std::shared_ptr<const OpenedFolder>> opened = OpenFolderToRun(folder);
    if (!opened) {
        return Error{opened.message()};
    }
    return ListDesignFiles(*opened.value(), notes_files);
}

std::string ErrorListText(const std::vector<std::string>& errors) {
    std::string text;
    for (const std::string& line : errors) {
        text += line;
        text += NewLine;
    }
    return text;
}

Result<BatchOutcome> RunBatch(Session& session, std::string folder, BatchKind kind,
                              std::chrono::sys_days today, const BatchProgressCallback& progress,
                              int workers) {
    WithTrailingSeparator(folder);
    RunSettings run{kind, today, {}, {}, {}, {}};
    Result<std::shared_ptr<const OpenedFolder>> opened = OpenFolderToRun(folder);
    if (!opened) {
        return Error{opened.message()};
    }
    run.folder = std::move(opened.value());
    const Result<std::vector<std::string>> listed = ListDesignFiles(*run.folder, &run.notes_files);
    if (!listed) {
        return Error{listed.message()};
    }
    const std::vector<std::string>& names = listed.value();
    NewDesign(run.start, session.catalog->Features());
    if (run.Web()) {
        run.types = ReadShipTypes(session.catalog->Features());
    }
    RemoveStaleTemporariesIn(*run.folder);
    std::vector<DesignOutcome> outcomes(names.size());
    workers = std::clamp(workers, 1, std::max(1, static_cast<int>(names.size())));
    if (workers == 1) {
        const BatchSaving batch_saving(session, run);
        const int total = static_cast<int>(names.size());
        for (int i = 0; i < total; ++i) {
            const std::string& name = names[static_cast<std::size_t>(i)];
            outcomes[static_cast<std::size_t>(i)] = ProcessDesign(session, run, name);
            if (progress) {
                progress({run.folder->PathOf(name).string(), i + 1, total});
            }
        }
    } else {
        const Status processed =
            ProcessInParallel(session, run, names, workers, progress, outcomes);
        if (!processed) {
            return Error{processed.message()};
        }
    }

    std::vector<std::string> errors;
    std::vector<IndexedDesign> site;
    bool any_saved = false;
    for (DesignOutcome& outcome : outcomes) {
        std::move(outcome.errors.begin(), outcome.errors.end(), std::back_inserter(errors));
        if (outcome.entry) {
            site.push_back(std::move(*outcome.entry));
        }
        any_saved = any_saved || outcome.saved;
    }
    // When nothing could be saved (a full disk) the old index pages are left
    // as they were rather than replaced by a site without those designs.
    if (run.Web() && (any_saved || names.empty())) {
        const Status written = WriteWebIndex(run.folder, run.types, site, Durability::FolderAtEnd);
        if (!written) {
            errors.push_back(Shown(written.message()));
        }
    }
    const Status synced = SyncFolder(*run.folder);
    if (!synced) {
        errors.push_back(Shown(synced.message()));
    }
    return BatchOutcome{static_cast<int>(names.size()), std::move(errors)};
}

}  // namespace korvane
