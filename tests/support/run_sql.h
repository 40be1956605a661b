#pragma once

#include <filesystem>
#include <string>

namespace korvane::testing {

// Runs `sql` on the SQLite database `file` through a connection of its own,
// as another program would; a statement that fails fails the test.
void RunSql(const std::filesystem::path& file, const std::string& sql);

}  // namespace korvane::testing
