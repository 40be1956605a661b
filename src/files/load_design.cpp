#include "files/load_design.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "files/design_file.h"
#include "files/recent_files.h"

namespace korvane {

Status LoadDesignFile(Session& session, const std::string& path) {
    const Status read = ReadDesignFile(path, session.design);
    if (!read) {
        return read;
    }
    session.CurrentDesignPath = path;
    if (!session.RecentListFrozen) {
        // The design is loaded even when the catalog cannot record it among the
        // recent files (a read-only catalog): that list is a convenience only.
        RememberRecentFile(*session.catalog, path).ok();
    }
    Recalculate(session.design, session.catalog->Features(), RecalcSection::All);
    MarkSaved(session.design);
    return {};
}

Status LoadDesign(Session& session, LoadMode mode, Prompter& prompter) {
    if (mode == LoadMode::CurrentPath) {
        if (session.CurrentDesignPath.empty()) {
            return Error{"No design file to load"};
        }
        return LoadDesignFile(session, session.CurrentDesignPath);
    }
    std::error_code error;
    const FileDialogRequest request{"Load Design", "Design files", "*.k2d", "*.k2d",
                                    std::filesystem::current_path(error).string()};
    const std::optional<std::string> chosen = prompter.AskOpenFile(request);
    if (!chosen || chosen->empty()) {
        return {};
    }
    return LoadDesignFile(session, *chosen);
}

}  // namespace korvane
