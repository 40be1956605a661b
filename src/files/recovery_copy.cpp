#include "files/recovery_copy.h"

#include <charconv>
#include <cstdio>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>
#include <system_error>

#include "files/design_file.h"

namespace korvane {

namespace {

constexpr std::string_view kHeading = "Korvane recovery copy";
constexpr std::string_view kDesignEnding = ".k2d";
constexpr std::string_view kInfoEnding = ".info";
constexpr std::string_view kSetAsidePrefix = "broken-";
// A description is a few lines; anything much larger is no description.
constexpr std::uintmax_t kLargestInfo = 64 * 1024;

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::string IsoTime(std::chrono::sys_seconds time) {
    const auto day = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss clock(time - day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                  int(clock.minutes().count()), int(clock.seconds().count()));
    return text;
}

std::optional<std::chrono::sys_seconds> ReadIsoTime(const std::string& text) {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int length = 0;
    if (std::sscanf(text.c_str(), "%4d-%2u-%2uT%2d:%2d:%2dZ%n", &year, &month, &day, &hours,
                    &minutes, &seconds, &length) != 6 ||
        length != static_cast<int>(text.size())) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                           std::chrono::day(day)};
    if (!date.ok() || hours > 23 || minutes > 59 || seconds > 60) {
        return std::nullopt;
    }
    return std::chrono::sys_days(date) + std::chrono::hours(hours) + std::chrono::minutes(minutes) +
           std::chrono::seconds(seconds);
}

// Whole numbers separated by single blanks, exactly as many as `values` holds.
template <typename... Number>
bool ReadNumbers(std::string_view text, Number&... values) {
    bool good = true;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    std::size_t index = 0;
    const auto read = [&](auto& value) {
        if (!good || (index++ > 0 && (at == end || *at++ != ' '))) {
            good = false;
            return;
        }
        const auto [next, error] = std::from_chars(at, end, value);
        good = error == std::errc();
        at = next;
    };
    (read(values), ...);
    return good && at == end;
}

// The program a copy's file belongs to, when the name is one of a copy:
// "PID-START" followed by `ending`.
std::optional<ProcessIdentity> WriterInName(std::string_view name, std::string_view ending) {
    if (!name.ends_with(ending)) {
        return std::nullopt;
    }
    name.remove_suffix(ending.size());
    const std::size_t dash = name.find('-');
    ProcessIdentity writer;
    if (dash == std::string_view::npos ||
        !ReadNumbers(std::string(name.substr(0, dash)) + " " + std::string(name.substr(dash + 1)),
                     writer.pid, writer.start_ticks) ||
        writer.pid <= 0) {
        return std::nullopt;
    }
    return writer;
}

std::string NameOf(const ProcessIdentity& writer) {
    return std::to_string(writer.pid) + "-" + std::to_string(writer.start_ticks);
}

std::string NameIn(const std::filesystem::path& file) {
    return file.filename().string();
}

}  // namespace

void WriteRecoveryInfo(std::ostream& out, const RecoveryInfo& info) {
    out << kHeading << "\n";
    out << "Design=" << Escaped(info.design_path) << "\n";
    if (!info.ship_name.empty()) {
        out << "Ship=" << Escaped(info.ship_name) << "\n";
    }
    if (info.design_stamp) {
        const FileStamp& stamp = *info.design_stamp;
        out << "Read=" << stamp.device << " " << stamp.inode << " " << stamp.size << " "
            << stamp.modified_ns << "\n";
    }
    out << "Written=" << IsoTime(info.written) << "\n";
    out << "Process=" << info.writer.pid << " " << info.writer.start_ticks << "\n";
}

Result<RecoveryInfo> ReadRecoveryInfo(std::istream& in, std::string_view source_name) {
    const auto failure = [&](int line, std::string_view expected) {
        return Error{std::string(source_name) + ", line " + std::to_string(line) + ": expected " +
                     std::string(expected)};
    };
    std::string line;
    if (!std::getline(in, line) || line != kHeading) {
        return failure(1, "\"" + std::string(kHeading) + "\"");
    }
    RecoveryInfo info;
    bool has_design = false;
    bool has_written = false;
    bool has_writer = false;
    for (int number = 2; std::getline(in, line); ++number) {
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        if (key == "Design") {
            const std::optional<std::string> path = Unescaped(value);
            if (!path) {
                return failure(number, "a file name with \\\\, \\n or \\r after each backslash");
            }
            info.design_path = *path;
            has_design = true;
        } else if (key == "Ship") {
            const std::optional<std::string> ship = Unescaped(value);
            if (!ship) {
                return failure(number, "a ship's name with \\\\, \\n or \\r after each backslash");
            }
            info.ship_name = *ship;
        } else if (key == "Read") {
            FileStamp stamp;
            if (!ReadNumbers(value, stamp.device, stamp.inode, stamp.size, stamp.modified_ns)) {
                return failure(number, "the design file's device, inode, size and time");
            }
            info.design_stamp = stamp;
        } else if (key == "Written") {
            const std::optional<std::chrono::sys_seconds> written = ReadIsoTime(value);
            if (!written) {
                return failure(number, "a time such as 2026-12-07T23:15:00Z");
            }
            info.written = *written;
            has_written = true;
        } else if (key == "Process") {
            if (!ReadNumbers(value, info.writer.pid, info.writer.start_ticks)) {
                return failure(number, "the process id and its start time");
            }
            has_writer = true;
        } else if (!line.empty()) {
            return failure(number, "Design=, Ship=, Read=, Written= or Process=");
        }
    }
    if (!has_design || !has_written || !has_writer) {
        return Error{std::string(source_name) + ": incomplete; expected Design=, Written= and " +
                     "Process= lines"};
    }
    return info;
}

RecoveryCopy RecoveryCopyOf(const std::filesystem::path& folder, const ProcessIdentity& writer) {
    const std::string name = NameOf(writer);
    return {folder / (name + std::string(kDesignEnding)),
            folder / (name + std::string(kInfoEnding)), writer};
}

Status WriteRecoveryCopy(const PrivateFolder& folder, const RecoveryCopy& copy,
                         const Design& design, const RecoveryInfo& info, mode_t design_mode) {
    std::ostringstream description;
    WriteRecoveryInfo(description, info);
    const Status described = folder.Write(NameIn(copy.info_file), description.view(), 0600);
    if (!described) {
        return described;
    }
    std::ostringstream design_text;
    WriteDesign(design_text, design);
    return folder.Write(NameIn(copy.design_file), design_text.view(), design_mode);
}

Status RemoveRecoveryCopy(const PrivateFolder& folder, const RecoveryCopy& copy) {
    const Status design_removed = folder.Remove(NameIn(copy.design_file));
    return design_removed ? folder.Remove(NameIn(copy.info_file)) : design_removed;
}

std::vector<RecoveryCopy> LeftRecoveryCopies(
    const PrivateFolder& folder, const std::function<bool(const ProcessIdentity&)>& running) {
    std::map<std::string, RecoveryCopy> found;
    static_cast<void>(folder.ForEachName([&](std::string_view name) {
        std::optional<ProcessIdentity> writer = WriterInName(name, kInfoEnding);
        if (!writer) {
            writer = WriterInName(name, kDesignEnding);
        }
        if (writer) {
            found.emplace(NameOf(*writer), RecoveryCopyOf(folder.Path(), *writer));
        }
    }));
    std::vector<RecoveryCopy> copies;
    for (auto& [name, copy] : found) {
        // Where a copy has two files, both must be the user's own.
        const bool own = folder.EntryAt(NameIn(copy.info_file)) != PrivateFolder::Entry::Other &&
                         folder.EntryAt(NameIn(copy.design_file)) != PrivateFolder::Entry::Other;
        if (own && !running(copy.writer)) {
            copies.push_back(std::move(copy));
        }
    }
    return copies;
}

bool HasRecoveryDesign(const PrivateFolder& folder, const RecoveryCopy& copy) {
    return folder.HoldsOwnFile(NameIn(copy.design_file));
}

Result<RecoveryInfo> ReadRecoveryInfoFile(const PrivateFolder& folder, const RecoveryCopy& copy) {
    const Result<std::string> text =
        folder.ReadOwnFile(NameIn(copy.info_file), "recovery copy's description", kLargestInfo);
    if (!text) {
        return Error{text.message()};
    }
    std::istringstream in(text.value());
    return ReadRecoveryInfo(in, copy.info_file.string());
}

Result<std::string> ReadRecoveryDesignText(const PrivateFolder& folder, const RecoveryCopy& copy) {
    return folder.ReadOwnFile(NameIn(copy.design_file), "design file", kLargestDesignFile);
}

Result<std::filesystem::path> SetAsideRecoveryCopy(const PrivateFolder& folder,
                                                   const RecoveryCopy& copy) {
    const auto aside = [](const std::filesystem::path& file) {
        return std::string(kSetAsidePrefix) + NameIn(file);
    };
    for (const std::filesystem::path& file : {copy.info_file, copy.design_file}) {
        if (folder.HoldsOwnFile(NameIn(file))) {
            const Status renamed = folder.Rename(NameIn(file), aside(file));
            if (!renamed) {
                return Error{renamed.message()};
            }
        }
    }
    return folder.PathOf(aside(copy.design_file));
}

}  // namespace korvane
