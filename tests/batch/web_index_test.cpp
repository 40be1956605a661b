#include "batch/web_index.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_dir.h"

namespace korvane {
namespace {

ShipType Type(int number, std::string_view name, std::string description = "") {
    return {number, FixedText<20>(name), std::move(description)};
}

ComponentRecord TypeRow(int id, std::string_view label) {
    ComponentRecord row;
    row.TABLE = "TY";
    row.IDNUM = static_cast<std::int16_t>(id);
    row.LABEL = label;
    return row;
}

std::string ContentsOf(const std::vector<ShipType>& types,
                       const std::vector<IndexedDesign>& designs) {
    std::ostringstream out;
    WriteContentsPage(out, types, designs);
    return out.str();
}

TEST(WebIndex, ShipTypesAreReadUpToTheFirstGapWithTheirDescriptionJoined) {
    ComponentRecord merchant = TypeRow(1, "Merchant");
    merchant.MISCSTR[1] = "Carries fr";
    merchant.MISCSTR[2] = " eight";  // each part is trimmed before joining
    merchant.MISCSTR[5] = "ok";
    merchant.MISCSTR[6] = "not read";
    std::vector<ComponentRecord> rows = {merchant, TypeRow(2, "Liner"), TypeRow(4, "After a gap"),
                                         TypeRow(3, "Scout")};
    rows.push_back(TypeRow(5, "x"));
    ComponentRecord other = TypeRow(6, "Other family");
    other.TABLE = "TZ";
    rows.push_back(other);
    Catalog catalog(rows);

    const std::vector<ShipType> types = ReadShipTypes(catalog);
    ASSERT_EQ(types.size(), 5u);
    EXPECT_EQ(types[0].name, FixedText<20>("Merchant"));
    EXPECT_EQ(types[0].description, "Carries freightok");
    EXPECT_EQ(types[2].number, 3);
    EXPECT_EQ(types[4].number, 5);

    std::vector<ComponentRecord> many;
    for (int id = 1; id <= 30; ++id) {
        many.push_back(TypeRow(id, "Type " + std::to_string(id)));
    }
    Catalog full(many);
    EXPECT_EQ(ReadShipTypes(full).size(), 25u);
    Catalog none;
    EXPECT_TRUE(ReadShipTypes(none).empty());
}

TEST(WebIndex, ADesignIsFiledByItsNumberThenByItsNameElseUnclassified) {
    const std::vector<ShipType> types = {Type(1, "Merchant"), Type(2, "Liner"), Type(3, "Liner")};
    const auto match = [&](int number, std::string_view name) {
        return MatchShipType(types, number, FixedText<20>(name));
    };
    EXPECT_EQ(match(2, "Liner"), 2);
    EXPECT_EQ(match(3, "Liner"), 3) << "its own number wins over the first of that name";
    EXPECT_EQ(match(1, "Liner"), 2) << "a stale number is matched by name";
    EXPECT_EQ(match(0, "Merchant"), 1);
    EXPECT_EQ(match(26, "Merchant"), 1) << "a number beyond the type table, by name";
    EXPECT_EQ(match(-4, "Merchant"), 1);
    EXPECT_EQ(match(1, "merchant"), 0) << "names compare case-sensitively";
    EXPECT_EQ(match(1, "Merchant  x"), 0);
    EXPECT_EQ(MatchShipType(types, 1, FixedText<20>()), 0) << "a never-set type name";
}

TEST(WebIndex, ContentsListTypesInOrderWithTheirDesignsAndTheUnclassifiedLast) {
    const std::vector<ShipType> types = {Type(1, "Merchant", "Carries freight"),
                                         Type(2, "Liner", "Carries people"), Type(3, "Scout")};
    const std::string name(50, ' ');
    const std::vector<IndexedDesign> designs = {
        {"a.htm", "Liner A" + name.substr(7), 2},
        {"b.htm", "Trader B" + name.substr(8), 1},
        {"c.htm", "Odd C" + name.substr(5), 0},
        {"d.htm", "Liner D" + name.substr(7), 2},
    };
    const std::string expected =
        "<HTML>\r\n<head>\r\n<base target=\"shmain\">\r\n<title>Starship Type Index</title>\r\n"
        "</head>\r\n<BODY>\r\n<h1>Starship Type Index</h1>\r\n<br>\r\n"
        "<font color=\"red\">Designs of type Merchant            </font>\r\n"
        "<font color=\"green\">Carries freight</font><br>\r\n"
        "<ul>\r\n"
        "<li><a href=\"b.htm\" target=\"shmain\"><small>" +
        designs[1].ship_name +
        "</a></small></li>\r\n"
        "</ul>\r\n"
        "<font color=\"red\">Designs of type Liner               </font>\r\n"
        "<font color=\"green\">Carries people</font><br>\r\n"
        "<ul>\r\n"
        "<li><a href=\"a.htm\" target=\"shmain\"><small>" +
        designs[0].ship_name +
        "</a></small></li>\r\n"
        "<li><a href=\"d.htm\" target=\"shmain\"><small>" +
        designs[3].ship_name +
        "</a></small></li>\r\n"
        "</ul>\r\n"
        "<font color=\"red\">Unclassified designs</font><br>\r\n"
        "<ul>\r\n"
        "<li><a href=\"c.htm\" target=\"shmain\"><small>" +
        designs[2].ship_name +
        "</a></small></li>\r\n"
        "</ul>\r\n"
        "</body>\r\n</html>\r\n";
    EXPECT_EQ(ContentsOf(types, designs), expected);
}

TEST(WebIndex, TextsAreEscapedAndLinksQuotedAndPercentEncoded) {
    std::string ship("Kat & <Mouse> \"II\"\xE9", 19);
    ship += '\0';
    const std::vector<IndexedDesign> designs = {{"my ship #2 50%\"x\xC3\xA9.htm", ship, 1}};
    const std::string contents = ContentsOf({Type(1, "<b>Bold</b>", "Tom & Jerry's")}, designs);
    EXPECT_NE(contents.find("Designs of type &lt;b&gt;Bold&lt;/b&gt;         </font>"),
              std::string::npos)
        << contents;
    EXPECT_NE(contents.find("<font color=\"green\">Tom &amp; Jerry&#39;s</font>"),
              std::string::npos);
    EXPECT_NE(contents.find("<li><a href=\"my%20ship%20%232%2050%25%22x%C3%A9.htm\" "
                            "target=\"shmain\"><small>Kat &amp; &lt;Mouse&gt; "
                            "&quot;II&quot;\xE9 </a>"),
              std::string::npos)
        << contents;

    std::ostringstream frameset;
    WriteFramesetPage(frameset, "a b.htm");
    EXPECT_NE(frameset.str().find("  <frame name=\"shmain\" src=\"a%20b.htm\">\r\n"),
              std::string::npos);
}

TEST(WebIndex, TheFramesetOpensTheFirstDesignAndBothPagesAreWritten) {
    testing::TempDir folder;
    ASSERT_TRUE(
        WriteWebIndex(folder.path(), {Type(1, "Merchant")}, {{"z.htm", "Z", 0}, {"a.htm", "A", 1}})
            .ok());
    EXPECT_EQ(testing::ReadText(folder / "index.htm"),
              "<html>\r\n\r\n<head>\r\n<title>Starship Index</title>\r\n</head>\r\n\r\n"
              "<frameset cols=\"25%,*\">\r\n"
              "  <frame name=\"contents\" target=\"shmain\" src=\"index1.htm\">\r\n"
              "  <frame name=\"shmain\" src=\"z.htm\">\r\n"
              "  <noframes>\r\n  <body>\r\n"
              "  <p>This page uses frames, but your browser doesn't support them.</p>\r\n"
              "  </body>\r\n  </noframes>\r\n</frameset>\r\n</html>\r\n");
    EXPECT_NE(testing::ReadText(folder / "index1.htm").find("href=\"a.htm\""), std::string::npos);

    const auto unwritable = WriteWebIndex(folder / "missing", {}, {});
    ASSERT_FALSE(unwritable.ok());
    EXPECT_NE(unwritable.message().find("index1.htm"), std::string::npos) << unwritable.message();
}

}  // namespace
}  // namespace korvane
