#include "model/catalog.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

ComponentRecord Row(const char* table, int id, const char* label, double misc1 = 0) {
    ComponentRecord row;
    row.TABLE = table;
    row.IDNUM = static_cast<std::int16_t>(id);
    row.LABEL = label;
    row.MISCNUM[1] = misc1;
    return row;
}

Catalog SmallCatalog() {
    // Deliberately out of order: the catalog sorts by key.
    return Catalog({Row("AT", 1, "Plain steel"), Row("AR", 2, "52", 1.5), Row("AR", 1, "40", 1),
                    Row("PP", 1, "Fusion"), Row("AR", 3, "64", 2)});
}

TEST(Catalog, LookupFindsTheRowByFamilyAndId) {
    Catalog catalog = SmallCatalog();
    const ComponentRecord& found = catalog.LookupComponent("AR", 2);
    EXPECT_EQ(found.LABEL.trimmed(), "52");
    EXPECT_FALSE(catalog.NoMatch());
    EXPECT_EQ(catalog.WorkRecord().MISCNUM[1], 1.5);
}

TEST(Catalog, MissingKeyReadsAsTheBlankRecord) {
    Catalog catalog = SmallCatalog();
    catalog.LookupComponent("AR", 2);
    EXPECT_EQ(catalog.LookupComponent("AR", 9), BlankRecord);
    EXPECT_TRUE(catalog.NoMatch());
    EXPECT_EQ(catalog.LookupComponent("ZZ", 1), BlankRecord);
    EXPECT_EQ(catalog.LookupComponent("A", 1), BlankRecord)
        << "a one-letter family must not match \"AR\"";
    EXPECT_EQ(catalog.LookupComponent("AR", 65537), BlankRecord)
        << "an id beyond 16 bits must not wrap to 1";
}

TEST(Catalog, WalkGoesInKeyOrderAndStopsAtTheEnd) {
    Catalog catalog = SmallCatalog();
    catalog.LookupComponent("AR", 1);
    std::vector<std::string> seen;
    while (catalog.ReadCatalogRecord().TABLE == "AR") {
        seen.push_back(catalog.WorkRecord().LABEL.trimmed());
        catalog.MoveNext();
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"40", "52", "64"}));
    EXPECT_EQ(catalog.WorkRecord().TABLE, "AT")
        << "the walk ends at the first row of another family";

    catalog.LookupComponent("PP", 1);
    catalog.MoveNext();
    EXPECT_TRUE(catalog.NoMatch());
    EXPECT_EQ(catalog.ReadCatalogRecord(), BlankRecord);
    catalog.MoveNext();
    EXPECT_EQ(catalog.ReadCatalogRecord(), BlankRecord);
}

}  // namespace
}  // namespace korvane
