// The file work of a batch run without the design work, as the floor the run
// cannot go below on a given file system: for every design file of a folder, in
// name order, the design file is read whole as the run reads it, then it, its
// profile file and its page are written back unchanged through the safe save
// the run uses (temporary file, rename), and the folder is synced to disk once
// at the end, as the run does. The companions' bytes are read beforehand, outside the time.
// Prints the time in seconds; bench/batch_web_bench.sh runs it.
//
// Usage: safe_rewrite_floor FOLDER
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "files/regular_file.h"

namespace {

constexpr korvane::Durability kDurability = korvane::Durability::FolderAtEnd;

// The whole file, read in one go (the run reads a design file so); empty when
// it cannot be read.
std::string ReadWhole(const std::filesystem::path& file) {
    korvane::Result<std::string> read =
        korvane::ReadRegularFile(file, "file", std::numeric_limits<std::uintmax_t>::max());
    return read ? std::move(read.value()) : std::string();
}

struct DesignFiles {
    std::string design_path;
    std::string profile;  // the bytes of the profile file
    std::string page;     // the bytes of the page
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: safe_rewrite_floor FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const auto names = korvane::ListDesignFiles(folder);
    if (!names) {
        std::fprintf(stderr, "%s\n", names.message().c_str());
        return 2;
    }
    std::vector<DesignFiles> designs;
    for (const std::string& name : names.value()) {
        const std::string design = (folder / name).string();
        designs.push_back({design, ReadWhole(korvane::ProfileFilePath(design)),
                           ReadWhole(korvane::HtmlPagePath(design))});
    }

    const auto start = std::chrono::steady_clock::now();
    for (const DesignFiles& files : designs) {
        const bool written =
            korvane::WriteFileAtomically(files.design_path, ReadWhole(files.design_path),
                                         kDurability) &&
            korvane::WriteFileAtomically(korvane::ProfileFilePath(files.design_path), files.profile,
                                         kDurability) &&
            korvane::WriteFileAtomically(korvane::HtmlPagePath(files.design_path), files.page,
                                         kDurability);
        if (!written) {
            std::fprintf(stderr, "%s: cannot be rewritten\n", files.design_path.c_str());
            return 1;
        }
    }
    if (!korvane::SyncFolder(folder)) {
        std::fprintf(stderr, "%s: cannot be synced\n", folder.c_str());
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.6f\n", took.count());
    return 0;
}
