#include "cli/cli_session.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "app/load_design.h"
#include "app/new_design.h"
#include "cli/exit_codes.h"
#include "cli/terminal_text.h"

namespace korvane::cli {

bool OpenConfiguredCatalog(Session& session, std::ostream& err) {
    const Status opened = OpenCatalog(session, ConfigurationPlacesFromEnvironment());
    if (!session.CatalogDirNotice.empty()) {
        err << TerminalMessage(session.CatalogDirNotice) << '\n';
    }
    if (!opened) {
        err << TerminalMessage(opened.message()) << '\n';
        return false;
    }
    return true;
}

int OpenFailureCode(const Session& session) {
    return session.CatalogInUse ? kCatalogInUse : kFileError;
}

std::string AbsolutePath(const std::string& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.string();
}

void PrintWarning(const std::string& warning, std::ostream& err) {
    if (!warning.empty()) {
        err << TerminalMessage(warning) << '\n';
    }
}

bool OpenDesign(Session& session, const std::string& file, std::ostream& err) {
    if (!OpenConfiguredCatalog(session, err)) {
        return false;
    }
    NewDesign(session.design, session.catalog->Features());
    // Showing a design is no edit of it: only the program's loads and the saves
    // record a recent file.
    session.RecentListFrozen = true;
    const Status loaded = LoadDesign(session, AbsolutePath(file));
    if (!loaded) {
        err << TerminalMessage(loaded.message()) << '\n';
        return false;
    }
    return true;
}

}  // namespace korvane::cli
