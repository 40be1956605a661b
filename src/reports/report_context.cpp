#include "reports/report_context.h"

#include <charconv>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "files/companion_files.h"
#include "files/opened_folder.h"
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

namespace {

// The lines of the notes file `name` of `folder`, or no value when it cannot be read.
std::optional<std::vector<std::string>> ReadNotes(const OpenedFolder& folder,
                                                  std::string_view name) {
    // Far more than anyone writes as notes; a named pipe is not waited on.
    constexpr std::uintmax_t kLargestNotesFile = 64 << 20;
    const Result<std::string> read =
        ReadRegularFileIn(folder, name, "notes file", kLargestNotesFile);
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

}  // namespace

ReportContext ReportContextFor(std::string_view design_path, std::chrono::sys_days today) {
    return ReportContextWithNotes(FindNotesFile(design_path), today);
}

ReportContext ReportContextWithNotes(const std::optional<std::filesystem::path>& notes_file,
                                     std::chrono::sys_days today) {
    if (!notes_file) {
        return ReportContextWithNotes(nullptr, std::nullopt, today);
    }
    // A notes file whose folder cannot be opened cannot be read either.
    const Result<std::shared_ptr<const OpenedFolder>> folder =
        OpenedFolder::Open(notes_file->parent_path());
    return ReportContextWithNotes(folder ? folder.value().get() : nullptr,
                                  notes_file->filename().string(), today);
}

ReportContext ReportContextWithNotes(const OpenedFolder* folder,
                                     const std::optional<std::string>& notes_name,
                                     std::chrono::sys_days today) {
    ReportContext context;
    context.today = today;
    if (folder != nullptr && notes_name) {
        const Result<std::string> final_name = folder->FinalName(*notes_name);
        if (final_name) {
            context.notes = ReadNotes(*folder, *notes_name);
        } else {
            context.notes_problem =
                final_name.message() + "; the notes are left out of the profile and the page";
        }
    }
    return context;
}

}  // namespace korvane
