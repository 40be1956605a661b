#include "ui/startup.h"

#include <filesystem>
#include <system_error>

#include "app/load_design.h"
#include "app/new_design.h"
#include "model/cp1252.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"

namespace korvane::ui {

namespace {

// A free name beside the catalog file for keeping an unreadable one:
// "korva.db.broken", "korva.db.broken2", …
std::filesystem::path KeepAsidePath(const std::filesystem::path& file) {
    std::filesystem::path kept = file.string() + ".broken";
    std::error_code error;
    for (int n = 2; std::filesystem::exists(kept, error); ++n) {
        kept = file.string() + ".broken" + std::to_string(n);
    }
    return kept;
}

// Offers to replace an unreadable catalog with the standard one; true when the
// session has an open catalog afterwards.
bool OfferStandardCatalog(Session& session, Prompter& prompter, const std::string& failure) {
    const std::filesystem::path file = session.CatalogPath();
    const std::filesystem::path kept = KeepAsidePath(file);
    const std::string question = failure + NewLine + NewLine + "Recreate the standard catalog as " +
                                 file.string() + "? The unreadable file is kept as " +
                                 kept.string() + ". No ends the program.";
    if (!prompter.AskYesNo(AppTitle(), Cp1252FromUtf8(question), MessageIcon::Critical)) {
        return false;
    }
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        std::filesystem::rename(file, kept, error);
        if (error) {
            prompter.ShowMessage(
                AppTitle(),
                Cp1252FromUtf8(file.string() + ": cannot be moved aside: " + error.message()),
                MessageIcon::Critical);
            return false;
        }
    }
    const Status recreated = RecreateStandardCatalog(session);
    if (!recreated) {
        prompter.ShowMessage(AppTitle(), Cp1252FromUtf8(recreated.message()),
                             MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace

bool StartSession(Session& session, Prompter& prompter, DesignEvents& events,
                  const ConfigurationPlaces& places) {
    const Status opened = OpenCatalog(session, places);
    if (!session.CatalogDirNotice.empty()) {
        prompter.ShowMessage(AppTitle(), Cp1252FromUtf8(session.CatalogDirNotice),
                             MessageIcon::Warning);
    }
    if (!opened) {
        // Without a catalog folder (the configuration could not be read or
        // written) there is nowhere to put a new catalog.
        if (session.CatalogDir.empty()) {
            prompter.ShowMessage(AppTitle(), Cp1252FromUtf8(opened.message()),
                                 MessageIcon::Critical);
            return false;
        }
        if (!OfferStandardCatalog(session, prompter, opened.message())) {
            return false;
        }
    }
    InitRuleTables();
    NewDesign(session.design, session.catalog->Features());
    events.DesignChanged();
    return true;
}

void LoadCommandLineDesign(Session& session, Prompter& prompter, DesignEvents& events,
                           const std::vector<std::string>& arguments) {
    std::string command_line;
    for (const std::string& argument : arguments) {
        command_line += (command_line.empty() ? "" : " ") + argument;
    }
    command_line = Trimmed(command_line);
    if (command_line.empty()) {
        return;
    }
    // A file that fails leaves the new design without a path, so that it is
    // never resaved over that file.
    // Made absolute at once: the recent files must name it from any folder.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(command_line, error);
    const Status loaded = LoadDesign(session, error ? command_line : absolute.string());
    if (!loaded) {
        prompter.ShowMessage(AppTitle(), Cp1252FromUtf8(loaded.message()), MessageIcon::Critical);
    }
    events.DesignChanged();
}

}  // namespace korvane::ui
