#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// A running program as the system knows it: its process id and the time the
// system started it (clock ticks after boot, as /proc/PID/stat gives it). The
// start time tells a program apart from a later one that was given the same
// id after it ended.
struct ProcessIdentity {
    std::int64_t pid = 0;
    std::uint64_t start_ticks = 0;

    bool operator==(const ProcessIdentity&) const = default;
};

// This process.
ProcessIdentity ThisProcess();

// Whether the process still runs: a process with that id exists and was
// started at that time. Where the system keeps no start times (no /proc), an
// existing process with that id counts as the same, so that a copy is never
// taken from a program that may still be running.
bool IsRunning(const ProcessIdentity& process);

// The start time in the text of /proc/PID/stat: the 22nd field, counted after
// the command name in parentheses, which may itself hold blanks and ")". Zero
// when the text does not have one.
std::uint64_t StartTicksInStat(std::string_view stat);

}  // namespace korvane
