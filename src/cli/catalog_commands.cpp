#include "cli/catalog_commands.h"

#include <algorithm>
#include <iomanip>
#include <map>
#include <ostream>
#include <sstream>
#include <vector>

#include "cli/cli_session.h"
#include "cli/exit_codes.h"
#include "cli/output_checks.h"
#include "cli/terminal_text.h"
#include "files/catalog_files.h"
#include "files/regular_file.h"
#include "model/catalog_check.h"
#include "model/catalog_csv.h"
#include "model/catalog_values.h"
#include "model/cp1252.h"
#include "model/text_helpers.h"

namespace korvane::cli {

namespace {

std::string Shown(const std::string& bytes) {
    std::string text = bytes;
    std::replace(text.begin(), text.end(), '\0', ' ');
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return TerminalLine(text);
}

bool IsCsv(const std::string& file) {
    return LowerCase(std::filesystem::path(file).extension().string()) == ".csv";
}

// Far more than any catalog holds.
constexpr std::uintmax_t kLargestCsvFile = 64 << 20;

Result<std::vector<ComponentRecord>> ReadCsvRows(const std::string& file) {
    const Result<std::string> text = ReadRegularFile(file, "catalog file", kLargestCsvFile);
    if (!text) {
        return Error{text.message()};
    }
    std::istringstream in(text.value());
    return ReadCatalogCsv(in, file);
}

Result<std::vector<ComponentRecord>> ReadRows(const std::string& file) {
    return IsCsv(file) ? ReadCsvRows(file) : ReadCatalogFileRows(file);
}

int ReportProblems(const std::vector<std::string>& problems, const std::string& source,
                   std::ostream& out) {
    if (problems.empty()) {
        out << TerminalName(source) << ": the catalog is sound\n";
        return kDone;
    }
    out << TerminalName(source) << ": " << problems.size()
        << (problems.size() == 1 ? " problem" : " problems") << '\n';
    for (const std::string& problem : problems) {
        out << "  " << TerminalMessage(problem) << '\n';
    }
    return kProblemsFound;
}

// An earlier export, which a new one may replace: it starts with the header
// an export writes (after the byte-order mark a spreadsheet may add).
bool IsCatalogExport(const std::string& content) {
    std::ostringstream header;
    WriteCatalogCsv(header, {});
    std::string_view text(content);
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::string_view expected = header.view();
    expected.remove_suffix(1);  // the line end, which an editor may have changed
    return text.starts_with(expected);
}

}  // namespace

int RunCatalogSummary(std::ostream& out, std::ostream& err) {
    Session session;
    if (!OpenConfiguredCatalog(session, err)) {
        return OpenFailureCode(session);
    }
    const auto& rows = session.catalog->Features().Rows();
    std::map<std::string, int> counts;
    for (const ComponentRecord& row : rows) {
        ++counts[Shown(row.TABLE.str())];
    }
    out << AppTitle() << '\n'
        << "Catalog: " << TerminalName(session.CatalogPath().string()) << '\n'
        << "Rows per family:\n";
    for (const auto& [family, count] : counts) {
        out << "  " << std::left << std::setw(4) << family << std::right << std::setw(5) << count
            << '\n';
    }
    out << "Total: " << rows.size() << " rows\n";
    return kDone;
}

int RunCatalogCheck(const std::string& file, std::ostream& out, std::ostream& err) {
    if (file.empty()) {
        Session session;
        if (!OpenConfiguredCatalog(session, err)) {
            return OpenFailureCode(session);
        }
        return ReportProblems(CheckCatalog(session.catalog->Features().Rows()),
                              session.CatalogPath().string(), out);
    }
    auto rows = ReadRows(file);
    if (!rows) {
        err << TerminalMessage(rows.message()) << '\n';
        return kFileError;
    }
    return ReportProblems(CheckCatalog(*rows), file, out);
}

int RunCatalogList(const std::string& family, std::ostream& out, std::ostream& err) {
    Session session;
    if (!OpenConfiguredCatalog(session, err)) {
        return OpenFailureCode(session);
    }
    const std::string table = Cp1252FromUtf8(family);
    int listed = 0;
    for (const ComponentRecord& row : session.catalog->Features().Rows()) {
        if (row.TABLE.trimmed() != table) {
            continue;
        }
        if (listed++ == 0) {
            out << std::right << std::setw(5) << "id"
                << "  " << std::left << std::setw(20) << "LABEL"
                << " USP   TL" << std::right << std::setw(12) << "KL" << std::setw(12) << "TONS"
                << std::setw(12) << "MW" << std::setw(14) << "CR" << '\n';
        }
        const std::string label = Shown(row.LABEL.str());
        out << std::right << std::setw(5) << row.IDNUM << "  " << label
            << std::string(label.size() < 20 ? 20 - label.size() : 0, ' ') << "  " << std::left
            << std::setw(2) << Shown(row.USP.str()) << std::right << std::setw(5) << row.TL
            << std::setw(12) << ExactNumberText(row.KL) << std::setw(12)
            << ExactNumberText(row.TONS) << std::setw(12) << ExactNumberText(row.MW)
            << std::setw(14) << ExactNumberText(row.CR) << '\n';
    }
    if (listed == 0) {
        err << "The catalog has no rows of the family \"" << TerminalName(family) << "\"\n";
        return kProblemsFound;
    }
    return kDone;
}

int RunCatalogExport(const std::string& file, bool force, std::ostream& out, std::ostream& err) {
    Session session;
    if (!OpenConfiguredCatalog(session, err)) {
        return OpenFailureCode(session);
    }
    std::optional<std::string> refused = SameFileAsInput(file, {session.CatalogPath()});
    if (!refused && !force) {
        refused = ExistingOfAnotherKind(file, IsCatalogExport);
    }
    if (refused) {
        err << TerminalMessage(*refused) << '\n';
        return kUsageError;
    }
    const auto& rows = session.catalog->Features().Rows();
    const Status written = WriteCatalogCsvFile(file, rows);
    if (!written) {
        err << TerminalMessage(written.message()) << '\n';
        return kFileError;
    }
    out << "Wrote " << rows.size() << " rows to " << TerminalName(file) << '\n';
    return kDone;
}

int RunCatalogImport(const std::string& file, std::ostream& out, std::ostream& err) {
    auto rows = ReadCsvRows(file);
    if (!rows) {
        err << TerminalMessage(rows.message()) << '\n';
        return kFileError;
    }
    const std::vector<std::string> problems = CheckCatalog(*rows);
    if (!problems.empty()) {
        ReportProblems(problems, file, err);
        err << "Nothing was imported.\n";
        return kProblemsFound;
    }
    Session session;
    if (!OpenConfiguredCatalog(session, err)) {
        return OpenFailureCode(session);
    }
    bool in_use = false;
    const Status replaced = session.catalog->ReplaceFeatures(*rows, &in_use);
    if (!replaced) {
        err << TerminalMessage(replaced.message()) << '\n';
        return in_use ? kCatalogInUse : kFileError;
    }
    out << "Imported " << rows->size() << " rows into "
        << TerminalName(session.CatalogPath().string()) << '\n';
    return kDone;
}

}  // namespace korvane::cli
