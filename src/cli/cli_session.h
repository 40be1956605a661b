#pragma once

#include <iosfwd>

#include "app/session.h"

namespace korvane::cli {

// Opens the configured catalog as the program does at start-up. On failure the
// message goes to `err` and the result is false.
bool OpenConfiguredCatalog(Session& session, std::ostream& err);

}  // namespace korvane::cli
