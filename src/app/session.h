#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

#include "app/configuration.h"
#include "files/atomic_write.h"
#include "files/regular_file.h"
#include "model/catalog_store.h"
#include "model/design.h"
#include "model/program_identity.h"
#include "model/result.h"

namespace korvane {

// What the running program holds: the open catalog and the one current design.
struct Session {
    std::string CatalogDir;        // ends in a separator
    std::string CatalogDirNotice;  // why CatalogDir is not the configured folder, when it is not
    std::unique_ptr<CatalogStore> catalog;
    // Set when the last OpenCatalog failed because another program holds the
    // catalog locked: a sound file, to be tried again, never recreated.
    bool CatalogInUse = false;
    Design design;
    std::string CurrentDesignPath;  // the design file last loaded or saved
    // That file as it was when this program last read or wrote it: a save over
    // it checks that nobody else has written it since.
    std::optional<FileStamp> CurrentDesignStamp;
    std::string NotesFileName;      // the notes file of the design last saved
    std::string LastPagePath;       // the HTML page of the design last saved
    bool RecentListFrozen = false;  // set while a batch run loads and saves many files
    // Why the last load or save could not record its file among the recent
    // files; empty when it could. The file itself was loaded or saved.
    std::string RecentFileProblem;
    // Why the last save left the notes file out of the profile and the page
    // (a link out of the design's folder); empty when it did not.
    std::string NotesProblem;
    // How saves reach the disk; a batch run syncs its folder once at its end instead.
    Durability SaveDurability = Durability::EachFile;
    // Set while a batch run saves: the names of the notes files its folder held
    // when the run listed it, so that a design without one is not looked for.
    const std::unordered_set<std::string>* ListedNotesFiles = nullptr;

    std::filesystem::path CatalogPath() const;
};

// Finds the catalog through the configuration file and opens it. A missing
// catalog file is created from the standard catalog; one that cannot be read is
// reported with its path and the way out.
Status OpenCatalog(Session& session, const ConfigurationPlaces& places);

// Writes the standard catalog as the catalog file of the session's folder and
// opens it. Whatever of an old catalog is still there (the file, its journal
// or log) is moved aside first (CatalogAsidePath), so that nothing of it is
// replayed into the new one.
Status RecreateStandardCatalog(Session& session);

}  // namespace korvane
