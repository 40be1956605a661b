#include "files/recent_files.h"

#include <array>
#include <string>

#include "model/catalog_store.h"

namespace korvane {

namespace {

Status RecordOnTop(RecentEdits& recent, std::string_view path) {
    std::array<std::string, kRecentEditsRows + 1> list;
    for (int position = 1; position <= kRecentEditsRows; ++position) {
        list[position] = recent.Filespec(position);
        if (list[position] == path) {
            return {};
        }
    }
    for (int position = kRecentEditsRows; position >= 2; --position) {
        list[position] = list[position - 1];
    }
    list[1] = path;
    for (int position = 1; position <= kRecentEditsRows; ++position) {
        const Status written = recent.SetFilespec(position, list[position]);
        if (!written) {
            return written;
        }
    }
    return {};
}

}  // namespace

Status RememberRecentFile(RecentEdits& recent, std::string_view path) {
    // The ten rows are read and written in one transaction, so that two
    // programs at once, or a kill part way, lose no entry.
    return recent.InOneTransaction([&recent, path] { return RecordOnTop(recent, path); });
}

}  // namespace korvane
