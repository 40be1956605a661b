#include "cli/cli_session.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace korvane::cli {

bool OpenConfiguredCatalog(Session& session, std::ostream& err) {
    std::error_code error;
    const std::filesystem::path current_folder = std::filesystem::current_path(error);
    const Status opened =
        OpenCatalog(session, ConfigurationPlacesFromEnvironment(), current_folder);
    if (!opened) {
        err << opened.message() << '\n';
        return false;
    }
    return true;
}

}  // namespace korvane::cli
