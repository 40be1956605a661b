// Feeds arbitrary bytes to the readers of Korvaw.ini: the catalog folder's
// key, any "Key=value" line, and the autosave interval, which is always one
// the program can keep (1 to 3600 seconds).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/configuration.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream catalog_in(bytes);
    static_cast<void>(korvane::ReadCatalogDirKey(catalog_in));
    std::istringstream value_in(bytes);
    static_cast<void>(korvane::ConfigurationValue(value_in, "DBLoc"));
    std::istringstream interval_in(bytes);
    const korvane::AutosaveInterval autosave = korvane::ReadAutosaveInterval(interval_in);
    if (autosave.interval < std::chrono::seconds(1) ||
        autosave.interval > std::chrono::seconds(3600)) {
        korvane::fuzz::Fail(
            "configuration fuzz",
            "an autosave interval of " + std::to_string(autosave.interval.count()) + " seconds");
    }
    return 0;
}
