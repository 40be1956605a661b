#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace korvane::testing {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes `content` to `file`, byte for byte.
void WriteText(const std::filesystem::path& file, const std::string& content);
std::string ReadText(const std::filesystem::path& file);
// The names of the entries of `folder`.
std::set<std::string> NamesIn(const std::filesystem::path& folder);

}  // namespace korvane::testing
