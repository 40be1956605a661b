#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace korvane::testing {

// A design folder as an archive or a shared drive from someone else may bring
// it: `fleet` beside a folder `outside` holding files the program must never
// write or read (a shell start file, a private key), with designs in `fleet`
// whose companions, notes or own names are symbolic links of every kind.
struct ArchiveDesign {
    std::string name;         // the design file in `fleet`
    std::string batch_says;   // a part of its error-list line; empty: none
    bool batch_saves;         // whether the batch run writes it
    int resave_exit;          // of `korvane-cli resave`, which the user named it to
    std::string resave_says;  // a part of its message on standard error; empty: none
};

// The designs of the fixture; each is a valid design unless its name is all it has.
const std::vector<ArchiveDesign>& ArchiveDesigns();

// Builds the fixture under `root`, each design file holding `design_file`.
void BuildArchiveFolder(const std::filesystem::path& root, const std::string& design_file);

// Every regular file below `folder` with its content, links not followed: what
// a run must leave as it was.
std::map<std::string, std::string> FilesBelow(const std::filesystem::path& folder);

}  // namespace korvane::testing
