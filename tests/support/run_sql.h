#pragma once

#include <filesystem>
#include <string>

struct sqlite3;

namespace korvane::testing {

// Runs `sql` on the SQLite database `file` through a connection of its own,
// as another program would; a statement that fails fails the test.
void RunSql(const std::filesystem::path& file, const std::string& sql);

// Another program in the middle of a write to the SQLite database `file`: it
// holds the file locked, with its journal beside it, until this goes away.
// An exclusive lock keeps readers out too; a reserved one only other writers.
class HeldWriteLock {
public:
    enum class Kind { Exclusive, Reserved };
    explicit HeldWriteLock(const std::filesystem::path& file, Kind kind = Kind::Exclusive);
    ~HeldWriteLock();
    HeldWriteLock(const HeldWriteLock&) = delete;
    HeldWriteLock& operator=(const HeldWriteLock&) = delete;

private:
    sqlite3* db_ = nullptr;
};

}  // namespace korvane::testing
