#include "files/folder_names.h"

#include <cerrno>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace korvane {

namespace {

std::error_code ForEachNameOf(DIR* opened, const std::function<void(std::string_view)>& visit) {
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(opened, ::closedir);
    if (!directory) {
        return {errno, std::generic_category()};
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(directory.get());
        if (entry == nullptr) {
            return errno == 0 ? std::error_code() : std::error_code(errno, std::generic_category());
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            visit(name);
        }
    }
}

}  // namespace

std::error_code ForEachNameIn(const std::filesystem::path& folder,
                              const std::function<void(std::string_view)>& visit) {
    return ForEachNameOf(::opendir(folder.c_str()), visit);
}

std::error_code ForEachNameAt(int folder, const std::function<void(std::string_view)>& visit) {
    // The listing reads through a descriptor of its own, which it closes.
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0) {
        return {errno, std::generic_category()};
    }
    DIR* directory = ::fdopendir(listed);
    if (directory == nullptr) {
        const std::error_code error(errno, std::generic_category());
        ::close(listed);
        return error;
    }
    return ForEachNameOf(directory, visit);
}

}  // namespace korvane
