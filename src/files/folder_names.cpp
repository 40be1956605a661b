#include "files/folder_names.h"

#include <cerrno>
#include <memory>

#include <dirent.h>

namespace korvane {

std::error_code ForEachNameIn(const std::filesystem::path& folder,
                              const std::function<void(std::string_view)>& visit) {
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folder.c_str()), ::closedir);
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

}  // namespace korvane
