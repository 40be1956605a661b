// Built into a test program of its own, linked with -Wl,--wrap=fsync: every
// fsync the core makes passes through the wrapper below, which notes the name
// the file has at that moment and its size.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "app/save_design.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace {

struct Flush {
    std::filesystem::path name;  // as the system names the file when it is flushed
    long long size = 0;
};

std::vector<Flush> flushes;

}  // namespace

extern "C" int __real_fsync(int fd);

extern "C" int __wrap_fsync(int fd) {
    char name[PATH_MAX];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(link.c_str(), name, sizeof name);
    struct stat status {};
    ::fstat(fd, &status);
    flushes.push_back({length > 0 ? std::string(name, static_cast<std::size_t>(length)) : "",
                       static_cast<long long>(status.st_size)});
    return __real_fsync(fd);
}

namespace korvane {
namespace {

TEST(SaveFlush, EachFileIsFlushedWholeUnderItsTemporaryNameAndTheFolderAfter) {
    testing::TempDir dir;
    Session session;
    testing::StartTestSession(session, dir.path());
    const std::filesystem::path folder = std::filesystem::canonical(dir.path());
    flushes.clear();
    ASSERT_TRUE(SaveDesign(session, (dir / "ship.k2d").string(), std::chrono::sys_days{}).ok());

    // A flush under the temporary's name happened before the rename, which
    // would have given the file its final name.
    std::size_t last_file_flush = 0;
    for (const char* file : {"ship.k2d", "ship.K2P", "ship.htm"}) {
        SCOPED_TRACE(file);
        const std::string temporary = std::string(".") + file + ".tmp-";
        const auto final_size = static_cast<long long>(std::filesystem::file_size(dir / file));
        bool flushed = false;
        for (std::size_t i = 0; i < flushes.size(); ++i) {
            const Flush& flush = flushes[i];
            if (flush.name.parent_path() == folder &&
                flush.name.filename().string().starts_with(temporary)) {
                EXPECT_EQ(flush.size, final_size) << "flushed before it was written in full";
                flushed = true;
                last_file_flush = std::max(last_file_flush, i);
            }
        }
        EXPECT_TRUE(flushed) << "never flushed under its temporary name";
    }
    bool folder_flushed = false;
    for (std::size_t i = last_file_flush + 1; i < flushes.size(); ++i) {
        folder_flushed = folder_flushed || flushes[i].name == folder;
    }
    EXPECT_TRUE(folder_flushed) << "the renames reach the disk with the folder";
}

}  // namespace
}  // namespace korvane
