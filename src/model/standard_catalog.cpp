#include "model/standard_catalog.h"

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <string>

#include "model/catalog.h"
#include "model/catalog_csv.h"

extern const unsigned char kStandardCatalogCsv[];
extern const std::size_t kStandardCatalogCsv_size;

namespace korvane {

std::string_view StandardCatalogCsv() {
    return std::string_view(reinterpret_cast<const char*>(kStandardCatalogCsv),
                            kStandardCatalogCsv_size);
}

const std::vector<ComponentRecord>& StandardCatalogRows() {
    static const std::vector<ComponentRecord> rows = [] {
        std::istringstream in{std::string(StandardCatalogCsv())};
        auto parsed = ReadCatalogCsv(in, "standard catalog");
        std::vector<ComponentRecord> sorted =
            parsed ? std::move(*parsed) : std::vector<ComponentRecord>();
        std::stable_sort(sorted.begin(), sorted.end(), KeyLess);
        return sorted;
    }();
    return rows;
}

}  // namespace korvane
