#include "ui/editors/sensors_editor.h"

#include <gtest/gtest.h>

#include "app/load_design.h"
#include "support/test_session.h"
#include "ui/editors/list_editor_test_support.h"

namespace korvane::ui_test {
namespace {

using testing::QuestionKind;

ComponentRecord Sensor(std::string_view table, int id, int tl, std::string_view scan = "------",
                       std::string_view label = "") {
    ComponentRecord row =
        Row(table, id, label.empty() ? std::string(table) + " " + std::to_string(id) : label, 1, 1,
            1, 1000, tl);
    row.MISCSTR[1] = scan;
    return row;
}

// The rows the defaults take, and a densitometer and neutrino sensor for
// several tech levels; ids run without gaps.
std::vector<ComponentRecord> SensorCatalog() {
    std::vector<ComponentRecord> rows;
    for (int id = 1; id <= 12; ++id) {
        rows.push_back(Sensor("SA", id, 8));
    }
    rows[5] = Sensor("SA", 6, 9, "RD----", "A-EMS  Cont Standard");
    rows[11] = Sensor("SA", 12, 9, "-----F", "P-EMS  Cont 1 MW Std");
    for (int id = 1; id <= 5; ++id) {
        rows.push_back(Sensor("SV", id, 9, id == 5 ? "--*---" : "------"));
    }
    for (int id = 1; id <= 9; ++id) {
        rows.push_back(Sensor("SD", id, 10));
    }
    rows.push_back(Sensor("SD", 10, 11));
    rows.push_back(Sensor("SD", 11, 12));
    rows.push_back(Sensor("SD", 12, 13));
    rows.push_back(Sensor("SN", 1, 10));
    rows.push_back(Sensor("SN", 2, 12));
    rows.push_back(Sensor("SN", 3, 14));
    rows.push_back(Sensor("SM", 1, 7));
    return rows;
}

class SensorsEditorTest : public ListEditorFixture {
protected:
    void Open(int tech_level) {
        OpenCatalog(SensorCatalog(), tech_level);
        editor_.Load();
        editor_.Activate();
    }

    void Defaults(std::optional<int> count) {
        prompter_.AnswerChoice(count);
        editor_.InstallDefaults();
    }

    // "SA 6 x2 TL12" for the entry: what it holds, how many and its tech level.
    std::string Entry(int i) {
        const ComponentRecord& e = design().Sensors[i];
        return e.TABLE.str() + " " + std::to_string(e.IDNUM) + " x" +
               std::to_string(static_cast<int>(e.NUMBER)) + " TL" + std::to_string(e.TL);
    }

    ui::SensorsEditor editor_{session_, document_, prompter_};
};

TEST_F(SensorsEditorTest, AvailableListsTheFiveCodesInTheirOrderEachRowWithItsKey) {
    Open(12);
    ASSERT_EQ(editor_.available.Count(), 12 + 5 + 12 + 3 + 1);
    EXPECT_EQ(editor_.available.Key(12), (ui::CatalogKey{"SV", 1}));
    EXPECT_EQ(editor_.available.Key(29), (ui::CatalogKey{"SN", 1}));
    EXPECT_EQ(editor_.available.Key(32), (ui::CatalogKey{"SM", 1}));

    prompter_.AnswerChoice(1);
    editor_.available.Select(29);  // SN 1: not SA 1, whose id it shares
    editor_.InstallSelected();
    EXPECT_EQ(Entry(1), "SN 1 x1 TL10");
}

TEST_F(SensorsEditorTest, DefaultsInstallTheSuiteAndTheBestSensorsOfTheTechLevel) {
    Open(12);
    Defaults(2);
    EXPECT_EQ(prompter_.questions().at(0).title, "Install how many?");
    EXPECT_EQ(Entry(1), "SA 6 x2 TL12");
    EXPECT_EQ(Entry(2), "SA 12 x2 TL12");
    EXPECT_EQ(Entry(3), "SV 5 x2 TL12");
    EXPECT_EQ(Entry(4), "SD 11 x2 TL12") << "the last densitometer from id 10 on within TL 12";
    EXPECT_EQ(Entry(5), "SN 2 x2 TL12");
    EXPECT_EQ(design().Sensors[6], BlankRecord);
    EXPECT_EQ(editor_.installed.Count(), 5);
    EXPECT_TRUE(design().DesignChanged);
}

TEST_F(SensorsEditorTest, AtTechLevelTenTheBasicDensitometerIsFitted) {
    Open(10);
    Defaults(1);
    EXPECT_EQ(Entry(4), "SD 1 x1 TL10");
    EXPECT_EQ(Entry(5), "SN 1 x1 TL10");
}

TEST_F(SensorsEditorTest, BelowTheirTechLevelsTheEntriesStayFreeWithTheirLabels) {
    Open(9);
    Defaults(1);
    EXPECT_EQ(design().Sensors[4].LABEL.trimmed(), "No densitometer");
    EXPECT_EQ(design().Sensors[4].NUMBER, 0);
    EXPECT_EQ(design().Sensors[5].LABEL.trimmed(), "No Neutrino");
    EXPECT_EQ(design().Sensors[5].NUMBER, 0);
    EXPECT_EQ(editor_.installed.Count(), 3);
}

TEST_F(SensorsEditorTest, DefaultsFillOnlyTheFreeEntriesThatAreLeft) {
    Open(12);
    for (int i = 1; i <= kSensorsMax; ++i) {
        design().Sensors[i] = Sensor("SM", 1, 7);
    }
    design().Sensors[3].NUMBER = 0;
    design().Sensors[9].NUMBER = 0;
    Defaults(1);
    EXPECT_EQ(Entry(3), "SA 6 x1 TL12");
    EXPECT_EQ(Entry(4), "SM 1 x1 TL7") << "an installed sensor is never written over";
    EXPECT_EQ(Entry(9), "SA 12 x1 TL12");
    EXPECT_EQ(Entry(10), "SM 1 x1 TL7");
}

TEST_F(SensorsEditorTest, ADefaultTheCatalogLacksTakesNoEntry) {
    std::vector<ComponentRecord> rows = SensorCatalog();
    std::erase_if(rows, [](const ComponentRecord& row) { return row.TABLE == "SV"; });
    OpenCatalog(rows, 12);
    Defaults(1);
    EXPECT_EQ(Entry(2), "SA 12 x1 TL12");
    EXPECT_EQ(Entry(3), "SD 11 x1 TL12") << "no blank sensor where the visual suite would be";
}

TEST_F(SensorsEditorTest, DefaultsWithoutAFreeEntryOrAnAnswerChangeNothing) {
    Open(12);
    for (int i = 1; i <= kSensorsMax; ++i) {
        design().Sensors[i] = Sensor("SM", 1, 7);
    }
    const Design before = design();
    Defaults(1);
    EXPECT_EQ(prompter_.questions().back().kind, QuestionKind::Message);
    EXPECT_EQ(prompter_.questions().back().text,
              "You already have the maximum number of options selected.");
    design().Sensors[1].NUMBER = 0;
    Defaults(std::nullopt);
    design().Sensors[1].NUMBER = 1;
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
}

TEST_F(SensorsEditorTest, ScanResultsShowTheBestLetterOfEachPosition) {
    Open(12);
    EXPECT_EQ(editor_.scan_results.caption, "  AOS=-  AOP=-  POS=-  POP=-  PES=I  PEP=-");
    Defaults(1);
    // SA 6 scans "RD----", SA 12 "-----F", SV 5 "--D---" at TL 12; the
    // passive EMS's "Cont" scores 4 and its "1 M" range adds 2: an "R" at PES.
    EXPECT_EQ(editor_.scan_results.caption, "  AOS=R  AOP=D  POS=D  POP=-  PES=R  PEP=F");
}

TEST(SensorsEditorRoundTrip, OpeningAndClosingOnALoadedDesignLeavesItsFileAsItWas) {
    testing::TempDir dir;
    Session session;
    testing::StartTestSession(session, dir.path());
    ui::DesignDocument document{session};
    testing::ScriptedPrompter prompter;
    ui::SensorsEditor editor{session, document, prompter};
    editor.Load();
    prompter.AnswerChoice(2);
    editor.InstallDefaults();
    const std::string path = (dir / "scout.k2d").string();
    ASSERT_TRUE(WriteDesignFile(path, session.design).ok());
    ASSERT_TRUE(LoadDesign(session, path).ok());
    ASSERT_TRUE(WriteDesignFile(path, session.design).ok());
    const std::string saved = testing::ReadText(path);

    ui::SensorsEditor reopened{session, document, prompter};
    reopened.Load();
    reopened.Activate();
    ASSERT_GE(reopened.installed.Count(), 3);
    reopened.installed.Select(1);
    reopened.ShowInstalledDetails();
    ASSERT_TRUE(WriteDesignFile(path, session.design).ok());
    EXPECT_TRUE(testing::ReadText(path) == saved) << "the design file changed";
    EXPECT_FALSE(session.design.DesignChanged);
}

}  // namespace
}  // namespace korvane::ui_test
