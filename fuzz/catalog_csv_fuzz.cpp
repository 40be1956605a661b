// Feeds arbitrary bytes to the catalog CSV reader, as "catalog import" and
// "catalog check" read a file. A refused file says where (source and line);
// rows that were read are checked without harm, and written and read again
// they come back the same.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_failure.h"
#include "model/bitwise_equal.h"
#include "model/catalog_check.h"
#include "model/catalog_csv.h"

namespace {

using korvane::ComponentRecord;

void Fail(std::string_view what) {
    korvane::fuzz::Fail("catalog CSV fuzz", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto rows = korvane::ReadCatalogCsv(in, "fuzz.csv");
    if (!rows) {
        if (rows.message().rfind("fuzz.csv", 0) != 0) {
            Fail("message without its source: " + rows.message());
        }
        return 0;
    }
    static_cast<void>(korvane::CheckCatalog(rows.value()));

    std::ostringstream out;
    korvane::WriteCatalogCsv(out, rows.value());
    std::istringstream again_in(out.str());
    const auto again = korvane::ReadCatalogCsv(again_in, "rewritten.csv");
    if (!again) {
        Fail("rows that were read do not read back once written: " + again.message());
    }
    if (again.value().size() != rows.value().size()) {
        Fail("rows that were read come back in another number once written");
    }
    for (std::size_t i = 0; i < rows.value().size(); ++i) {
        if (!korvane::BitwiseEqual(rows.value()[i], again.value()[i])) {
            Fail("row " + std::to_string(i + 1) + " changes when written and read again");
        }
    }
    return 0;
}
