#include "ui/text_window.h"

#include <gtest/gtest.h>

#include "ui/scripted_desktop.h"

namespace korvane::ui {
namespace {

using std::chrono::hours;
using std::chrono::local_days;
using std::chrono::minutes;
using std::chrono::year;

class TextWindowTest : public ::testing::Test {
protected:
    // The lines of the one print job; "|" marks a last line that was not ended.
    std::vector<std::string> Printed() {
        EXPECT_EQ(desktop_.jobs.size(), 1u);
        const ui_test::PrintedJob& job = desktop_.jobs.back();
        EXPECT_TRUE(job.ended);
        EXPECT_EQ(job.bold_texts, std::vector<std::string>{window_.heading.caption});
        std::vector<std::string> lines = job.lines;
        if (!job.open_line.empty()) {
            lines.push_back(job.open_line + "|");
        }
        desktop_.jobs.clear();
        return lines;
    }

    ui_test::ScriptedDesktop desktop_;
    TextWindow window_{desktop_};
};

TEST_F(TextWindowTest, F5AppendsADateAndTimeStampEachTime) {
    desktop_.clock = {local_days(year{2026} / 3 / 4) + hours(9) + minutes(5),
                      local_days(year{2026} / 12 / 31) + hours(23) + minutes(59)};
    window_.Show("Batch Processing Errors", "/fleet/a.k2d - error\r\n");
    window_.StampTime();
    window_.StampTime();
    EXPECT_EQ(window_.text.text,
              "/fleet/a.k2d - error\r\n  04/Mar/2026 09:05:   31/Dec/2026 23:59: ");
}

TEST_F(TextWindowTest, CtrlEnterIsOkAndCancelAnswersFalse) {
    window_.Show("Feature List", "text");
    EXPECT_FALSE(window_.KeyTyped('a'));
    EXPECT_TRUE(window_.KeyTyped('\n'));
    EXPECT_FALSE(window_.Visible);
    EXPECT_TRUE(window_.Accepted());

    window_.Show("Feature List", "text");
    window_.Cancel();
    EXPECT_FALSE(window_.Accepted());
}

TEST_F(TextWindowTest, PrintAllWrapsWordsWhenLessThan2000TwipsAreLeft) {
    window_.Show("Feature List", "Unbroken");
    window_.PrintAll();
    EXPECT_EQ(Printed(), (std::vector<std::string>{"Feature List", "", " Unbroken"}));

    // 100 twips a character, 4000 to a line: after 21 characters 1900 are left.
    desktop_.printable_width = 4000;
    window_.Show("H", "aaaaaaaaaa bbbbbbbbb cccc dd ");
    window_.PrintAll();
    EXPECT_EQ(Printed(), (std::vector<std::string>{"H", "", " aaaaaaaaaa bbbbbbbbb", "cccc dd|"}));
}

TEST_F(TextWindowTest, PrintSelectionPrintsTheSelectedTextOrJustTheHeading) {
    window_.Show("Batch Processing Errors", "a.k2d - error\r\nb.k2d - error\r\n");
    window_.PrintSelection();
    EXPECT_EQ(Printed(), (std::vector<std::string>{"Batch Processing Errors", "", ""}));

    window_.selection = "b.k2d - error";
    window_.PrintSelection();
    EXPECT_EQ(Printed(),
              (std::vector<std::string>{"Batch Processing Errors", "", "b.k2d - error"}));
}

}  // namespace
}  // namespace korvane::ui
