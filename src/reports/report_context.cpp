#include "reports/report_context.h"

#include <charconv>
#include <cstdlib>
#include <sstream>

#include "files/companion_files.h"
#include "files/folder_links.h"
#include "files/regular_file.h"
#include "model/cp1252.h"

namespace korvane {

std::chrono::sys_days Today() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        long long seconds = 0;
        const std::string_view text(epoch);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (error == std::errc() && end == text.data() + text.size()) {
            return std::chrono::floor<std::chrono::days>(
                std::chrono::sys_seconds(std::chrono::seconds(seconds)));
        }
    }
    return std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
}

std::optional<std::vector<std::string>> ReadNotes(const std::filesystem::path& notes_file) {
    // Far more than anyone writes as notes; a named pipe is not waited on.
    constexpr std::uintmax_t kLargestNotesFile = 64 << 20;
    const Result<std::string> read = ReadRegularFile(notes_file, "notes file", kLargestNotesFile);
    if (!read) {
        return std::nullopt;
    }
    const std::string& content = read.value();
    // A notes file written by a UTF-8 editor is converted; older files in the
    // reports' own code page are taken as they are.
    std::istringstream text(IsUtf8(content) ? Cp1252FromUtf8(content) : content);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

ReportContext ReportContextFor(std::string_view design_path, std::chrono::sys_days today) {
    return ReportContextWithNotes(FindNotesFile(design_path), today);
}

ReportContext ReportContextWithNotes(const std::optional<std::filesystem::path>& notes_file,
                                     std::chrono::sys_days today) {
    ReportContext context;
    context.today = today;
    if (notes_file) {
        const Status inside = CheckLinkStaysInFolder(*notes_file);
        if (inside) {
            context.notes = ReadNotes(*notes_file);
        } else {
            context.notes_problem =
                inside.message() + "; the notes are left out of the profile and the page";
        }
    }
    return context;
}

}  // namespace korvane
