#pragma once

#include <string_view>

#include "model/catalog.h"
#include "model/result.h"

namespace korvane {

// Records `path` at the top of the ten recent design files. A path already in
// the list leaves the list as it is (it does not move to the top); otherwise
// the others move down one row and the oldest is dropped. Paths keep their case:
// on this platform a path that differs in case names another file.
Status RememberRecentFile(RecentEdits& recent, std::string_view path);

}  // namespace korvane
