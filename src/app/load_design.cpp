#include "app/load_design.h"

#include <functional>

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "files/design_file.h"
#include "files/recent_files.h"

namespace korvane {

namespace {

// Makes the design just read, from the file at `path` stamped `stamp`, the
// session's current design.
void TakeLoaded(Session& session, const std::string& path, const FileStamp& stamp) {
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
}

}  // namespace

Status LoadDesign(Session& session, const std::string& path) {
    FileStamp stamp;
    const Status read = ReadDesignFileOnto(path, session.design, session.design, &stamp);
    if (!read) {
        return read;
    }
    TakeLoaded(session, path, stamp);
    return {};
}

Status LoadDesignOnto(Session& session, const OpenedFolder& folder, std::string_view name,
                      const Design& start) {
    FileStamp stamp;
    const Status read = ReadDesignFileOnto(folder, name, start, session.design, &stamp);
    if (!read) {
        return read;
    }
    TakeLoaded(session, folder.PathOf(name).string(), stamp);
    return {};
}

namespace {

// The new design, read over by `read`, recalculated once.
Status LoadCopy(Catalog& catalog, Design& design, const std::function<Status(Design&)>& read) {
    Design loaded;
    NewDesign(loaded, catalog);
    const Status status = read(loaded);
    if (!status) {
        return status;
    }
    Recalculate(loaded, catalog);
    MarkSaved(loaded);
    design = std::move(loaded);
    return {};
}

}  // namespace

Status LoadDesignCopy(Catalog& catalog, const std::string& path, Design& design) {
    return LoadCopy(catalog, design,
                    [&path](Design& loaded) { return ReadDesignFile(path, loaded); });
}

Status LoadDesignCopy(Catalog& catalog, std::istream& in, std::string_view source_name,
                      Design& design) {
    return LoadCopy(catalog, design,
                    [&](Design& loaded) { return ReadDesign(in, source_name, loaded); });
}

}  // namespace korvane
