// Recovery the hard way: the desktop program runs in a process of its own,
// is changed through its controls, killed with SIGKILL once its copy is
// written, and the next start offers the changes back.

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <functional>
#include <thread>

#include "files/design_file.h"
#include "files/recovery_copy.h"
#include "gui/hull_editor_view.h"
#include "gui/program_fixture.h"
#include "gui/section_editor_host.h"
#include "model/text_helpers.h"
#include "support/cli_runner.h"

extern char** environ;

namespace korvane::gui_test {
namespace {

using testing::ReadText;
using ui::MainWindowCommand;
namespace fs = std::filesystem;

class RecoveryViewTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // Copies are written at most once a second: the child's second change,
        // which comes just after its first copy, waits a second instead of a minute.
        fs::create_directories(home_ / "config" / "korvane");
        testing::WriteText(
            home_ / "config" / "korvane" / "Korvaw.ini",
            "[Database]\r\nDBLoc=" + (home_ / "data").string() + "/\r\nAutosaveSeconds=1\r\n");
    }

    void TearDown() override {
        for (const pid_t child : children_) {
            Kill(child);
        }
        ProgramTest::TearDown();
    }

    // Starts the program in a process of its own, which names the ship and
    // sets its displacement through the hull editor.
    pid_t StartChild(const std::string& ship, int tons, const std::string& design = "") {
        std::string tons_text = std::to_string(tons);
        std::vector<char*> arguments{const_cast<char*>(KORVANE_RECOVERY_CHILD),
                                     const_cast<char*>(ship.c_str()), tons_text.data()};
        if (!design.empty()) {
            arguments.push_back(const_cast<char*>(design.c_str()));
        }
        arguments.push_back(nullptr);
        pid_t child = 0;
        EXPECT_EQ(::posix_spawn(&child, KORVANE_RECOVERY_CHILD, nullptr, nullptr, arguments.data(),
                                environ),
                  0);
        children_.push_back(child);
        return child;
    }

    // The child's copy once it holds both changes (well before the minute the
    // copies would wait without the configured interval).
    RecoveryCopy WaitForCopy(pid_t child, const std::string& ship, int tons) {
        const ProcessIdentity writer{
            child, StartTicksInStat(ReadText("/proc/" + std::to_string(child) + "/stat"))};
        const RecoveryCopy copy = RecoveryCopyOf(Folder(), writer);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            Design design;
            if (fs::exists(copy.info_file) && ReadDesignFile(copy.design_file, design).ok() &&
                Trimmed(design.ShipName()) == ship && design.Slots[Slot::Hull].KL == tons * 13.5) {
                return copy;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        Design design;
        const Status read = ReadDesignFile(copy.design_file, design);
        ADD_FAILURE() << "no copy of " << ship << " in " << copy.design_file << ": "
                      << (read ? "it holds " + std::string(Trimmed(design.ShipName())) + ", " +
                                     std::to_string(design.Slots[Slot::Hull].KL) + " kl"
                               : read.message());
        return copy;
    }

    void Kill(pid_t child) {
        if (std::erase(children_, child) > 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    }

    fs::path Folder() const { return home_ / "state" / "korvane" / "recovery"; }
    RecoveryCopy OwnCopy() const { return RecoveryCopyOf(Folder(), ThisProcess()); }

    // Answers the list of recovered changes with a key or a button (by its
    // name), and keeps the first line of the list.
    void ExpectRecovered(QString& first_line, const std::function<void(QWidget&)>& answer) {
        watchdog_.Expect([&first_line, answer](QWidget& dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("RecoveredChangesDialog"));
            const auto* copies = dialog.findChild<QListWidget*>(QStringLiteral("copies"));
            first_line = copies != nullptr && copies->count() > 0 ? copies->item(0)->text() : "";
            answer(dialog);
        });
    }
    void ExpectRestore(QString& first_line) {
        ExpectRecovered(first_line, [](QWidget& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("restore"))->click();
        });
    }

    std::vector<pid_t> children_;
};

TEST_F(RecoveryViewTest, AKilledProgramsChangesAreOfferedAtTheNextStartAndRestoredUnsaved) {
    const std::string design = (home_ / "scout.k2d").string();
    ASSERT_EQ(testing::RunCli(home_.path(), "new " + testing::ShellQuoted(design)).exit_code, 0);
    const std::string saved = ReadText(design);
    const pid_t child = StartChild("Kestrel", 400, design);
    const RecoveryCopy killed = WaitForCopy(child, "Kestrel", 400);
    Kill(child);

    QString line;
    ExpectRestore(line);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(line.startsWith(QString::fromStdString(design + ", from "))) << line.toStdString();
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - scout.k2d *"));
    EXPECT_TRUE(TotalsText("Name").startsWith(QStringLiteral("Kestrel")));
    EXPECT_TRUE(TotalsText("Displacement").startsWith(QStringLiteral("D: 400")));
    EXPECT_EQ(TotalsText("ChangedMark"), QStringLiteral("Changed"));
    EXPECT_EQ(ReadText(design), saved) << "the original waits for a save";
    EXPECT_FALSE(fs::exists(killed.design_file));
    EXPECT_TRUE(fs::exists(OwnCopy().design_file)) << "the changes are not lost by a second crash";

    Button(MainWindowCommand::FastResave)->click();
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - scout.k2d"));
    EXPECT_NE(ReadText(design), saved);
    EXPECT_FALSE(fs::exists(OwnCopy().design_file)) << "saved: nothing left to recover";
}

TEST_F(RecoveryViewTest, TwoProgramsAtOnceKeepTheirOwnCopiesAndNeverTakeTheOthers) {
    const pid_t alpha = StartChild("Alpha", 200);
    const pid_t bravo = StartChild("Bravo", 300);
    const RecoveryCopy alpha_copy = WaitForCopy(alpha, "Alpha", 200);
    const RecoveryCopy bravo_copy = WaitForCopy(bravo, "Bravo", 300);
    {
        // A third program while both run offers nothing (the watchdog fails any question).
        gui::KorvaneProgram third([] {});
        ASSERT_TRUE(third.Start({}));
    }
    EXPECT_TRUE(fs::exists(alpha_copy.design_file));
    EXPECT_TRUE(fs::exists(bravo_copy.design_file));

    Kill(alpha);
    QString line;
    ExpectRestore(line);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(line.startsWith(QStringLiteral("the never-saved design \"Alpha\", from ")))
        << line.toStdString();
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 *"));
    EXPECT_TRUE(TotalsText("Name").startsWith(QStringLiteral("Alpha")));
    EXPECT_FALSE(fs::exists(alpha_copy.design_file));
    EXPECT_TRUE(fs::exists(bravo_copy.design_file)) << "Bravo still runs: its copy stays its own";
}

TEST_F(RecoveryViewTest, EscapeOnTheListOfRecoveredChangesChangesNothing) {
    const pid_t child = StartChild("Kestrel", 400);
    const RecoveryCopy killed = WaitForCopy(child, "Kestrel", 400);
    Kill(child);
    const std::string copy_bytes = ReadText(killed.design_file);

    QString line;
    ExpectRecovered(line, PressKey(Qt::Key_Escape));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(line.startsWith(QStringLiteral("the never-saved design \"Kestrel\", from ")))
        << line.toStdString();
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1"));
    EXPECT_EQ(TotalsText("ChangedMark"), QStringLiteral("Saved"));
    EXPECT_EQ(ReadText(killed.design_file), copy_bytes) << "kept for the next start";
}

TEST_F(RecoveryViewTest, AChangeIsCopiedAndACleanExitRemovesTheCopy) {
    ASSERT_TRUE(Start());
    Button(MainWindowCommand::Hull)->click();
    auto* displacement = program_.SectionEditors().HullEditor().findChild<QLineEdit*>(
        QStringLiteral("displacement"));
    displacement->selectAll();
    QTest::keyClicks(displacement, QStringLiteral("600"));
    QTest::keyClick(displacement, Qt::Key_Return);
    EXPECT_TRUE(WaitUntil([this] { return fs::exists(OwnCopy().design_file); }));

    watchdog_.Expect(ClickButton(QStringLiteral("Yes")));  // "You haven't saved your changes."
    Button(MainWindowCommand::Exit)->click();
    EXPECT_EQ(ended_, 1);
    EXPECT_FALSE(fs::exists(OwnCopy().design_file));
    EXPECT_FALSE(fs::exists(OwnCopy().info_file));
}

}  // namespace
}  // namespace korvane::gui_test
