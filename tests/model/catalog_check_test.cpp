#include "model/catalog_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/standard_catalog.h"

namespace korvane {
namespace {

std::vector<ComponentRecord> Standard() {
    return StandardCatalogRows();
}

ComponentRecord& Find(std::vector<ComponentRecord>& rows, const char* table, int id) {
    auto found = std::find_if(rows.begin(), rows.end(), [&](const ComponentRecord& row) {
        return row.TABLE == table && row.IDNUM == id;
    });
    if (found == rows.end()) {
        throw std::runtime_error("row not in the standard catalog");
    }
    return *found;
}

void Remove(std::vector<ComponentRecord>& rows, const char* table, int id) {
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&](const ComponentRecord& row) {
                                  return row.TABLE == table && row.IDNUM == id;
                              }),
               rows.end());
}

bool Mentions(const std::vector<std::string>& problems, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(), [&](const std::string& problem) {
        return problem.find(text) != std::string::npos;
    });
}

TEST(CatalogCheck, TheStandardCatalogIsSound) {
    const auto problems = CheckCatalog(Standard());
    for (const std::string& problem : problems) {
        ADD_FAILURE() << problem;
    }
    EXPECT_FALSE(Standard().empty());
}

TEST(CatalogCheck, IdsMustRunFromOneWithoutGapsOrRepeats) {
    auto rows = Standard();
    Remove(rows, "PN", 3);
    rows.push_back(Find(rows, "CM", 2));
    const auto problems = CheckCatalog(rows);
    EXPECT_TRUE(Mentions(problems, "PN: ids must run from 1 without gaps, but id 4 follows id 2"))
        << problems[0];
    EXPECT_TRUE(Mentions(problems, "CM: id 2 appears more than once"));
}

TEST(CatalogCheck, RowsTheProgramAddressesMustExist) {
    auto rows = Standard();
    Remove(rows, "EN", 6);
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [](const ComponentRecord& r) { return r.TABLE == "TY"; }),
               rows.end());
    const auto problems = CheckCatalog(rows);
    EXPECT_TRUE(Mentions(problems, "EN: the program needs ids 1 to 6, the catalog has 5 rows"));
    EXPECT_TRUE(Mentions(problems, "TY: the program needs ids 1 to 1, the catalog has 0 rows"));
}

TEST(CatalogCheck, FiguresTheCalculationCannotUseAreReported) {
    auto rows = Standard();
    Find(rows, "TC", 5).MISCNUM[1] = Find(rows, "TC", 4).MISCNUM[1];
    Find(rows, "AR", 2).LABEL = "heavy";
    Find(rows, "BY", 1).MISCSTR[2] = "12345";
    Find(rows, "SA", 3).MISCSTR[1] = "--X---";
    Find(rows, "CO", 1).MISCNUM[1] = 0;
    Find(rows, "SC", 1).LABEL = "Deflector";
    const auto problems = CheckCatalog(rows);
    EXPECT_TRUE(Mentions(problems, "TC (TC, 5): the threshold (MISCNUM1)"));
    EXPECT_TRUE(Mentions(problems, "AR (AR, 2): the label \"heavy\" must be a number"));
    EXPECT_TRUE(Mentions(problems, "BY (BY, 1): MISCSTR1 and MISCSTR2 must hold 20 factor digits"));
    EXPECT_TRUE(Mentions(problems, "SA (SA, 3): the scan code (MISCSTR1) \"--X---\""));
    EXPECT_TRUE(Mentions(problems, "CO (CO, 1): MISCNUM1 divides the control requirement"));
    EXPECT_TRUE(Mentions(problems, "SC (SC, 1): the label \"Deflector\""));
    EXPECT_EQ(problems.size(), 6u);
}

TEST(CatalogCheck, ArmourRowsMustBeFollowedByAnotherFamily) {
    std::vector<ComponentRecord> rows;
    for (const ComponentRecord& row : Standard()) {
        if (row.TABLE.view() <= "AR") {
            rows.push_back(row);
        }
    }
    EXPECT_TRUE(
        Mentions(CheckCatalog(rows), "a row of another family must follow the last AR row"));
}

}  // namespace
}  // namespace korvane
