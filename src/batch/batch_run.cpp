#include "batch/batch_run.h"

#include <algorithm>
#include <system_error>

#include "app/load_design.h"
#include "app/save_design.h"
#include "batch/web_index.h"
#include "engine/recalculate.h"
#include "files/atomic_write.h"
#include "files/companion_files.h"
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

// Loading and saving a folder full of designs leaves the recent files alone,
// and its saves reach the disk with one sync of the folder at the end.
class BatchSaving {
public:
    explicit BatchSaving(Session& session)
        : session_(session),
          was_frozen_(session.RecentListFrozen),
          durability_(session.SaveDurability) {
        session_.RecentListFrozen = true;
        session_.SaveDurability = Durability::FolderAtEnd;
    }
    ~BatchSaving() {
        session_.RecentListFrozen = was_frozen_;
        session_.SaveDurability = durability_;
    }
    BatchSaving(const BatchSaving&) = delete;
    BatchSaving& operator=(const BatchSaving&) = delete;

private:
    Session& session_;
    bool was_frozen_;
    Durability durability_;
};

// One run over a folder: what it needs besides the session, and what it collects.
struct Run {
    Session& session;
    BatchKind kind;
    std::chrono::sys_days today;
    std::vector<ShipType> types;
    std::vector<IndexedDesign> site;
    std::vector<std::string> errors;
    int saved = 0;

    bool Web() const { return kind == BatchKind::ResaveAndWeb; }
    // When nothing could be saved (a full disk) the old index pages are left
    // as they were rather than replaced by a site without those designs.
    bool IndexWanted(int files) const { return Web() && (saved > 0 || files == 0); }

    void Process(const std::string& path);
    void KeepOldEntry(const std::string& path);
    void FileUnderType(const std::string& path, const std::string& page);
};

void Run::Process(const std::string& path) {
    const Status loaded = LoadDesign(session, path);
    if (!loaded) {
        errors.push_back(Shown(path) +
                         " - skipped: " + Shown(ReasonAfterPath(path, loaded.message())));
        return;
    }
    Design& design = session.design;
    Recalculate(design, session.catalog->Features(), RecalcSection::All);
    if (design.DesignValid() == 0) {
        errors.push_back(Shown(path) + (Web() ? " - design error somewhere!" : " - error"));
        for (const std::string& problem : design.Problems) {
            errors.push_back(kProblemIndent + problem);
        }
    }
    const Status written = SaveDesign(session, path, today);
    if (!written) {
        errors.push_back(Shown(path) + " - not saved: " + Shown(written.message()));
        if (Web()) {
            KeepOldEntry(path);
        }
        return;
    }
    ++saved;
    if (Web()) {
        FileUnderType(path, std::filesystem::path(session.LastPagePath).filename().string());
    }
}

// A design that could not be saved keeps its place on the contents page as
// long as the page an earlier run made of it is still there, filed by the
// name and type it was read with.
void Run::KeepOldEntry(const std::string& path) {
    const std::filesystem::path page = HtmlPagePath(path);
    std::error_code error;
    if (std::filesystem::is_regular_file(page, error)) {
        FileUnderType(path, page.filename().string());
    }
}

// Files the design under its ship type for the contents page, linked to `page`.
void Run::FileUnderType(const std::string& path, const std::string& page) {
    if (page == kFramesetPageName || page == kContentsPageName) {
        errors.push_back(Shown(path) + " - its page " + page +
                         " is replaced by the web index; rename the design to list it");
        return;
    }
    const ComponentRecord& type_slot = session.design.Slots[Slot::ShipType];
    const int type = MatchShipType(types, type_slot.IDNUM, type_slot.LABEL);
    if (type == 0) {
        errors.push_back(Shown(path) + " - can't match category");
    }
    site.push_back({page, session.design.ShipName(), type});
}

}  // namespace

std::string ProgressText(const BatchProgress& progress) {
    return Shown(progress.path) + " " + std::to_string(progress.done) + " of " +
           std::to_string(progress.total);
}

Result<std::vector<std::string>> ListDesignFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (const std::filesystem::directory_iterator end; !error && entry != end;
         entry.increment(error)) {
        std::error_code kind_error;
        const std::string name = entry->path().filename().string();
        if (IsDesignFileName(name) && entry->is_regular_file(kind_error)) {
            names.push_back(name);
        }
    }
    if (error) {
        return Error{folder.string() + ": the folder cannot be read (" + error.message() + ")"};
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
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
                              std::chrono::sys_days today, const BatchProgressCallback& progress) {
    WithTrailingSeparator(folder);
    const Result<std::vector<std::string>> listed = ListDesignFiles(folder);
    if (!listed) {
        return Error{listed.message()};
    }
    const std::vector<std::string>& names = listed.value();
    Run run{session, kind, today, {}, {}, {}};
    RemoveStaleTemporariesIn(folder);
    {
        const BatchSaving batch_saving(session);
        if (run.Web()) {
            run.types = ReadShipTypes(session.catalog->Features());
        }
        const int total = static_cast<int>(names.size());
        for (int i = 0; i < total; ++i) {
            const std::string path = folder + names[static_cast<std::size_t>(i)];
            run.Process(path);
            if (progress) {
                progress({path, i + 1, total});
            }
        }
        if (run.IndexWanted(total)) {
            const Status written =
                WriteWebIndex(folder, run.types, run.site, Durability::FolderAtEnd);
            if (!written) {
                run.errors.push_back(Shown(written.message()));
            }
        }
    }
    const Status synced = SyncFolder(folder);
    if (!synced) {
        run.errors.push_back(Shown(synced.message()));
    }
    return BatchOutcome{static_cast<int>(names.size()), std::move(run.errors)};
}

}  // namespace korvane
