// A whole SaveDesign of a full design to its current file (design file, profile
// file, HTML page), each file flushed to disk before it replaces the old one,
// against writing the same three files durably by hand (write, fsync, rename
// each) and against writing the same number of bytes with one plain
// std::ofstream, in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "app/save_design.h"
#include "bench/full_design.h"
#include "bench/ratio_main.h"
#include "files/catalog_files.h"
#include "files/companion_files.h"
#include "model/standard_catalog.h"
#include "reports/report_context.h"

namespace {

using namespace korvane;

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "korvane-bench-save";
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

Session FullDesignSession() {
    Session session;
    session.CatalogDir = Folder().string() + "/";
    if (!CreateCatalogFile(session.CatalogPath(), StandardCatalogRows()).ok()) {
        std::abort();
    }
    session.catalog = std::move(*CatalogStore::Open(session.CatalogPath()));
    session.design = bench::FullDesign(session.catalog->Features());
    session.CurrentDesignPath = (Folder() / "full.k2d").string();
    return session;
}

std::uintmax_t SavedBytes(const std::string& design_path) {
    return std::filesystem::file_size(design_path) +
           std::filesystem::file_size(ProfileFilePath(design_path)) +
           std::filesystem::file_size(HtmlPagePath(design_path));
}

void BM_SaveDesign(benchmark::State& state) {
    Session session = FullDesignSession();
    const std::string path = session.CurrentDesignPath;
    for (auto _ : state) {
        if (!SaveDesign(session, path, Today()).ok()) {
            state.SkipWithError("the design was not saved");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(SavedBytes(session.CurrentDesignPath));
}
BENCHMARK(BM_SaveDesign);

// The same three files, each written to a temporary, flushed and renamed over the old one.
void BM_DurableByHand(benchmark::State& state) {
    Session session = FullDesignSession();
    const std::string design_path = session.CurrentDesignPath;
    if (!SaveDesign(session, design_path, Today()).ok()) {
        std::abort();
    }
    std::vector<std::pair<std::filesystem::path, std::string>> files;
    for (const std::string& path :
         {design_path, ProfileFilePath(design_path), HtmlPagePath(design_path)}) {
        std::ifstream in(path, std::ios::binary);
        files.emplace_back(path, std::string(std::istreambuf_iterator<char>(in), {}));
    }
    for (auto _ : state) {
        for (const auto& [path, bytes] : files) {
            std::filesystem::path temporary = path;
            temporary += ".by-hand";
            const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != std::ssize(bytes) ||
                ::fsync(fd) != 0 || ::close(fd) != 0) {
                state.SkipWithError("the file was not written");
                return;
            }
            std::filesystem::rename(temporary, path);
        }
    }
}
BENCHMARK(BM_DurableByHand);

void BM_PlainOfstream(benchmark::State& state) {
    Session session = FullDesignSession();
    if (!SaveDesign(session, session.CurrentDesignPath, Today()).ok()) {
        std::abort();
    }
    const std::string bytes(SavedBytes(session.CurrentDesignPath), 'x');
    const std::filesystem::path target = Folder() / "plain.bin";
    for (auto _ : state) {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_PlainOfstream);

}  // namespace

int main(int argc, char** argv) {
    return korvane::bench::RunWithRatios(
        argc, argv, {{"BM_SaveDesign", "BM_DurableByHand"}, {"BM_SaveDesign", "BM_PlainOfstream"}});
}
