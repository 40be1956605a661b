#include "files/design_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include <filesystem>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace korvane {
namespace {

// Every stored field of every entry differs from the others, so a field or an
// entry read into the wrong place shows up.
void FillRecord(ComponentRecord& record, int seed) {
    record.TABLE = std::string(1, static_cast<char>('A' + seed % 26)) + "Q";
    record.IDNUM = static_cast<std::int16_t>(seed - 200);
    record.LABEL = "  Laser, triple " + std::to_string(seed);
    record.LABEL[18] = '\0';
    record.NUMBER = seed + 0.5;
    record.KL = -seed * 0.25;
    record.TONS = seed * 1e20;
    record.CR = seed % 2 == 0 ? 1.5e-7 : -2.5e-300;
    record.MW = seed * 1024.0;
    record.USP = std::string(1, static_cast<char>('a' + seed % 26));
    record.TL = static_cast<std::int16_t>(-seed);
    for (std::size_t k = 1; k <= 10; ++k) {
        record.MISCNUM[k] = seed * 100.0 + k;
        record.MISCSTR[k] = "\xE9," + std::to_string(seed * 100 + k);
    }
}

Design FullDesign() {
    Design design;
    int seed = 1;
    FillRecord(design.DesignRecord, seed++);
    FillRecord(design.CapacityRecord, seed++);
    design.DesignRecord.MW = 0.1 + 0.2;
    design.DesignRecord.NUMBER = std::numeric_limits<double>::max();
    for (std::size_t t = 0; t < Design::kTableCount; ++t) {
        for (auto& record : design.Table(t).subspan(1)) {
            FillRecord(record, seed++);
        }
    }
    return design;
}

std::string Written(const Design& design) {
    std::ostringstream out;
    WriteDesign(out, design);
    return out.str();
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CRLF";
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

// Index (from 0) of table t's count line.
std::size_t CountLineIndex(std::size_t t) {
    std::size_t index = 60;
    for (std::size_t before = 0; before < t; ++before) {
        index += 1 + 30 * (Design().Table(before).size() - 1);
    }
    return index;
}

Status ReadText(const std::string& text, Design& design) {
    std::istringstream in(text);
    return ReadDesign(in, "ships/a.k2d", design);
}

TEST(DesignFileWrite, LayoutOfRecordsAndCountLines) {
    Design design;
    ComponentRecord& hull = design.Slots[Slot::Hull];
    hull.TABLE = "TC";
    hull.IDNUM = 5;
    hull.LABEL = "Basic hull  ";
    hull.NUMBER = -1.5;
    hull.KL = 1350;
    hull.USP = "A";
    hull.TL = 12;
    hull.MISCNUM[1] = 0.5;
    hull.MISCSTR[1] = "x";
    hull.MISCNUM[10] = 1e-5;

    const auto lines = LinesOf(Written(design));
    ASSERT_EQ(lines.size(), 5351u);
    const std::vector<std::string> hull_lines(lines.begin() + 61, lines.begin() + 91);
    const std::string nul10(10, '\0');
    EXPECT_EQ(hull_lines, (std::vector<std::string>{
                              "TC",  " 5 ",  "Basic hull", "-1.5 ", " 1350 ",  " 0 ", " 0 ", " 0 ",
                              "A",   " 12 ", " .5 ",       "x",     " 0 ",     nul10, " 0 ", nul10,
                              " 0 ", nul10,  " 0 ",        nul10,   " 0 ",     nul10, " 0 ", nul10,
                              " 0 ", nul10,  " 0 ",        nul10,   " 1E-05 ", nul10}));

    const std::vector<std::string> counts = {" 40 ", " 10 ", " 10 ", " 10 ", " 10 ", " 5 ",
                                             " 50 ", " 10 ", " 6 ",  " 15 ", " 10 "};
    for (std::size_t t = 0; t < Design::kTableCount; ++t) {
        EXPECT_EQ(lines[CountLineIndex(t)], counts[t]) << "table " << t;
    }
}

TEST(DesignFileRoundTrip, EveryFieldOfEveryEntryComesBack) {
    const Design original = FullDesign();
    Design loaded;
    ASSERT_TRUE(ReadText(Written(original), loaded));
    EXPECT_EQ(Written(loaded), Written(original));
    EXPECT_EQ(loaded.AntiHijack[15], original.AntiHijack[15]);
    EXPECT_EQ(loaded.Slots.ByNumber(40).LABEL,
              original.Slots.ByNumber(40).LABEL);                 // leading blanks, comma, NUL
    EXPECT_EQ(loaded.DesignRecord.MW, 0.3);                       // 0.1 + 0.2, 15 digits
    EXPECT_EQ(loaded.DesignRecord.NUMBER, 1.79769313486231e308);  // the largest double, cut
    EXPECT_EQ(loaded.Screens[5].TONS, original.Screens[5].TONS);
}

TEST(DesignFileRoundTrip, EmptyDesignIsFullLengthAndReadsBackEmpty) {
    const std::string text = Written(Design());
    EXPECT_EQ(LinesOf(text).size(), static_cast<std::size_t>(kDesignFileLineCount));

    Design loaded = FullDesign();
    ASSERT_TRUE(ReadText(text, loaded));
    for (std::size_t t = 0; t < Design::kTableCount; ++t) {
        for (const auto& record : loaded.Table(t).subspan(1)) {
            EXPECT_EQ(record, BlankRecord);
        }
    }
    EXPECT_TRUE(loaded.ShipName1().never_assigned());
}

TEST(DesignFileRoundTrip, FieldsTheFileDoesNotHoldKeepTheirValues) {
    Design loaded = FullDesign();
    loaded.Slots[Slot::Empty].LABEL = "entry zero";
    loaded.Slots[Slot::Armour].MISCNUM[0] = 7;
    loaded.Slots[Slot::Armour].MISCSTR[0] = "kept";
    loaded.Slots[Slot::Armour].custom = -1;
    ASSERT_TRUE(ReadText(Written(Design()), loaded));
    EXPECT_EQ(loaded.Slots[Slot::Empty].LABEL.trimmed(), "entry zero");
    EXPECT_EQ(loaded.Slots[Slot::Armour].MISCNUM[0], 7);
    EXPECT_EQ(loaded.Slots[Slot::Armour].MISCSTR[0].trimmed(), "kept");
    EXPECT_EQ(loaded.Slots[Slot::Armour].custom, -1);
    EXPECT_TRUE(IsEmptyEntry(loaded.Slots[Slot::Armour]));
}

// Unused entries are written and read as one block of lines; an entry that
// differs from the blank record in any one stored field must not pass for one.
TEST(DesignFileRoundTrip, AnyOneStoredFieldMakesAnEntryUsed) {
    std::vector<std::function<void(ComponentRecord&)>> changes = {
        [](ComponentRecord& r) { r.TABLE = "T"; }, [](ComponentRecord& r) { r.IDNUM = 1; },
        [](ComponentRecord& r) { r.LABEL = " "; }, [](ComponentRecord& r) { r.NUMBER = 1e-300; },
        [](ComponentRecord& r) { r.KL = -1; },     [](ComponentRecord& r) { r.TONS = 2; },
        [](ComponentRecord& r) { r.CR = 3; },      [](ComponentRecord& r) { r.MW = 4; },
        [](ComponentRecord& r) { r.USP = "A"; },   [](ComponentRecord& r) { r.TL = 9; },
    };
    for (std::size_t k = 1; k <= 10; ++k) {
        changes.push_back([k](ComponentRecord& r) { r.MISCNUM[k] = 0.5; });
        changes.push_back([k](ComponentRecord& r) { r.MISCSTR[k] = "x"; });
    }
    for (std::size_t change = 0; change < changes.size(); ++change) {
        Design design;
        changes[change](design.Turrets[4]);
        Design loaded;
        ASSERT_TRUE(ReadText(Written(design), loaded));
        EXPECT_EQ(loaded.Turrets[4], design.Turrets[4]) << "change " << change;
    }
}

// Line feeds alone take the line-by-line way for every entry, so reading both
// forms over the same design shows that the quick way for unused entries
// changes exactly what reading their lines one by one changes.
TEST(DesignFileRead, UnusedEntriesReadAsTheirLinesWould) {
    Design partly_used;
    FillRecord(partly_used.Slots[Slot::Configuration], 7);
    FillRecord(partly_used.Sensors[1], 8);
    const std::string crlf = Written(partly_used);
    std::string lf;
    for (const std::string& line : LinesOf(crlf)) {
        lf += line + "\n";
    }
    Design quick = FullDesign();
    Design line_by_line = FullDesign();
    for (Design* design : {&quick, &line_by_line}) {
        design->Slots[Slot::PlantFuel].MISCNUM[0] = 3;
        design->Slots[Slot::PlantFuel].custom = 2;
    }
    ASSERT_TRUE(ReadText(crlf, quick));
    ASSERT_TRUE(ReadText(lf, line_by_line));
    for (std::size_t t = 0; t < Design::kTableCount; ++t) {
        for (std::size_t i = 0; i < quick.Table(t).size(); ++i) {
            EXPECT_EQ(quick.Table(t)[i], line_by_line.Table(t)[i])
                << "table " << t << " entry " << i;
        }
    }
    EXPECT_EQ(quick.Slots[Slot::PlantFuel].MISCNUM[0], 3);
}

TEST(DesignFileRead, ShorterCountLeavesTheEntriesAboveIt) {
    const Design before = FullDesign();
    auto lines = LinesOf(Written(Design()));
    const std::size_t count_line = CountLineIndex(6);  // Accommodations
    lines[count_line] = " 30 ";
    lines.erase(lines.begin() + count_line + 1 + 30 * 30, lines.begin() + count_line + 1 + 50 * 30);

    Design loaded = before;
    ASSERT_TRUE(ReadText(Joined(lines), loaded));
    EXPECT_TRUE(IsEmptyEntry(loaded.Accommodations[30]));
    EXPECT_EQ(loaded.Accommodations[31], before.Accommodations[31]);
    EXPECT_EQ(loaded.Accommodations[50], before.Accommodations[50]);
    EXPECT_TRUE(IsEmptyEntry(loaded.Craft[1]));
}

TEST(DesignFileRead, LenientWhereTheFormatAllows) {
    auto lines = LinesOf(Written(FullDesign()));
    lines[61] = "  TC,junk";        // slot 1 TABLE: leading blanks skipped, ends at the comma
    lines[64] = "\t+12.5e1  ";      // NUMBER: blanks around, "+" and exponent
    lines[69] = " ,";               // USP: empty before the comma
    lines[70] = "+7";               // TL
    lines[71] = "1";                // MISCNUM1
    lines[72] = "a,b,c,d,e,f,g,h";  // MISCSTR1 cut to 10
    lines[2] = "A name that is longer than twenty";

    Design loaded;
    ASSERT_TRUE(ReadText(Joined(lines, "\n") + "\n\x1A", loaded));  // LF only, trailing junk
    EXPECT_EQ(loaded.Slots[Slot::Hull].TABLE, "TC");
    EXPECT_EQ(loaded.Slots[Slot::Hull].NUMBER, 125);
    EXPECT_EQ(loaded.Slots[Slot::Hull].USP, " ");
    EXPECT_EQ(loaded.Slots[Slot::Hull].TL, 7);
    EXPECT_EQ(loaded.Slots[Slot::Hull].MISCSTR[1], "a,b,c,d,e,");
    EXPECT_EQ(loaded.ShipName1(), "A name that is longe");
    EXPECT_EQ(loaded.Slots[Slot::Configuration], FullDesign().Slots[Slot::Configuration]);
}

TEST(DesignFileRead, NumberLinesReadTheirValueExactly) {
    const std::vector<std::pair<std::string, double>> cases = {
        {" 0 ", 0},
        {"-0", 0},
        {"\t42\t", 42},
        {"-17 ", -17},
        {"007", 7},
        {"123456789012345", 123456789012345.0},
        {"1234567890123456", 1234567890123456.0},
        {"9007199254740993", 9007199254740992.0},
        {"+5", 5},
        {" 2.5 ", 2.5},
        {"-.25", -0.25},
        {" 9813.2 ", 9813.2},
        {".001", 0.001},
        {"0.1", 0.1},
        {"5.", 5},
        {"-0.0", 0},
        {"123456789012.345", 123456789012.345},
        {"0.000000000000001", 1e-15},
        {"0.30000000000000004", 0.30000000000000004},
        {"1.5e3", 1500},
    };
    for (const auto& [line, value] : cases) {
        auto lines = LinesOf(Written(FullDesign()));
        lines[64] = line;  // NUMBER of slot 1
        Design loaded;
        ASSERT_TRUE(ReadText(Joined(lines), loaded)) << line;
        const double read = loaded.Slots[Slot::Hull].NUMBER;
        EXPECT_EQ(read, value) << line;
        EXPECT_FALSE(std::signbit(read) && read == 0) << line << " reads as -0";
    }
}

TEST(DesignFileWrite, LineFeedInATextCannotShiftTheLines) {
    Design design;
    design.Turrets[2].LABEL = "two\nlines";
    Design loaded;
    ASSERT_TRUE(ReadText(Written(design), loaded));
    EXPECT_EQ(loaded.Turrets[2].LABEL.trimmed(), "two lines");
}

struct BadLine {
    std::size_t index;  // from 0
    std::string text;
    std::string message;
};

TEST(DesignFileRead, BadFileLeavesTheDesignAndSaysWhereAndWhat) {
    const std::string good = Written(FullDesign());
    const std::vector<BadLine> cases = {
        {65, "abc", "line 66: expected a number for KL of slot 1, found \"abc\""},
        {65, "12abc", "line 66: expected a number for KL of slot 1, found \"12abc\""},
        {65, "", "line 66: expected a number for KL of slot 1, found \"\""},
        {4, "nan", "line 5: expected a number for KL of the design record"},
        {34, "-inf", "line 35: expected a number for KL of the capacity record"},
        {64, "1e999", "line 65: expected a number for NUMBER of slot 1"},
        {31, "40000",
         "line 32: expected a whole number from -32768 to 32767 for IDNUM of the "
         "capacity record, found \"40000\""},
        {CountLineIndex(1) + 10, "2.5", "for TL of Sensors entry 1"},
        {CountLineIndex(1), " 11 ",
         "expected the number of Sensors entries (0 to 10), found \" 11 \""},
        {CountLineIndex(10), "-1", "the number of CustomFeatures entries (0 to 10)"},
        {CountLineIndex(9) + 1 + 14 * 30 + 3, "\x01\x02", "of AntiHijack entry 15, found \"??\""},
        {CountLineIndex(9) + 1 + 14 * 30 + 3, "1\x81\x8d\x8f\x90\x9d\x1b[2J\x80",
         "found \"1??????[2J\xe2\x82\xac\""},
    };
    for (const auto& bad : cases) {
        auto lines = LinesOf(good);
        lines[bad.index] = bad.text;
        Design design = FullDesign();
        design.Slots[Slot::Hull].LABEL = "unchanged";
        const std::string before = Written(design);
        const Status status = ReadText(Joined(lines), design);
        ASSERT_FALSE(status) << bad.text;
        EXPECT_NE(status.message().find("ships/a.k2d, line "), std::string::npos);
        EXPECT_NE(status.message().find(bad.message), std::string::npos) << status.message();
        EXPECT_EQ(Written(design), before);
    }
}

TEST(DesignFileRead, TruncatedEmptyOrBinaryFileIsRefused) {
    auto truncated = LinesOf(Written(FullDesign()));
    truncated.resize(5335);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "line 1: expected TABLE of the design record, found the end of the file"},
        {Joined(truncated),
         "line 5336: expected a number for MISCNUM3 of CustomFeatures entry 10, found the end"},
        {std::string(5000, '\x7F'), "found a line of more than 4096 characters"},
        {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "line 2: expected a whole number"},
    };
    for (const auto& [text, message] : cases) {
        Design design = FullDesign();
        const Status status = ReadText(text, design);
        ASSERT_FALSE(status);
        EXPECT_NE(status.message().find(message), std::string::npos) << status.message();
        EXPECT_EQ(Written(design), Written(FullDesign()));
    }
}

TEST(DesignFileOnDisk, SaveReplacesAndLoadReadsBack) {
    const auto folder = std::filesystem::temp_directory_path() / "korvane_design_file_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto path = folder / "a.k2d";

    ASSERT_TRUE(WriteDesignFile(path, Design()));
    ASSERT_TRUE(WriteDesignFile(path, FullDesign()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    Design loaded;
    ASSERT_TRUE(ReadDesignFile(path, loaded));
    EXPECT_EQ(Written(loaded), Written(FullDesign()));

    const Status missing = ReadDesignFile(folder / "gone.k2d", loaded);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.message().find("gone.k2d"), std::string::npos);
    EXPECT_FALSE(ReadDesignFile(folder, loaded));

    const Status unwritable = WriteDesignFile(folder / "no" / "b.k2d", loaded);
    ASSERT_FALSE(unwritable);
    EXPECT_NE(unwritable.message().find("b.k2d"), std::string::npos);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace korvane
