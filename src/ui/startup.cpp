#include "ui/startup.h"

#include <filesystem>
#include <system_error>

#include "files/catalog_files.h"
#include "model/cp1252.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"

namespace korvane::ui {

namespace {

// Offers to replace an unreadable catalog with the standard one; true when the
// session has an open catalog afterwards.
bool OfferStandardCatalog(Session& session, Prompter& prompter, const std::string& failure) {
    const std::filesystem::path file = session.CatalogPath();
    const std::filesystem::path kept = CatalogAsidePath(file);
    const std::string question = failure + NewLine + NewLine + "Recreate the standard catalog as " +
                                 file.string() + "? The unreadable file is kept as " +
                                 kept.string() + ". No ends the program.";
    if (!prompter.AskYesNo(AppTitle(), Cp1252FromUtf8(question), MessageIcon::Critical)) {
        return false;
    }
    const Status moved = MoveCatalogAside(file, kept);
    if (!moved) {
        prompter.ShowMessage(AppTitle(), Cp1252FromUtf8(moved.message()), MessageIcon::Critical);
        return false;
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

bool StartSession(Session& session, Prompter& prompter, DesignDocument& document,
                  const ConfigurationPlaces& places) {
    Status opened = OpenCatalog(session, places);
    // Another program's write holds the catalog for a moment: wait for it as
    // long as the user likes, but never take the file for a broken one.
    while (!opened && session.CatalogInUse) {
        const std::string question =
            opened.message() + NewLine + NewLine + "Retry? No ends the program.";
        if (!prompter.AskYesNo(AppTitle(), Cp1252FromUtf8(question), MessageIcon::Warning)) {
            return false;
        }
        opened = OpenCatalog(session, places);
    }
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
    document.MakeNew();
    return true;
}

void LoadCommandLineDesign(Prompter& prompter, DesignDocument& document,
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
    const Status loaded = document.Load(error ? command_line : absolute.string());
    if (!loaded) {
        prompter.ShowMessage(AppTitle(), Cp1252FromUtf8(loaded.message()), MessageIcon::Critical);
    }
}

}  // namespace korvane::ui
