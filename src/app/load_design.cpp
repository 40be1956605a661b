#include "app/load_design.h"

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "files/design_file.h"
#include "files/recent_files.h"

namespace korvane {

Status LoadDesign(Session& session, const std::string& path) {
    return LoadDesignOnto(session, path, session.design);
}

Status LoadDesignOnto(Session& session, const std::string& path, const Design& start) {
    FileStamp stamp;
    const Status read = ReadDesignFileOnto(path, start, session.design, &stamp);
    if (!read) {
        return read;
    }
    session.CurrentDesignPath = path;
    session.CurrentDesignStamp = stamp;
    session.RecentFileProblem.clear();
    if (!session.RecentListFrozen) {
        // The design is loaded even when the catalog cannot record it among the
        // recent files (a read-only catalog); the caller tells the user.
        const Status recorded = RememberRecentFile(*session.catalog, path);
        if (!recorded) {
            session.RecentFileProblem = recorded.message();
        }
    }
    Recalculate(session.design, session.catalog->Features());
    MarkSaved(session.design);
    return {};
}

Status LoadDesignCopy(Catalog& catalog, const std::string& path, Design& design) {
    Design loaded;
    NewDesign(loaded, catalog);
    const Status read = ReadDesignFile(path, loaded);
    if (!read) {
        return read;
    }
    Recalculate(loaded, catalog);
    MarkSaved(loaded);
    design = std::move(loaded);
    return {};
}

}  // namespace korvane
