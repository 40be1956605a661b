#include "model/catalog_csv.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/record_fields.h"

namespace korvane {
namespace {

std::string Header() {
    std::string header;
    for (const FieldInfo& field : RecordFields()) {
        header += (header.empty() ? "" : ",") + std::string(field.name);
    }
    return header + "\n";
}

// A row of 33 cells: the given first cells, then zeros for numbers and empty texts.
std::string RowLine(const std::vector<std::string>& first) {
    std::string line;
    for (std::size_t field = 0; field < kRecordFieldCount; ++field) {
        std::string cell;
        if (field < first.size()) {
            cell = first[field];
        } else if (RecordFields()[field].kind != FieldKind::Text) {
            cell = "0";
        }
        line += (field ? "," : "") + cell;
    }
    return line + "\n";
}

Result<std::vector<ComponentRecord>> Parse(const std::string& text) {
    std::istringstream in(text);
    return ReadCatalogCsv(in, "test.csv");
}

TEST(CatalogCsv, ReadsQuotedTextsAndConvertsToTheCodePage) {
    auto rows = Parse(Header() + RowLine({"CR", "3", "\"Pinnace, \"\"armed\"\"\"", "1", "2.5"}) +
                      RowLine({"AC", "1", "Caf\xC3\xA9 room \xE2\x82\xAC"}));
    ASSERT_TRUE(rows) << rows.message();
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].LABEL.trimmed(), "Pinnace, \"armed\"");
    EXPECT_EQ((*rows)[0].KL, 2.5);
    EXPECT_EQ((*rows)[1].LABEL.trimmed(), "Caf\xE9 room \x80");
}

TEST(CatalogCsv, AcceptsTheByteOrderMarkThatSpreadsheetsWrite) {
    auto rows = Parse("\xEF\xBB\xBF" + Header() + RowLine({"PP", "1", "Fusion"}));
    ASSERT_TRUE(rows) << rows.message();
    EXPECT_EQ((*rows)[0].TABLE, "PP");

    auto quoted = Parse("\xEF\xBB\xBF\"TABLE\"" + Header().substr(5) + RowLine({"PP", "1"}));
    ASSERT_TRUE(quoted) << quoted.message();
}

TEST(CatalogCsv, ATextTheFieldCannotHoldAsWrittenIsRefusedWithItsRowAndField) {
    struct Case {
        std::vector<std::string> cells;
        std::string expected;
    };
    const Case cases[] = {
        {{"SC", "4", "Nuclear Damper Screen-5"},
         "line 2: row SC 4, field LABEL holds \"Nuclear Damper Screen-5\", 23 characters where "
         "20 fit"},
        {{"TR", "21", "Mixed", "1", "0", "0", "0", "0", "**"}, "row TR 21, field USP"},
        {{"SCX", "1"}, "line 2: field TABLE holds \"SCX\", 3 characters where 2 fit"},
        {{"AC", "1", "Snow\xE2\x98\x83man"},
         "row AC 1, field LABEL holds \"Snow\xE2\x98\x83man\": the character U+2603 has no "
         "Windows-1252 form"},
        {{"AC", "1", "Latin\xE9"}, "row AC 1, field LABEL: it is not UTF-8 from byte 6 on"},
        {{"AC", "1", "Bell\x07"}, "row AC 1, field LABEL holds a control character (code 7)"},
        {{"AC", "1", "\xC2\x81"}, "the character U+0081 has no Windows-1252 form"},
    };
    for (const Case& c : cases) {
        auto rows = Parse(Header() + RowLine(c.cells));
        ASSERT_FALSE(rows) << c.expected;
        EXPECT_NE(rows.message().find(c.expected), std::string::npos) << rows.message();
    }

    auto padded = Parse(Header() + RowLine({"SC", "4", "Nuclear Screen-5            "}));
    ASSERT_TRUE(padded) << "trailing blanks are padding: " << padded.message();
    EXPECT_EQ((*padded)[0].LABEL.trimmed(), "Nuclear Screen-5");
}

TEST(CatalogCsv, WriteThenReadKeepsEveryField) {
    ComponentRecord row;
    row.TABLE = "TR";
    row.IDNUM = 12;
    row.LABEL = " Double, \"Laser\"";
    row.NUMBER = 0.1 + 0.2;
    row.CR = 1234567.891;
    row.USP = "*";
    row.TL = -3;
    row.MISCNUM[10] = 1e-7;
    row.MISCSTR[1] = "L=2 M=1";
    row.custom = 1;
    std::stringstream csv;
    WriteCatalogCsv(csv, {row});
    auto rows = ReadCatalogCsv(csv, "round trip");
    ASSERT_TRUE(rows) << rows.message();
    ASSERT_EQ(rows->size(), 1u);
    ComponentRecord expected = row;
    expected.USP = "*";
    for (auto& text : expected.MISCSTR) {
        if (text.never_assigned()) {
            text = "";  // a catalog has no never-set texts: empty reads as blanks
        }
    }
    EXPECT_EQ((*rows)[0], expected);
}

TEST(CatalogCsv, RefusesBadInputWithTheLineAndField) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"", "test.csv: the file is empty"},
        {"TABLE,IDNUM\n", "lacks the column \"LABEL\""},
        {Header() + RowLine({"PP", "1", "Fusion", ""}), "line 2: row PP 1, field NUMBER is empty"},
        {Header() + RowLine({"PP", "1", "Fusion", "1", "abc"}),
         "line 2: row PP 1, field KL holds \"abc\""},
        {Header() + RowLine({"PP", "40000"}), "line 2: field IDNUM holds 40000, outside the range"},
        {Header() + "PP,1\n", "line 2: expected 33 fields, found 2"},
        {Header() + RowLine({"PP", "1", "\"never closed"}), "never closed"},
        {"TABLE,NOPE\n", "unknown column \"NOPE\""},
    };
    for (const Case& c : cases) {
        auto rows = Parse(c.text);
        ASSERT_FALSE(rows) << c.expected;
        EXPECT_NE(rows.message().find(c.expected), std::string::npos) << rows.message();
    }
}

TEST(CatalogCsv, EmptyCustomReadsAsZero) {
    std::string line = RowLine({"PP", "1", "Fusion"});
    line.replace(line.rfind('0'), 1, "");
    auto rows = Parse(Header() + line);
    ASSERT_TRUE(rows) << rows.message();
    EXPECT_EQ((*rows)[0].custom, 0);
}

}  // namespace
}  // namespace korvane
