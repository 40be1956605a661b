#include "ui/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/catalog_files.h"
#include "files/design_file.h"
#include "model/standard_catalog.h"
#include "support/run_sql.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "ui/totals_window.h"

namespace korvane::ui {
namespace {

using testing::ReadText;
using testing::WriteText;

class StartupTest : public ::testing::Test {
protected:
    bool Start() { return StartSession(session_, prompter_, document_, places_); }

    std::filesystem::path UnreadableCatalog() {
        const std::filesystem::path file = places_.data_folder / "korva.db";
        std::filesystem::create_directories(places_.data_folder);
        WriteText(file, "somebody's notes");
        return file;
    }

    testing::TempDir dir_;
    ConfigurationPlaces places_{dir_ / "config", dir_ / "data", dir_ / "state"};
    Session session_;
    testing::ScriptedPrompter prompter_;
    DesignDocument document_{session_};
    TotalsWindow totals_{document_};
};

TEST_F(StartupTest, AnUnreadableCatalogIsNamedAndNoEndsTheProgram) {
    const std::filesystem::path file = UnreadableCatalog();
    prompter_.AnswerYesNo(false);
    EXPECT_FALSE(Start());
    EXPECT_NE(prompter_.questions().at(0).text.find(file.string()), std::string::npos);
    EXPECT_EQ(ReadText(file), "somebody's notes");
}

TEST_F(StartupTest, YesRecreatesTheStandardCatalogAndKeepsTheUnreadableFile) {
    const std::filesystem::path file = UnreadableCatalog();
    WriteText(file.string() + ".broken", "an older one");
    prompter_.AnswerYesNo(true);
    ASSERT_TRUE(Start());
    EXPECT_EQ(session_.catalog->Features().Rows().size(), StandardCatalogRows().size());
    EXPECT_EQ(ReadText(file.string() + ".broken"), "an older one");
    EXPECT_EQ(ReadText(file.string() + ".broken2"), "somebody's notes");
    EXPECT_EQ(totals_.displacement.caption.substr(0, 6), "D: 100") << "the new design is shown";
}

TEST_F(StartupTest, ACatalogLockedByAnotherProgramIsInUseAndNeverOfferedForRecreation) {
    const std::filesystem::path file = places_.data_folder / "korva.db";
    std::filesystem::create_directories(places_.data_folder);
    ASSERT_TRUE(CreateCatalogFile(file, StandardCatalogRows()).ok());
    const testing::HeldWriteLock other_program(file);
    prompter_.AnswerYesNo(true).AnswerYesNo(false);  // retry once, then end
    EXPECT_FALSE(Start());
    ASSERT_EQ(prompter_.questions().size(), 2u);
    for (const testing::Question& question : prompter_.questions()) {
        EXPECT_NE(question.text.find("in use by another program"), std::string::npos);
        EXPECT_EQ(question.text.find("Recreate"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::exists(file.string() + "-journal"));
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".broken"));
}

TEST_F(StartupTest, AConfigurationWithoutAFolderIsToldAboutAndTheDataFolderServes) {
    std::filesystem::create_directories(places_.config_folder);
    WriteText(places_.config_folder / kConfigurationFileName, "[Database]\r\nDBLoc=\r\n");
    ASSERT_TRUE(Start());
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].kind, testing::QuestionKind::Message);
    EXPECT_EQ(prompter_.questions()[0].icon, MessageIcon::Warning);
    EXPECT_NE(prompter_.questions()[0].text.find("names no catalog folder"), std::string::npos);
    EXPECT_EQ(session_.CatalogPath(), places_.data_folder / kCatalogFileName);
    EXPECT_TRUE(std::filesystem::exists(session_.CatalogPath()));
}

TEST_F(StartupTest, TheCommandLineDesignIsLoaded) {
    ASSERT_TRUE(Start());
    Design ship = session_.design;
    ship.Slots[Slot::Hull].KL = 2700;
    const std::string path = (dir_ / "far trader.k2d").string();
    ASSERT_TRUE(WriteDesignFile(path, ship).ok());

    // A path with a blank arrives as two arguments.
    const auto blank = path.rfind(' ');
    LoadCommandLineDesign(prompter_, document_,
                          {path.substr(0, blank), path.substr(blank + 1) + " "});
    EXPECT_EQ(session_.CurrentDesignPath, path);
    EXPECT_FALSE(session_.design.DesignChanged);
    EXPECT_EQ(totals_.displacement.caption.substr(0, 6), "D: 200");
}

TEST_F(StartupTest, ARelativeCommandLineDesignIsRememberedByItsAbsolutePath) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WriteDesignFile(dir_ / "scout.k2d", session_.design).ok());
    const std::filesystem::path caller = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    LoadCommandLineDesign(prompter_, document_, {"scout.k2d"});
    std::filesystem::current_path(caller);
    EXPECT_EQ(session_.CurrentDesignPath, (dir_ / "scout.k2d").string());
    EXPECT_EQ(session_.catalog->Filespec(1), (dir_ / "scout.k2d").string());
}

TEST_F(StartupTest, ACommandLineDesignThatCannotBeReadIsReportedAndTheNewDesignStays) {
    ASSERT_TRUE(Start());
    const std::string path = (dir_ / "broken.k2d").string();
    WriteText(path, "1.1\r\nnot a number\r\n");
    LoadCommandLineDesign(prompter_, document_, {path});
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_NE(prompter_.questions()[0].text.find(path), std::string::npos);
    EXPECT_EQ(session_.CurrentDesignPath, "") << "a resave must not overwrite the file";
    EXPECT_EQ(session_.design.HullKL(), 1350);
}

}  // namespace
}  // namespace korvane::ui
