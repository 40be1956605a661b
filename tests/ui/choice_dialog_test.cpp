#include "ui/choice_dialog.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

int VisibleButtons(const ChoiceDialog& dialog) {
    int count = 0;
    for (const Button& button : dialog.option_buttons) {
        count += button.visible ? 1 : 0;
    }
    return count;
}

TEST(ChoiceDialog, SizesItselfToTheLongestTextAndTheNumberOfOptions) {
    ChoiceDialog dialog;
    dialog.Ask(std::string(30, 'Q'), SplitOptions("Yes/No"));
    EXPECT_EQ(dialog.ButtonWidth, 3150) << "the caption is the longest text";
    EXPECT_EQ(dialog.WindowWidth, 3800);

    dialog.Ask("How many?", SplitOptions("1/2/3/A rather longer option text"));
    EXPECT_EQ(dialog.WindowHeight, 2500);
    EXPECT_EQ(dialog.ButtonWidth, 27 * 100 + 150) << "now an option is the longest text";
    EXPECT_EQ(dialog.ButtonLeft(dialog.WindowWidth - 100), 275);

    dialog.Ask("Pick", std::vector<std::string>(20, "x"));
    EXPECT_EQ(VisibleButtons(dialog), 15);
    dialog.Ask("Pick", SplitOptions("only"));
    EXPECT_EQ(VisibleButtons(dialog), 1) << "the last question's buttons are hidden again";
}

TEST(ChoiceDialog, AClickChoosesAndACloseChoosesNothing) {
    ChoiceDialog dialog;
    dialog.Ask("Installed item", SplitOptions("Remove/Change number"), 1);
    EXPECT_EQ(dialog.FocusButton(), 1);
    dialog.Click(1);
    EXPECT_FALSE(dialog.Visible);
    EXPECT_EQ(dialog.Choice(), 2);
    EXPECT_EQ(dialog.ChoiceText(), "Change number");
    EXPECT_EQ(dialog.FocusButton(), std::nullopt) << "a choice clears the focus index";

    dialog.Ask("Installed item", SplitOptions("Remove/Change number"));
    dialog.Click(5);
    EXPECT_TRUE(dialog.Visible) << "a hidden button cannot be clicked";
    dialog.Close();
    EXPECT_EQ(dialog.Choice(), std::nullopt) << "neither the last answer nor a close chooses";
}

}  // namespace
}  // namespace korvane::ui
