#include "app/session.h"

#include <system_error>

#include "files/catalog_files.h"
#include "model/standard_catalog.h"

namespace korvane {

std::filesystem::path Session::CatalogPath() const {
    return std::filesystem::path(CatalogDir) / kCatalogFileName;
}

Status OpenCatalog(Session& session, const ConfigurationPlaces& places) {
    session.CatalogInUse = false;
    auto folder = ResolveCatalogDir(places);
    if (!folder) {
        return folder.status();
    }
    session.CatalogDir = folder->path;
    session.CatalogDirNotice = folder->notice;
    const std::filesystem::path file = session.CatalogPath();
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return RecreateStandardCatalog(session);
    }
    auto store = CatalogStore::Open(file, &session.CatalogInUse);
    if (!store) {
        if (session.CatalogInUse) {
            return store.status();
        }
        return Error{store.message() +
                     ".\nMove the file aside or recreate the standard catalog there."};
    }
    session.catalog = std::move(*store);
    return {};
}

Status RecreateStandardCatalog(Session& session) {
    if (session.catalog) {
        session.catalog->Close();
        session.catalog.reset();
    }
    const std::filesystem::path file = session.CatalogPath();
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (CatalogLeftoversPresent(file)) {
        const Status moved = MoveCatalogAside(file, CatalogAsidePath(file));
        if (!moved) {
            return moved;
        }
    }
    const Status created = CreateCatalogFile(file, StandardCatalogRows());
    if (!created) {
        return created;
    }
    auto store = CatalogStore::Open(file);
    if (!store) {
        return store.status();
    }
    session.catalog = std::move(*store);
    return {};
}

}  // namespace korvane
