#include <CLI/CLI.hpp>

#include <csignal>
#include <iostream>
#include <string>

#include <unistd.h>

#include "app/session.h"
#include "cli/batch_commands.h"
#include "cli/catalog_commands.h"
#include "cli/design_commands.h"
#include "cli/diff_command.h"
#include "cli/exit_codes.h"
#include "cli/print_commands.h"
#include "cli/report_commands.h"
#include "cli/terminal_text.h"

namespace {

using namespace korvane::cli;

int Run(int argc, char** argv) {
    CLI::App app{korvane::AppTitle() + " — starship designs from the command line", "korvane-cli"};
    app.set_version_flag("--version", korvane::AppTitle());
    app.require_subcommand(0, 1);
    // A usage error quotes the words it could not place, which may be hostile file names.
    app.failure_message([](const CLI::App* failed, const CLI::Error& error) {
        return TerminalMessage(CLI::FailureMessage::simple(failed, error));
    });

    auto* catalog =
        app.add_subcommand("catalog", "Check, list, export or import the component catalog");
    catalog->require_subcommand(1);
    // An unset variable ("$DIR") must not name the current or the root folder.
    const CLI::Validator named(
        [](const std::string& value) {
            return value.empty() ? std::string("an empty path names no file") : std::string();
        },
        "", "named");

    std::string check_file;
    auto* check = catalog->add_subcommand("check",
                                          "Validate a catalog (.csv or catalog database); "
                                          "the configured one when no file is given");
    check->add_option("FILE", check_file, "Catalog to check")->check(named);
    std::string family;
    auto* list = catalog->add_subcommand("list", "List the rows of one family");
    list->add_option("FAMILY", family, "Two-letter family code, such as PP or TR")->required();
    std::string export_file;
    auto* export_command = catalog->add_subcommand("export", "Write the catalog's rows as CSV");
    export_command->add_option("FILE", export_file, "CSV file to write")->required()->check(named);
    std::string import_file;
    bool export_force = false;
    export_command->add_flag("--force", export_force,
                             "Replace an existing file that is not an earlier export");
    auto* import_command = catalog->add_subcommand(
        "import", "Replace the catalog's rows with a CSV file's, once it passes the check");
    import_command->add_option("FILE", import_file, "CSV file to read")->required()->check(named);

    std::string new_file;
    auto* new_command = app.add_subcommand(
        "new", "Save the default new design as a design file, with its profile file and page");
    new_command->add_option("OUT", new_file, "Design file to write (.k2d)")
        ->required()
        ->check(named);
    bool new_force = false;
    new_command->add_flag("--force", new_force, "Replace an existing file");
    std::string show_file;
    bool show_json = false;
    auto* show =
        app.add_subcommand("show", "Load a design and print its totals, profile code and problems");
    show->add_flag("--json", show_json, "Print one JSON object instead");
    show->add_option("FILE", show_file, "Design file (.k2d)")->required()->check(named);

    std::string diff_first;
    std::string diff_second;
    bool diff_json = false;
    auto* diff = app.add_subcommand(
        "diff",
        "Load two designs and print what differs: totals, profile codes, problems and every "
        "slot and entry, field by field (exit 0 when the same, 1 when they differ)");
    diff->add_flag("--json", diff_json, "Print one JSON object instead");
    diff->add_option("A", diff_first, "First design file (.k2d)")->required()->check(named);
    diff->add_option("B", diff_second, "Second design file (.k2d)")->required()->check(named);

    std::string design_file;
    auto* profile = app.add_subcommand("profile", "Load a design and print its profile text");
    profile->add_option("FILE", design_file, "Design file (.k2d)")->required()->check(named);
    auto* html = app.add_subcommand("html", "Load a design and print its HTML page");
    html->add_option("FILE", design_file, "Design file (.k2d)")->required()->check(named);
    auto* features = app.add_subcommand("features", "Load a design and print its feature list");
    features->add_option("FILE", design_file, "Design file (.k2d)")->required()->check(named);
    auto* resave = app.add_subcommand(
        "resave", "Load a design, recalculate it and save it again with its profile file and page");
    resave->add_option("FILE", design_file, "Design file (.k2d)")->required()->check(named);

    std::string batch_folder;
    bool batch_web = false;
    auto* batch = app.add_subcommand(
        "batch", "Load, recalculate and save every design of a folder; print the error list");
    batch->add_flag("--web", batch_web, "Also write the web index pages (index.htm, index1.htm)");
    batch->add_option("DIR", batch_folder, "Folder of design files (.k2d)")
        ->required()
        ->check(named);
    int batch_jobs = DefaultBatchJobs();
    batch
        ->add_option("--jobs", batch_jobs,
                     "Designs processed at once (default: the number of processors)")
        ->check(CLI::Range(1, kMostBatchJobs));

    std::string pdf_file;
    auto* print = app.add_subcommand(
        "print", "Load a design and write its printed profile, as \"Posh Print!\" prints it");
    print->add_option("--pdf", pdf_file, "PDF file to write")->required()->check(named);
    print->add_option("FILE", design_file, "Design file (.k2d)")->required()->check(named);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kDone : kUsageError;
    }

    if (check->parsed()) {
        return RunCatalogCheck(check_file, std::cout, std::cerr);
    }
    if (list->parsed()) {
        return RunCatalogList(family, std::cout, std::cerr);
    }
    if (export_command->parsed()) {
        return RunCatalogExport(export_file, export_force, std::cout, std::cerr);
    }
    if (import_command->parsed()) {
        return RunCatalogImport(import_file, std::cout, std::cerr);
    }
    if (new_command->parsed()) {
        return RunNew(new_file, new_force, std::cout, std::cerr);
    }
    if (show->parsed()) {
        return RunShow(show_file, show_json, std::cout, std::cerr);
    }
    if (diff->parsed()) {
        return RunDiff(diff_first, diff_second, diff_json, std::cout, std::cerr);
    }
    if (profile->parsed()) {
        return RunProfile(design_file, std::cout, std::cerr);
    }
    if (html->parsed()) {
        return RunHtml(design_file, std::cout, std::cerr);
    }
    if (features->parsed()) {
        return RunFeatures(design_file, std::cout, std::cerr);
    }
    if (resave->parsed()) {
        return RunResave(design_file, std::cout, std::cerr);
    }
    if (batch->parsed()) {
        return RunBatchCommand(batch_folder, batch_web, batch_jobs, ::isatty(STDERR_FILENO) == 1,
                               std::cout, std::cerr);
    }
    if (print->parsed()) {
        return RunPrintPdf(pdf_file, design_file, std::cout, std::cerr);
    }
    return RunCatalogSummary(std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit (ulimit -f, a quota) then fails the write, which is
    // reported, instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "korvane-cli: " << TerminalMessage(e.what()) << '\n';
        return kFileError;
    }
}
