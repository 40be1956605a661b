#pragma once

#include <filesystem>

#include "app/session.h"

namespace korvane::testing {

// A session as the program has it after start-up: the standard catalog created
// in `folder` and opened, and the new design.
void StartTestSession(Session& session, const std::filesystem::path& folder);

}  // namespace korvane::testing
