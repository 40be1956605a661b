#include "files/atomic_write.h"

#include <atomic>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace korvane {

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = target;
    temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return temporary;
}

Status ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return Error{target.string() + ": cannot be replaced (" + error.message() + ")"};
    }
    return {};
}

Status WriteFileAtomically(const std::filesystem::path& target,
                           const std::function<void(std::ostream&)>& write) {
    const std::filesystem::path temporary = TemporarySibling(target);
    {
        // One buffer for a whole design or report, so it reaches the disk in one write.
        std::vector<char> buffer(64 * 1024);
        std::ofstream out;
        out.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        out.open(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return Error{target.string() +
                         ": cannot be written (the folder is missing or read-only)"};
        }
        write(out);
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Error{target.string() +
                         ": writing failed (is the disk full?); the old file is unchanged"};
        }
    }
    return ReplaceWith(temporary, target);
}

}  // namespace korvane
