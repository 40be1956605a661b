#include "ui/design_file_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace korvane::ui {
namespace {

using testing::QuestionKind;
using testing::ScriptedPrompter;
using testing::TempDir;

class DesignFileDialogsTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    TempDir dir_;
    ScriptedPrompter prompter_;
};

TEST_F(DesignFileDialogsTest, SaveAsProposesTheCurrentFileInItsFolder) {
    prompter_.AnswerSaveFile(std::nullopt);
    EXPECT_EQ(AskSaveDesignFile("", prompter_), std::nullopt);
    ASSERT_EQ(prompter_.questions().size(), 1u);
    const FileDialogRequest& first = prompter_.questions()[0].file;
    EXPECT_EQ(first.title, "Save As...");
    EXPECT_EQ(first.filter_description, "Ship design files");
    EXPECT_EQ(first.pattern, "*.k2d");
    EXPECT_EQ(first.initial_name, "*.k2d");
    EXPECT_EQ(first.initial_folder, "") << "no current file: the dialog's own folder";

    prompter_.AnswerSaveFile(std::nullopt);
    EXPECT_EQ(AskSaveDesignFile(PathOf("fleet/scout.k2d"), prompter_), std::nullopt);
    const FileDialogRequest& second = prompter_.questions()[1].file;
    EXPECT_EQ(second.initial_name, PathOf("fleet/scout.k2d"));
    EXPECT_EQ(second.initial_folder, PathOf("fleet/"));
}

TEST_F(DesignFileDialogsTest, ACancelOrAnEmptyNameChoosesNothing) {
    prompter_.AnswerSaveFile(std::nullopt).AnswerSaveFile("");
    EXPECT_EQ(AskSaveDesignFile(PathOf("old.k2d"), prompter_), std::nullopt);
    EXPECT_EQ(AskSaveDesignFile(PathOf("old.k2d"), prompter_), std::nullopt);
    EXPECT_EQ(prompter_.questions().size(), 2u) << "no overwrite question without a name";
}

TEST_F(DesignFileDialogsTest, AnExistingFileIsChosenOnlyAfterYes) {
    const std::string path = PathOf("taken.k2d");
    testing::WriteText(path, "someone else's design");

    prompter_.AnswerSaveFile(path).AnswerYesNo(false);
    EXPECT_EQ(AskSaveDesignFile("", prompter_), std::nullopt);
    ASSERT_EQ(prompter_.questions().size(), 2u);
    const testing::Question& question = prompter_.questions()[1];
    EXPECT_EQ(question.kind, QuestionKind::YesNo);
    EXPECT_EQ(question.title, "Save Design File Exists");
    EXPECT_EQ(question.text, "Warning! File exists; overwrite?");
    EXPECT_EQ(question.icon, MessageIcon::Warning);

    prompter_.AnswerSaveFile(path).AnswerYesNo(true);
    EXPECT_EQ(AskSaveDesignFile("", prompter_), path);

    prompter_.AnswerSaveFile(PathOf("new.k2d"));
    EXPECT_EQ(AskSaveDesignFile("", prompter_), PathOf("new.k2d")) << "a new file needs no Yes";
    EXPECT_EQ(prompter_.questions().size(), 5u);
}

TEST_F(DesignFileDialogsTest, LoadDesignAsksInTheFolderItIsGiven) {
    prompter_.AnswerOpenFile(std::nullopt).AnswerOpenFile("").AnswerOpenFile(PathOf("a.k2d"));
    EXPECT_EQ(AskLoadDesignFile(prompter_, PathOf("fleet/")), std::nullopt);
    EXPECT_EQ(AskLoadDesignFile(prompter_, PathOf("fleet/")), std::nullopt);
    EXPECT_EQ(AskLoadDesignFile(prompter_, PathOf("fleet/")), PathOf("a.k2d"));
    const FileDialogRequest& request = prompter_.questions()[0].file;
    EXPECT_EQ(request.title, "Load Design");
    EXPECT_EQ(request.filter_description, "Design files");
    EXPECT_EQ(request.pattern, "*.k2d");
    EXPECT_EQ(request.initial_name, "*.k2d");
    EXPECT_EQ(request.initial_folder, PathOf("fleet/"));
}

// The dialogs open where the last one left off, as where every file dialog
// changed the working folder.
TEST(DialogFolderTest, TheLastChosenFolderThenTheDesignsThenTheWorkingFolder) {
    const std::string working = std::filesystem::current_path().string();
    struct Case {
        std::vector<std::string> chosen;
        std::string design_path;
        std::string start;
    };
    const Case cases[] = {
        {{}, "", working},
        {{}, "/ships/scout.k2d", "/ships/"},
        {{}, "scout.k2d", working},  // a bare name has no folder of its own
        {{"/fleet/a.k2d"}, "/ships/scout.k2d", "/fleet/"},
        {{"/fleet/a.k2d", "/notes/b.k2n"}, "", "/notes/"},
        {{"/fleet/a.k2d", "b.k2n"}, "", "/fleet/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.chosen) + " " + c.design_path);
        DialogFolder folder;
        for (const std::string& file : c.chosen) {
            folder.Chose(file);
        }
        EXPECT_EQ(folder.StartFor(c.design_path), c.start);
    }
}

}  // namespace
}  // namespace korvane::ui
