// Feeds arbitrary bytes to the reader of a recovery copy's description, which
// the program reads at every start from the recovery folder. A refused
// description says where; one that was read writes a description that reads
// back the same.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "files/recovery_copy.h"
#include "fuzz_failure.h"

namespace {

void Fail(std::string_view what) {
    korvane::fuzz::Fail("recovery description fuzz", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto info = korvane::ReadRecoveryInfo(in, "fuzz.info");
    if (!info) {
        if (info.message().rfind("fuzz.info", 0) != 0) {
            Fail("message without its source: " + info.message());
        }
        return 0;
    }
    std::ostringstream out;
    korvane::WriteRecoveryInfo(out, info.value());
    std::istringstream again_in(out.str());
    const auto again = korvane::ReadRecoveryInfo(again_in, "rewritten.info");
    if (!again) {
        Fail("a description that was read does not read back once written: " + again.message());
    }
    if (!(again.value() == info.value())) {
        Fail("a description changes when written and read again");
    }
    return 0;
}
