// Feeds arbitrary bytes to the design file reader. Beyond not crashing, it
// checks that a refused file says where (source and line), and that a design
// that was read writes a file which reads back to the same design.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "files/design_file.h"

namespace {

[[noreturn]] void Fail(std::string_view what) {
    std::fprintf(stderr, "design reader fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

std::string Written(const korvane::Design& design) {
    std::ostringstream out;
    korvane::WriteDesign(out, design);
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    korvane::Design design;
    const korvane::Status status = korvane::ReadDesign(in, "fuzz.k2d", design);
    if (!status) {
        if (status.message().rfind("fuzz.k2d, line ", 0) != 0) {
            Fail("message without source and line: " + status.message());
        }
        return 0;
    }

    const std::string first = Written(design);
    std::istringstream again_in(first);
    korvane::Design again;
    const korvane::Status again_status = korvane::ReadDesign(again_in, "rewritten.k2d", again);
    if (!again_status) {
        Fail("a design that was read does not read back once written: " + again_status.message());
    }
    if (Written(again) != first) {
        Fail("a design that was read changes when written and read again");
    }
    return 0;
}
