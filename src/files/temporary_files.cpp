#include "files/temporary_files.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/folder_names.h"

namespace korvane {

namespace {

constexpr std::string_view kMarker = ".tmp-";
// Room for the marker, a process id and a counter, and for the "-journal"
// SQLite adds beside a catalog temporary, within a file name's 255 bytes.
constexpr std::size_t kLongestStem = 255 - 1 - kMarker.size() - 10 - 1 - 10 - 8;
// What SQLite leaves beside a catalog temporary that was being written.
constexpr std::string_view kSqliteLeftovers[] = {"-journal", "-wal", "-shm"};

// The part of a file's name its temporaries carry: all of it unless that
// would make the temporary's name too long for the file system.
std::string_view TemporaryStem(std::string_view name) {
    return name.substr(0, kLongestStem);
}

// `numbers` without the ending SQLite gave a file beside a catalog temporary.
std::string_view WithoutSqliteLeftover(std::string_view numbers) {
    for (const std::string_view ending : kSqliteLeftovers) {
        if (numbers.ends_with(ending)) {
            return numbers.substr(0, numbers.size() - ending.size());
        }
    }
    return numbers;
}

// The process id in a temporary's name ".NAME.tmp-PID-N" (or SQLite's
// ".NAME.tmp-PID-N-journal" beside it), when `name` is one; with `of` given,
// only a temporary of the file named `of`.
std::optional<pid_t> TemporaryOwner(std::string_view name, std::string_view of = {}) {
    if (name.size() < 2 || name.front() != '.') {
        return std::nullopt;
    }
    const std::size_t marker = name.rfind(kMarker);
    if (marker == std::string_view::npos || marker < 2) {
        return std::nullopt;
    }
    if (!of.empty() && name.substr(1, marker - 1) != TemporaryStem(of)) {
        return std::nullopt;
    }
    const std::string_view numbers = WithoutSqliteLeftover(name.substr(marker + kMarker.size()));
    const std::size_t dash = numbers.find('-');
    if (dash == std::string_view::npos || dash + 1 == numbers.size()) {
        return std::nullopt;
    }
    pid_t pid = 0;
    const auto [pid_end, pid_error] = std::from_chars(numbers.data(), numbers.data() + dash, pid);
    unsigned counter = 0;
    const auto [counter_end, counter_error] =
        std::from_chars(numbers.data() + dash + 1, numbers.data() + numbers.size(), counter);
    if (pid_error != std::errc() || pid_end != numbers.data() + dash || pid <= 0 ||
        counter_error != std::errc() || counter_end != numbers.data() + numbers.size()) {
        return std::nullopt;
    }
    return pid;
}

bool HasEnded(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

bool IsStaleTemporaryOf(std::string_view name, std::string_view of) {
    const std::optional<pid_t> owner = TemporaryOwner(name, of);
    return owner && HasEnded(*owner);
}

void RemoveStale(const OpenedFolder& folder, std::string_view of) {
    std::vector<std::string> stale;
    ForEachNameAt(folder.fd(), [&](std::string_view name) {
        if (IsStaleTemporaryOf(name, of)) {
            stale.emplace_back(name);
        }
    });
    for (const std::string& name : stale) {
        struct stat status {};
        if (::fstatat(folder.fd(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode)) {
            ::unlinkat(folder.fd(), name.c_str(), 0);  // another save may have removed it first
        }
    }
}

// The same in a folder named by its path; a folder that cannot be opened has
// nothing to clear.
void RemoveStale(const std::filesystem::path& folder, std::string_view of) {
    const Result<std::shared_ptr<const OpenedFolder>> opened = OpenedFolder::Open(folder);
    if (opened) {
        RemoveStale(*opened.value(), of);
    }
}

}  // namespace

std::string TemporaryName(std::string_view name) {
    static const std::string process = std::to_string(::getpid());
    static std::atomic<unsigned> counter{0};
    std::string temporary = ".";
    temporary += TemporaryStem(name);
    temporary += kMarker;
    temporary += process;
    temporary += '-';
    temporary += std::to_string(counter++);
    return temporary;
}

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
    // Made from the path's text: a batch run makes three for every design.
    const std::string_view whole = target.native();
    const std::size_t name_start = whole.rfind('/') + 1;  // 0 when there is no folder
    return std::string(whole.substr(0, name_start)) + TemporaryName(whole.substr(name_start));
}

void RemoveStaleTemporaries(const std::filesystem::path& target) {
    RemoveStale(target.parent_path(), target.filename().string());
}

void RemoveStaleTemporariesIn(const std::filesystem::path& folder) {
    RemoveStale(folder, {});
}

void RemoveStaleTemporaries(const OpenedFolder& folder, std::string_view name) {
    RemoveStale(folder, name);
}

void RemoveStaleTemporariesIn(const OpenedFolder& folder) {
    RemoveStale(folder, {});
}

bool IsStaleTemporary(std::string_view name) {
    return IsStaleTemporaryOf(name, {});
}

}  // namespace korvane
