#include "ui/editors/anti_hijack_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/new_design.h"
#include "form_editor_test_support.h"
#include "model/standard_catalog.h"

namespace korvane::ui {
namespace {

using ui_test::SameDesignFile;

constexpr int kSecureBridgeDoor = 1;  // not scaled with the hull
constexpr int kSecurityDoor = 2;      // one per 25 tons, in the default set
constexpr int kWeaponsLocker = 4;     // not scaled, in the default set
constexpr int kGasDispenser = 6;      // 0.5 per 25 tons

class AntiHijackEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        SetHullTons(1000);
    }

    void SetHullTons(double tons) {
        design().Slots[Slot::Hull].KL = tons * 13.5;
        Settle();
        editor_.Load();
        editor_.Activate();
    }

    void SelectAvailable(int id) { editor_.available.Select(id - 1); }

    AntiHijackEditor editor_{session_, document_, prompter_};
};

TEST_F(AntiHijackEditorTest, AFittingScaledWithTheHullSuggestsItsCount) {
    prompter_.AnswerChoice(1);
    SelectAvailable(kSecurityDoor);
    editor_.InstallSelected();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].title, "Install how many?");
    EXPECT_EQ(prompter_.questions()[0].options, (std::vector<std::string>{"40", "Enter"}));
    EXPECT_EQ(design().AntiHijack[1].NUMBER, 40);

    prompter_.AnswerChoice(1);
    SelectAvailable(kGasDispenser);
    editor_.InstallSelected();
    EXPECT_EQ(prompter_.questions()[1].options, (std::vector<std::string>{"20", "Enter"}));
    EXPECT_EQ(design().AntiHijack[2].NUMBER, 20);

    prompter_.AnswerChoice(2).AnswerText("7");
    SelectAvailable(kGasDispenser);
    editor_.InstallSelected();
    EXPECT_EQ(prompter_.questions()[3].text, "Give number");
    EXPECT_EQ(design().AntiHijack[3].NUMBER, 7);
    EXPECT_TRUE(Settled());
}

TEST_F(AntiHijackEditorTest, RowOneAndUnscaledRowsOfferTheUsualCounts) {
    const std::vector<std::string> usual = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "Enter"};
    prompter_.AnswerChoice(3);
    SelectAvailable(kSecureBridgeDoor);
    editor_.InstallSelected();
    prompter_.AnswerChoice(2);
    SelectAvailable(kWeaponsLocker);
    editor_.InstallSelected();
    EXPECT_EQ(prompter_.questions()[0].options, usual);
    EXPECT_EQ(prompter_.questions()[1].options, usual);
    EXPECT_EQ(design().AntiHijack[1].NUMBER, 3);
    EXPECT_EQ(design().AntiHijack[2].NUMBER, 2);
}

TEST_F(AntiHijackEditorTest, AClosedCountQuestionInstallsNothing) {
    design().DesignChanged = false;
    const Design before = design();
    prompter_.AnswerChoice(2).AnswerText(std::nullopt);
    SelectAvailable(kSecurityDoor);
    editor_.InstallSelected();
    prompter_.AnswerChoice(std::nullopt);
    SelectAvailable(kSecurityDoor);
    editor_.InstallSelected();
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
}

TEST_F(AntiHijackEditorTest, DetailsOfAnAvailableRow) {
    SelectAvailable(kSecureBridgeDoor);
    editor_.ShowAvailableDetails();
    EXPECT_EQ(editor_.available_details.caption, "0.5 KL  0.4 Tons  0.0 Mw  Cr20,000.0  TL 6");
}

TEST_F(AntiHijackEditorTest, DefaultsInstallTheDefaultSetScaledWithTheHull) {
    design().AntiHijack[9] = catalog().LookupComponent("AH", 8);
    design().AntiHijack[9].NUMBER = 2;
    editor_.InstallDefaults();

    const auto& entries = design().AntiHijack;
    const std::vector<std::pair<int, double>> expected = {
        {1, 1}, {2, 40}, {3, 40}, {4, 1}, {5, 40}};
    for (std::size_t e = 0; e < expected.size(); ++e) {
        EXPECT_EQ(entries[e + 1].IDNUM, expected[e].first) << "entry " << e + 1;
        EXPECT_EQ(entries[e + 1].NUMBER, expected[e].second) << "entry " << e + 1;
    }
    EXPECT_EQ(entries[6].NUMBER, 0);
    EXPECT_EQ(entries[9].NUMBER, 2) << "entries after the defaults keep what they hold";
    EXPECT_EQ(editor_.installed.Count(), 6);
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_TRUE(Settled());

    // On a hull under 25 tons the scaled defaults come to 0 and are not listed.
    SetHullTons(20);
    editor_.InstallDefaults();
    EXPECT_EQ(entries[2].NUMBER, 0);
    EXPECT_EQ(editor_.installed.Count(), 3);
}

// A catalog without anti-hijack rows: "Defaults" fits nothing, not even a
// nameless entry 1.
TEST_F(AntiHijackEditorTest, DefaultsFromACatalogWithoutAntiHijackRowsFitNothing) {
    std::vector<ComponentRecord> rows = StandardCatalogRows();
    std::erase_if(rows, [](const ComponentRecord& row) { return row.TABLE == "AH"; });
    session_.catalog.reset();
    ASSERT_TRUE(CreateCatalogFile(session_.CatalogPath(), rows).ok());
    auto store = CatalogStore::Open(session_.CatalogPath());
    ASSERT_TRUE(store) << store.message();
    session_.catalog = std::move(*store);
    NewDesign(design(), catalog());

    AntiHijackEditor editor(session_, document_, prompter_);
    editor.Load();
    editor.InstallDefaults();
    for (const ComponentRecord& entry : design().AntiHijack) {
        EXPECT_EQ(entry, BlankRecord);
    }
    EXPECT_EQ(editor.installed.Count(), 0);
}

// A catalog whose default set is larger than the table: the rows beyond its
// last entry are left out, and nothing after the table is written.
TEST_F(AntiHijackEditorTest, DefaultsBeyondTheLastEntryAreLeftOut) {
    std::vector<ComponentRecord> rows = StandardCatalogRows();
    std::erase_if(rows, [](const ComponentRecord& row) { return row.TABLE == "AH"; });
    for (int id = 1; id <= 30; ++id) {
        ComponentRecord row;
        row.TABLE = "AH";
        row.IDNUM = static_cast<std::int16_t>(id);
        row.LABEL = "Fitting " + std::to_string(id);
        row.KL = 1;
        row.MISCNUM[1] = -1;
        row.MISCNUM[2] = 1;
        rows.push_back(row);
    }
    session_.catalog.reset();
    ASSERT_TRUE(CreateCatalogFile(session_.CatalogPath(), rows).ok());
    auto store = CatalogStore::Open(session_.CatalogPath());
    ASSERT_TRUE(store) << store.message();
    session_.catalog = std::move(*store);
    NewDesign(design(), catalog());
    const ComponentRecord custom_before = design().CustomFeatures[0];

    AntiHijackEditor editor(session_, document_, prompter_);
    editor.Load();
    editor.InstallDefaults();
    for (int entry = 1; entry <= kAntiHijackMax; ++entry) {
        EXPECT_EQ(design().AntiHijack[static_cast<std::size_t>(entry)].IDNUM, entry);
        EXPECT_EQ(design().AntiHijack[static_cast<std::size_t>(entry)].NUMBER, 1);
    }
    EXPECT_EQ(design().CustomFeatures[0], custom_before);
    EXPECT_EQ(editor.installed.Count(), kAntiHijackMax);
}

}  // namespace
}  // namespace korvane::ui
