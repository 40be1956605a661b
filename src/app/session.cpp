#include "app/session.h"

#include <charconv>
#include <system_error>

#include "model/standard_catalog.h"

namespace korvane {

float AppVersion() {
    return static_cast<float>(KORVANE_VERSION_MAJOR + KORVANE_VERSION_MINOR / 10.0 +
                              KORVANE_VERSION_PATCH / 100.0);
}

std::string AppTitle() {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, AppVersion());
    return "Korvane v" + std::string(buffer, result.ptr);
}

double AppVersionForReports() {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, AppVersion()).ptr;
    double version = 0;
    std::from_chars(buffer, end, version);
    return version;
}

std::filesystem::path Session::CatalogPath() const {
    return std::filesystem::path(CatalogDir) / kCatalogFileName;
}

Status OpenCatalog(Session& session, const ConfigurationPlaces& places) {
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
    auto store = CatalogStore::Open(file);
    if (!store) {
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
