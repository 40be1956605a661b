#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/load_design.h"
#include "engine/status_summary.h"
#include "files/design_file.h"
#include "model/text_helpers.h"
#include "support/archive_folder.h"
#include "support/run_sql.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"
#include "ui/design_file_dialogs.h"
#include "ui/scripted_desktop.h"

namespace korvane::ui {
namespace {

using testing::QuestionKind;
using testing::TempDir;
using testing::WriteText;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { testing::StartTestSession(session_, dir_.path()); }

    // A design file `name` in the temporary folder, for a ship named as the file.
    std::string SavedShip(const std::string& name) {
        Design ship = session_.design;
        ship.SetShipName(name);
        const std::string path = (dir_ / name).string();
        EXPECT_TRUE(WriteDesignFile(path, ship).ok());
        return path;
    }

    std::string ShipName() const { return session_.design.ShipName().substr(0, 9); }
    // An unsaved change, made as every change is made.
    void ChangeTheDesign() {
        document_.Change("Rename", [](Design& design) { design.SetShipName("Renamed"); });
    }
    const testing::Question& LastQuestion() const { return prompter_.questions().back(); }

    TempDir dir_;
    Session session_;
    testing::ScriptedPrompter prompter_;
    ui_test::ScriptedDesktop desktop_;
    DesignDocument document_{session_};
    TotalsWindow totals_{document_};
    TextWindow text_window_{desktop_};
    MainWindow main_window_{session_, document_, prompter_, desktop_, totals_, text_window_};
};

TEST_F(MainWindowTest, SectionButtonsOpenTheirEditorsAndShortcutsClickTheirCommands) {
    EXPECT_EQ(DisplayText(main_window_.ButtonOf(MainWindowCommand::Hull).caption),
              "Hull & basic data");
    std::string enabled;
    for (std::size_t i = 0; i < kMainWindowCommandCount; ++i) {
        const Button& button = main_window_.ButtonOf(static_cast<MainWindowCommand>(i));
        if (button.enabled) {
            enabled += DisplayText(button.caption) + ";";
        }
    }
    EXPECT_EQ(enabled,
              "Hull & basic data;Power;Drives;Electronics;Weapons & screens;Control & computers;"
              "Crew & accomodation;Subordinate craft;Other;"
              "Reset;Exit;Recalculate;Fast resave;Load Design;Save As...;Edit notes;View Profile;"
              "Last x edits...;Bulk save options;Posh Print!;List features;Compare with...;About;")
        << "Undo and Redo wait for a change";
    for (const SectionName& section : kSections) {
        EXPECT_EQ(main_window_.Click(CommandOf(section.section)),
                  MainWindowRequest::OpenEditorOf(section.section))
            << section.name;
    }

    std::string clicked;
    for (const Shortcut& shortcut : kMainWindowShortcuts) {
        clicked += std::string(shortcut.keys) + "=" +
                   DisplayText(main_window_.ButtonOf(shortcut.command).caption) + ";";
    }
    EXPECT_EQ(clicked,
              "Ctrl+O=Load Design;Ctrl+S=Fast resave;Ctrl+Shift+S=Save As...;"
              "Ctrl+P=Posh Print!;F5=Recalculate;Ctrl+Q=Exit;"
              "Ctrl+Z=Undo;Ctrl+Shift+Z=Redo;Ctrl+Y=Redo;");
}

TEST_F(MainWindowTest, EveryCommandHasAnAccessKeyOfItsOwn) {
    std::map<char, std::string> keys;
    for (std::size_t i = 0; i < kMainWindowCommandCount; ++i) {
        const std::string& caption =
            main_window_.ButtonOf(static_cast<MainWindowCommand>(i)).caption;
        std::optional<char> key;
        for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
            if (caption[at] == '&') {
                if (caption[at + 1] != '&') {
                    key = LowerCase(caption[at + 1]);
                }
                ++at;
            }
        }
        const auto command = static_cast<MainWindowCommand>(i);
        if (command == MainWindowCommand::About || command == MainWindowCommand::Undo ||
            command == MainWindowCommand::Redo) {
            EXPECT_FALSE(key.has_value()) << "no letter of \"" << caption << "\" is left";
            continue;
        }
        ASSERT_TRUE(key.has_value()) << caption;
        EXPECT_TRUE(keys.emplace(*key, caption).second)
            << "\"" << caption << "\" and \"" << keys[*key] << "\"";
    }
}

TEST_F(MainWindowTest, TitleNamesTheDesignFileAndMarksUnsavedChanges) {
    EXPECT_EQ(main_window_.Caption(), AppTitle());
    session_.CurrentDesignPath = "/fleet/Scout.K2D";
    ChangeTheDesign();
    EXPECT_EQ(main_window_.Caption(), AppTitle() + " - Scout.K2D *");
}

TEST_F(MainWindowTest, TheLoadDesignDialogNamesItsFilter) {
    prompter_.AnswerOpenFile(std::nullopt);
    main_window_.LoadDesignCommand();
    ASSERT_EQ(LastQuestion().kind, QuestionKind::OpenFile);
    EXPECT_EQ(LastQuestion().file.filter_description, "Design files")
        << "a filter without a name is a blank entry in the dialog's list";
    EXPECT_EQ(LastQuestion().file.pattern, "*.k2d");
}

TEST_F(MainWindowTest, UnsavedChangesAreAskedAboutAndNoKeepsTheDesign) {
    prompter_.AnswerOpenFile(std::nullopt);
    main_window_.LoadDesignCommand();
    EXPECT_EQ(LastQuestion().kind, QuestionKind::OpenFile) << "nothing changed, nothing asked";

    ChangeTheDesign();
    prompter_.AnswerYesNo(false).AnswerYesNo(false);
    main_window_.LoadDesignCommand();
    EXPECT_EQ(LastQuestion().title, AppTitle());
    EXPECT_EQ(LastQuestion().text, "You haven't saved your changes. Are you sure?");
    EXPECT_EQ(LastQuestion().icon, MessageIcon::Critical);
    EXPECT_EQ(main_window_.BulkSaveCommand(), MainWindowRequest::None);
    EXPECT_TRUE(session_.design.DesignChanged);

    prompter_.AnswerYesNo(true).AnswerOpenFile(SavedShip("Other.k2d"));
    main_window_.LoadDesignCommand();
    EXPECT_EQ(ShipName(), "Other.k2d");
    EXPECT_EQ(totals_.changed_mark.caption, "Saved");
}

TEST_F(MainWindowTest, LastEditsOffersTheRememberedFilesAndLoadsTheChosenOne) {
    main_window_.LastEditsCommand();  // none remembered: no dialog, a word why
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(LastQuestion().kind, QuestionKind::Message);
    EXPECT_NE(LastQuestion().text.find("No design"), std::string::npos);

    const std::string a = SavedShip("Alpha.k2d");
    const std::string b = SavedShip("Beta.k2d");
    const std::string c = SavedShip("Gamma.k2d");
    for (const std::string& path : {a, b, c}) {
        ASSERT_TRUE(LoadDesign(session_, path).ok());
    }
    ChangeTheDesign();
    prompter_.AnswerYesNo(true).AnswerChoice(2);
    main_window_.LastEditsCommand();
    EXPECT_EQ(LastQuestion().title, "Previous Edits");
    EXPECT_EQ(LastQuestion().options,
              (std::vector<std::string>{"    " + c + "    ", "    " + b + "    ",
                                        "    " + a + "    ", "Abandon"}));
    EXPECT_EQ(ShipName(), "Beta.k2d ");
    EXPECT_EQ(session_.CurrentDesignPath, b);
    EXPECT_FALSE(session_.design.DesignChanged);

    // "Abandon" and a dialog closed without a choice change nothing.
    prompter_.AnswerChoice(4).AnswerChoice(std::nullopt);
    main_window_.LastEditsCommand();
    main_window_.LastEditsCommand();
    EXPECT_EQ(session_.CurrentDesignPath, b);
}

TEST_F(MainWindowTest, ADroppedDesignFileIsLoadedAfterTheUnsavedChangesQuestion) {
    const std::string dropped = SavedShip("Dropped.k2d");
    ChangeTheDesign();
    prompter_.AnswerYesNo(false).AnswerYesNo(true);
    main_window_.LoadDroppedFile(dropped);
    EXPECT_TRUE(session_.CurrentDesignPath.empty()) << "No keeps the changed design";
    main_window_.LoadDroppedFile(dropped);
    EXPECT_EQ(session_.CurrentDesignPath, dropped);
    EXPECT_EQ(ShipName(), "Dropped.k");
}

TEST_F(MainWindowTest, SaveAsProposesTheShipsNameForADesignWithoutAFile) {
    session_.design.SetShipName("Far Trader Kestrel/2");
    prompter_.AnswerSaveFile(std::nullopt);
    main_window_.SaveAsCommand();
    EXPECT_EQ(LastQuestion().file.initial_name, "Far Trader Kestrel2.k2d");

    session_.CurrentDesignPath = SavedShip("Old.k2d");
    prompter_.AnswerSaveFile(std::nullopt);
    main_window_.SaveAsCommand();
    EXPECT_EQ(LastQuestion().file.initial_name, session_.CurrentDesignPath) << "its file wins";

    EXPECT_EQ(FileNameOfShip(std::string(50, '\0')), "");
    EXPECT_EQ(FileNameOfShip("  Bad\tName\x7f  "), "BadName");
}

TEST_F(MainWindowTest, ARememberedFileThatCannotBeReadIsReportedAndChangesNothing) {
    const std::string bad = SavedShip("Bad.k2d");
    const std::string good = SavedShip("Good.k2d");
    ASSERT_TRUE(LoadDesign(session_, bad).ok());
    ASSERT_TRUE(LoadDesign(session_, good).ok());
    WriteText(bad, "not a design\r\n");

    prompter_.AnswerChoice(2);
    main_window_.LastEditsCommand();
    EXPECT_EQ(LastQuestion().kind, QuestionKind::Message);
    EXPECT_NE(LastQuestion().text.find(bad), std::string::npos) << LastQuestion().text;
    EXPECT_EQ(session_.CurrentDesignPath, good) << "a resave must not overwrite the bad file";
    EXPECT_EQ(ShipName(), "Good.k2d ");
}

TEST_F(MainWindowTest, AFileThatCannotBeRecordedAmongTheRecentFilesIsKeptWithAWarning) {
    const std::string loaded = SavedShip("Loaded.k2d");
    testing::RunSql(session_.CatalogPath(),
                    "CREATE TRIGGER refuse BEFORE INSERT ON \"Recent Edits\" "
                    "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END;");
    const auto expect_warning = [this] {
        EXPECT_EQ(LastQuestion().kind, QuestionKind::Message);
        EXPECT_EQ(LastQuestion().icon, MessageIcon::Warning);
        EXPECT_NE(LastQuestion().text.find(
                      "the list of recently used designs could not be updated (disk I/O error)"),
                  std::string::npos)
            << LastQuestion().text;
    };

    prompter_.AnswerOpenFile(loaded);
    main_window_.LoadDesignCommand();
    expect_warning();
    EXPECT_EQ(session_.CurrentDesignPath, loaded);
    EXPECT_EQ(ShipName(), "Loaded.k2");

    const std::string saved = (dir_ / "Saved.k2d").string();
    prompter_.AnswerSaveFile(saved);
    main_window_.SaveAsCommand();
    expect_warning();
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(session_.CurrentDesignPath, saved);
    EXPECT_EQ(session_.catalog->Filespec(1), "");
}

// Saving over a design of a folder from someone else never writes or reads
// outside it through a companion's link: the save is refused and named, a
// notes file leading out is left out with a warning.
TEST_F(MainWindowTest, SaveAsNeverLeavesTheFolderThroughACompanionsLink) {
    const std::filesystem::path archive = dir_ / "archive";
    testing::BuildArchiveFolder(archive, testing::ReadText(SavedShip("Model.k2d")));
    const auto outside_before = testing::FilesBelow(archive / "outside");
    session_.design.SetShipName("Saved by the program");

    for (const testing::ArchiveDesign& row : testing::ArchiveDesigns()) {
        const std::filesystem::path design = archive / "fleet" / row.name;
        if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(design))) {
            continue;  // the design file itself is the user's choice
        }
        SCOPED_TRACE(row.name);
        const std::string before = testing::ReadText(design);
        const std::size_t asked = prompter_.questions().size();
        prompter_.AnswerSaveFile(design.string()).AnswerYesNo(true);  // overwrite it
        main_window_.SaveAsCommand();
        const bool refused = row.resave_exit != 0;
        EXPECT_EQ(testing::ReadText(design) == before, refused);
        if (row.resave_says.empty()) {
            EXPECT_EQ(prompter_.questions().size(), asked + 2) << "the file dialog and overwrite";
        } else {
            EXPECT_EQ(LastQuestion().icon, refused ? MessageIcon::Critical : MessageIcon::Warning);
            EXPECT_NE(LastQuestion().text.find(row.resave_says), std::string::npos)
                << LastQuestion().text;
        }
    }
    EXPECT_EQ(testing::FilesBelow(archive / "outside"), outside_before);
    EXPECT_EQ(testing::ReadText(archive / "fleet/notes.K2P").find("PRIVATE KEY"),
              std::string::npos);
}

// Each dialog opens where a file was last chosen in any of them, not where
// the program was started.
TEST_F(MainWindowTest, FileDialogsOpenWhereAFileWasLastChosen) {
    std::filesystem::create_directories(dir_ / "fleet");
    std::filesystem::create_directories(dir_ / "notes");
    const std::string fleet = (dir_ / "fleet").string() + "/";
    const std::string notes = (dir_ / "notes").string() + "/";
    const std::string working = std::filesystem::current_path().string();

    prompter_.AnswerOpenFile(std::nullopt);
    main_window_.Click(MainWindowCommand::LoadDesign);
    EXPECT_EQ(LastQuestion().file.initial_folder, working) << "nothing chosen, no design file";

    prompter_.AnswerOpenFile(fleet + "missing.k2d").AnswerOpenFile(std::nullopt);
    main_window_.Click(MainWindowCommand::LoadDesign);  // reported: the file is not there
    main_window_.Click(MainWindowCommand::CompareWith);
    EXPECT_EQ(LastQuestion().file.initial_folder, fleet);

    WriteText(notes + "old.k2n", "notes");
    prompter_.AnswerOpenFile(notes + "old.k2n");
    main_window_.Click(MainWindowCommand::EditNotes);
    prompter_.AnswerSaveFile(std::nullopt).AnswerOpenFile(std::nullopt);
    main_window_.Click(MainWindowCommand::SaveAs);
    EXPECT_EQ(LastQuestion().file.initial_folder, notes) << "a design without a file";
    main_window_.Click(MainWindowCommand::ViewProfile);
    EXPECT_EQ(LastQuestion().file.initial_folder, notes);
}

TEST_F(MainWindowTest, ViewProfileProposesTheProfileOfTheCurrentDesign) {
    session_.CurrentDesignPath = "/fleet/Scout.K2D";
    prompter_.AnswerOpenFile(std::nullopt);
    main_window_.ViewProfileCommand();
    EXPECT_EQ(LastQuestion().file.initial_name, "scout.k2p");
    EXPECT_TRUE(desktop_.opened_in_editor.empty());

    // Beside a saved design the proposal is spelt as the profile file is.
    const std::string profile = (dir_ / "Scout.K2P").string();
    WriteText(profile, "profile");
    session_.CurrentDesignPath = (dir_ / "Scout.K2D").string();
    prompter_.AnswerOpenFile(profile);
    main_window_.ViewProfileCommand();
    EXPECT_EQ(LastQuestion().file.initial_name, "Scout.K2P");
    EXPECT_EQ(LastQuestion().file.initial_folder, dir_.path().string() + "/");
    EXPECT_EQ(desktop_.opened_in_editor, std::vector<std::string>{profile});
}

TEST_F(MainWindowTest, EditNotesCreatesTheNotesFileOnlyWhenTheUserTakesIt) {
    session_.CurrentDesignPath = SavedShip("Scout.k2d");
    const std::filesystem::path notes = dir_ / "Scout.K2N";
    prompter_.AnswerOpenFile(std::nullopt).AnswerOpenFile(notes.string());
    main_window_.EditNotesCommand();
    EXPECT_EQ(LastQuestion().file.initial_name, "Scout.K2N");
    EXPECT_FALSE(std::filesystem::exists(notes)) << "a cancel leaves nothing behind";

    main_window_.EditNotesCommand();
    EXPECT_TRUE(std::filesystem::exists(notes));
    EXPECT_EQ(desktop_.opened_in_editor, std::vector<std::string>{notes.string()});
}

TEST_F(MainWindowTest, AProfileNoEditorTakesIsReportedAndShownReadOnly) {
    const std::string profile = (dir_ / "Scout.K2P").string();
    WriteText(profile, "SCOUT\r\nJ-2 M-2\r\n");
    for (const bool fails_at_once : {true, false}) {
        SCOPED_TRACE(fails_at_once ? "the opener cannot start" : "the opener ends in failure");
        desktop_.editor_fails = fails_at_once;
        std::vector<MainWindowRequest> late;
        main_window_.SetLateRequestHandler(
            [&late](MainWindowRequest request) { late.push_back(request); });
        prompter_.AnswerOpenFile(profile);
        MainWindowRequest request = main_window_.Click(MainWindowCommand::ViewProfile);
        if (!fails_at_once) {
            EXPECT_EQ(request, MainWindowRequest::None) << "the opener is still running";
            desktop_.editor_failed_later(Error{"xdg-open: x-terminal-emulator: not found"});
            ASSERT_EQ(late.size(), 1u);
            request = late.front();
        }
        EXPECT_EQ(request, MainWindowRequest::ShowTextWindow);
        EXPECT_EQ(LastQuestion().kind, QuestionKind::Message);
        EXPECT_NE(LastQuestion().text.find(profile), std::string::npos) << LastQuestion().text;
        EXPECT_EQ(text_window_.text.text, "SCOUT\r\nJ-2 M-2\r\n");
        EXPECT_TRUE(text_window_.text.read_only);
        text_window_.Ok();
        main_window_.TextWindowClosed();
        EXPECT_EQ(testing::ReadText(profile), "SCOUT\r\nJ-2 M-2\r\n");
    }
}

TEST_F(MainWindowTest, NotesNoEditorTakesAreEditedInTheTextWindowAndSavedByItsOk) {
    session_.CurrentDesignPath = SavedShip("Scout.k2d");
    const std::string notes = (dir_ / "Scout.K2N").string();
    WriteText(notes, "Built at Regina.");
    desktop_.editor_fails = true;
    for (const bool ok : {false, true}) {
        prompter_.AnswerOpenFile(notes);
        EXPECT_EQ(main_window_.Click(MainWindowCommand::EditNotes),
                  MainWindowRequest::ShowTextWindow);
        EXPECT_FALSE(text_window_.text.read_only);
        EXPECT_EQ(text_window_.text.text, "Built at Regina.");
        text_window_.text.text += " Refitted 1105.";
        ok ? text_window_.Ok() : text_window_.Cancel();
        main_window_.TextWindowClosed();
        EXPECT_EQ(testing::ReadText(notes),
                  ok ? "Built at Regina. Refitted 1105." : "Built at Regina.");
    }
    // The text window's next use (the feature list) saves no notes.
    EXPECT_EQ(main_window_.Click(MainWindowCommand::ListFeatures),
              MainWindowRequest::ShowTextWindow);
    text_window_.Ok();
    main_window_.TextWindowClosed();
    EXPECT_EQ(testing::ReadText(notes), "Built at Regina. Refitted 1105.");
}

TEST_F(MainWindowTest, FastResaveNeedsAFileAndWritesTheDesignAndItsCompanions) {
    main_window_.FastResaveCommand();
    EXPECT_EQ(LastQuestion().text, "No file to resave");

    session_.CurrentDesignPath = (dir_ / "Scout.k2d").string();
    ChangeTheDesign();
    main_window_.FastResaveCommand();
    EXPECT_EQ(prompter_.questions().size(), 1u) << "no question and no failure";
    for (const char* file : {"Scout.k2d", "Scout.K2P", "Scout.htm"}) {
        EXPECT_TRUE(std::filesystem::exists(dir_ / file)) << file;
    }
    EXPECT_EQ(totals_.changed_mark.caption, "Saved");
}

TEST_F(MainWindowTest, ASaveOverAFileAnotherProgramSavedMeanwhileAsksFirst) {
    // Fast resave and "Save As..." over the file that was loaded; No keeps the
    // other program's save, Yes overwrites it.
    struct Case {
        MainWindowCommand command;
        bool overwrite;
    };
    for (const Case& c :
         {Case{MainWindowCommand::FastResave, false}, Case{MainWindowCommand::FastResave, true},
          Case{MainWindowCommand::SaveAs, false}, Case{MainWindowCommand::SaveAs, true}}) {
        SCOPED_TRACE(std::string(CommandCaption(c.command)) + (c.overwrite ? " Yes" : " No"));
        const std::string path = SavedShip("Ours");
        ASSERT_TRUE(LoadDesign(session_, path).ok());
        Design theirs = session_.design;
        theirs.SetShipName("Them");  // as long as ours: the same size
        ASSERT_TRUE(WriteDesignFile(path, theirs).ok());
        if (c.command == MainWindowCommand::SaveAs) {
            prompter_.AnswerSaveFile(path).AnswerYesNo(true);  // "File exists; overwrite?"
        }
        prompter_.AnswerYesNo(c.overwrite);
        main_window_.Click(c.command);

        ASSERT_FALSE(prompter_.questions().empty());
        EXPECT_NE(LastQuestion().text.find("has changed since it was read"), std::string::npos);
        Design on_disk = session_.design;
        ASSERT_TRUE(ReadDesignFile(path, on_disk).ok());
        EXPECT_EQ(on_disk.ShipName().substr(0, 4), c.overwrite ? "Ours" : "Them");
        EXPECT_EQ(std::filesystem::exists(dir_ / "Ours.K2P"), c.overwrite);
        std::filesystem::remove(dir_ / "Ours.K2P");
    }
}

TEST_F(MainWindowTest, RecalculateAndListFeaturesShowTheCurrentFigures) {
    session_.design.Slots[Slot::Hull].KL = 2700;
    main_window_.Click(MainWindowCommand::Recalculate);
    EXPECT_EQ(totals_.displacement.caption.substr(0, 6), "D: 200");

    EXPECT_EQ(main_window_.Click(MainWindowCommand::ListFeatures),
              MainWindowRequest::ShowTextWindow);
    EXPECT_EQ(text_window_.heading.caption, "Feature List");
    const std::string empty_slot = "40" + std::string(17, ' ') + "\r\n" + "    " + " KL\r\n";
    EXPECT_NE(text_window_.text.text.find(empty_slot), std::string::npos);
}

TEST_F(MainWindowTest, RecalculatingTwiceShowsTheSameTotals) {
    Design& design = session_.design;
    design.Slots[Slot::Hull].KL = 1350000;           // a bridge crew of 11 instead of 1
    design.Slots[Slot::AuxiliaryBridge].NUMBER = 1;  // and an auxiliary bridge sized by it
    const auto shown = [this] {
        std::vector<std::string> captions;
        for (const Label* label :
             {&totals_.volume, &totals_.power, &totals_.hardpoints, &totals_.displacement,
              &totals_.mass, &totals_.cost, &totals_.agility, &totals_.cargo}) {
            captions.push_back(label->caption);
        }
        return captions;
    };
    main_window_.Click(MainWindowCommand::Recalculate);
    const std::vector<std::string> first = shown();
    main_window_.Click(MainWindowCommand::Recalculate);
    EXPECT_EQ(shown(), first);
}

TEST_F(MainWindowTest, PoshPrintPrintsTheProfileAndBeeps) {
    session_.design.SetShipName("Kestrel");
    main_window_.PoshPrintCommand();
    session_.CurrentDesignPath = "/ships/korvane.v1/kestrel.k2d";
    main_window_.PoshPrintCommand();
    EXPECT_EQ(desktop_.proposed_pdf_files,
              (std::vector<std::string>{"Kestrel.pdf", "/ships/korvane.v1/kestrel.pdf"}))
        << "the PDF proposed beside the design, named as it";
    EXPECT_EQ(desktop_.print_titles, (std::vector<std::string>{"Kestrel", "Kestrel"}))
        << "the document is the ship's";
    session_.design.SetShipName("");
    main_window_.PoshPrintCommand();
    EXPECT_EQ(desktop_.print_titles.back(), AppTitle()) << "an unnamed ship's, the program's";
    desktop_.jobs.clear();
    main_window_.PoshPrintCommand();
    ASSERT_EQ(desktop_.jobs.size(), 1u);
    EXPECT_TRUE(desktop_.jobs.front().ended);
    EXPECT_EQ(prompter_.beeps(), 4);

    desktop_.printer = false;
    main_window_.PoshPrintCommand();
    EXPECT_EQ(prompter_.beeps(), 4) << "no print job, no beep";
}

TEST_F(MainWindowTest, ResetStartsANewCopyWithoutClosingTheCatalog) {
    prompter_.AnswerYesNo(false).AnswerYesNo(true);
    EXPECT_EQ(main_window_.ResetCommand(), MainWindowRequest::None);
    EXPECT_EQ(LastQuestion().text, "Are you sure?");
    EXPECT_EQ(desktop_.new_copies, 0);

    EXPECT_EQ(main_window_.ResetCommand(), MainWindowRequest::Quit);
    EXPECT_EQ(desktop_.new_copies, 1);
    EXPECT_TRUE(session_.catalog->SetFilespec(1, "still open").ok());
    EXPECT_EQ(main_window_.CloseRequested(), MainWindowRequest::Quit) << "no second question";
}

TEST_F(MainWindowTest, ExitAndTheCloseBoxAskAboutChangesThenCloseTheCatalog) {
    ChangeTheDesign();
    prompter_.AnswerYesNo(false).AnswerYesNo(true);
    EXPECT_EQ(main_window_.CloseRequested(), MainWindowRequest::None);
    EXPECT_TRUE(session_.catalog->SetFilespec(1, "still open").ok());

    EXPECT_EQ(main_window_.Click(MainWindowCommand::Exit), MainWindowRequest::Quit);
    EXPECT_FALSE(session_.catalog->SetFilespec(1, "closed").ok());
    EXPECT_EQ(main_window_.CloseRequested(), MainWindowRequest::Quit) << "no second question";
}

TEST_F(MainWindowTest, CompareWithOpensTheComparisonOfAReadableFileOnly) {
    const std::string other = SavedShip("Raider");
    const std::string broken = (dir_ / "broken.k2d").string();
    WriteText(broken, "not a design\r\n");
    const std::string path_before = session_.CurrentDesignPath;

    prompter_.AnswerOpenFile(broken);
    EXPECT_EQ(main_window_.Click(MainWindowCommand::CompareWith), MainWindowRequest::None);
    EXPECT_EQ(main_window_.CompareWindowLogic(), nullptr);
    EXPECT_EQ(LastQuestion().kind, QuestionKind::Message);
    EXPECT_NE(LastQuestion().text.find("broken.k2d"), std::string::npos);

    prompter_.AnswerOpenFile(std::nullopt);
    EXPECT_EQ(main_window_.Click(MainWindowCommand::CompareWith), MainWindowRequest::None);

    prompter_.AnswerOpenFile(other);
    EXPECT_EQ(main_window_.Click(MainWindowCommand::CompareWith),
              MainWindowRequest::ShowCompareWindow);
    ASSERT_NE(main_window_.CompareWindowLogic(), nullptr);
    const CompareWindow& compare = *main_window_.CompareWindowLogic();
    EXPECT_EQ(compare.Caption, "Compare with Raider");
    EXPECT_EQ(compare.verdict.colour, kColourRed) << "the ship names differ";
    // Comparing reads the file beside the open design and changes nothing of the session.
    EXPECT_EQ(session_.CurrentDesignPath, path_before);
    EXPECT_FALSE(session_.design.DesignChanged);
    EXPECT_NE(ShipName(), "Raider   ");

    document_.Change("Rename", [](Design& design) { design.SetShipName("Raider"); });
    EXPECT_EQ(compare.verdict.caption, "The designs are the same.");
}

}  // namespace
}  // namespace korvane::ui
