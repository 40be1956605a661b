#include "app/load_design.h"

#include <functional>
#include <sstream>
#include <string>

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "files/design_file.h"
#include "files/recent_files.h"
#include "model/bitwise_equal.h"

namespace korvane {

namespace {

// As many rounds as the recalculation's own settling may take.
constexpr int kMostSettlingRounds = 20;

std::string FileText(const Design& design) {
    std::ostringstream out;
    WriteDesign(out, design);
    return out.str();
}

}  // namespace

void SettleAsWritten(Design& design, Catalog& catalog) {
    for (int round = 0; round < kMostSettlingRounds; ++round) {
        const std::string written = FileText(design);
        Design again = design;
        std::istringstream in(written);
        if (!ReadDesign(in, "", again) || BitwiseEqual(again, design)) {
            return;  // the file holds the design to the last bit
        }
        Recalculate(again, catalog);
        if (FileText(again) == written) {
            return;
        }
        design = std::move(again);
    }
}

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
    SettleAsWritten(session.design, session.catalog->Features());
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
    SettleAsWritten(loaded, catalog);
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
