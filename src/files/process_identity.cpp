#include "files/process_identity.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include <signal.h>
#include <unistd.h>

namespace korvane {

namespace {

// The text of /proc/PID/stat; none when there is no such process (or the
// system keeps no /proc).
std::optional<std::string> StatOf(const std::string& pid) {
    std::ifstream file("/proc/" + pid + "/stat", std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A process that has ended and waits for its parent to collect it ("Z").
bool IsZombie(std::string_view stat) {
    const std::size_t name_end = stat.rfind(')');
    return name_end != std::string_view::npos && stat.substr(name_end).starts_with(") Z");
}

bool ProcessExists(std::int64_t pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

std::uint64_t StartTicksInStat(std::string_view stat) {
    // The name ends at the last ")"; field 3 (the state) follows it.
    const std::size_t name_end = stat.rfind(')');
    if (name_end == std::string_view::npos) {
        return 0;
    }
    std::string_view rest = stat.substr(name_end + 1);
    for (int field = 3; field < 22; ++field) {
        const std::size_t blank = rest.find_first_not_of(' ');
        const std::size_t next = rest.find(' ', blank);
        if (blank == std::string_view::npos || next == std::string_view::npos) {
            return 0;
        }
        rest = rest.substr(next);
    }
    rest = rest.substr(std::min(rest.find_first_not_of(' '), rest.size()));
    std::uint64_t ticks = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), ticks);
    const bool whole = end == rest.data() + rest.size() || *end == ' ' || *end == '\n';
    return error == std::errc() && whole ? ticks : 0;
}

ProcessIdentity ThisProcess() {
    return {::getpid(), StartTicksInStat(StatOf("self").value_or(""))};
}

bool IsRunning(const ProcessIdentity& process) {
    if (process.pid <= 0) {
        return false;
    }
    if (const std::optional<std::string> stat = StatOf(std::to_string(process.pid))) {
        return StartTicksInStat(*stat) == process.start_ticks && !IsZombie(*stat);
    }
    // No stat for it: it has ended, unless the system keeps no /proc at all.
    const bool proc_kept = StatOf("self").has_value();
    return !proc_kept && ProcessExists(process.pid);
}

}  // namespace korvane
