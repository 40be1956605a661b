#include "ui/option_question.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

int VisibleButtons(const OptionQuestion& dialog) {
    int count = 0;
    for (const Button& button : dialog.option_buttons) {
        count += button.visible ? 1 : 0;
    }
    return count;
}

TEST(OptionQuestion, SizesItselfToTheLongestTextAndTheNumberOfOptions) {
    OptionQuestion dialog;
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

TEST(OptionQuestion, AClickChoosesAndACloseChoosesNothing) {
    OptionQuestion dialog;
    dialog.Ask("Installed item", SplitOptions("Remove/Change number"), 2);
    EXPECT_EQ(dialog.DefaultButton(), 1);
    dialog.Click(1);
    EXPECT_FALSE(dialog.Visible);
    EXPECT_EQ(dialog.Choice(), 2);
    EXPECT_EQ(dialog.ChoiceText(), "Change number");

    dialog.Ask("Installed item", SplitOptions("Remove/Change number"));
    EXPECT_EQ(dialog.DefaultButton(), std::nullopt) << "the next question has its own default";
    EXPECT_FALSE(dialog.Enter()) << "Enter chooses nothing in a question without a default";
    EXPECT_TRUE(dialog.Visible);
    dialog.Click(5);
    EXPECT_TRUE(dialog.Visible) << "a hidden button cannot be clicked";
    dialog.Close();
    EXPECT_EQ(dialog.Choice(), std::nullopt) << "neither the last answer nor a close chooses";
}

TEST(OptionQuestion, KeysChooseTheOptionThatReadsAsThemAndEnterTheDefault) {
    struct Case {
        const char* options;
        std::optional<int> default_option;
        char key;  // '\n' for Enter
        std::optional<int> chosen;
    };
    const Case cases[] = {
        {"1/2/3/4/5/6/7/8/9/10", 1, '7', 7},
        {"1/2/3/4/5/6/7/8/9/10", 1, '0', 10},
        {"1/2/3/4/5/6/7/8/9/10", 1, '\n', 1},
        {"1/2/3/4/5/6/7/8/9/Enter", 1, '0', std::nullopt},
        {"1/2/3/4/5/6/7/8/9/Enter", 1, 'e', std::nullopt},
        {"4/Enter", 1, '\n', 1},
        {"4/Enter", 1, '1', std::nullopt},
        {"0/3/10", std::nullopt, '0', 1},
        {"9/A/B", std::nullopt, 'b', 3},
        {"Remove/Change number", std::nullopt, 'R', std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.options) + ", key " + c.key);
        OptionQuestion dialog;
        dialog.Ask("Install how many?", SplitOptions(c.options), c.default_option);
        const bool chosen = c.key == '\n' ? dialog.Enter() : dialog.Type(c.key);
        EXPECT_EQ(chosen, c.chosen.has_value());
        EXPECT_EQ(dialog.Choice(), c.chosen);
        EXPECT_EQ(dialog.Visible, !c.chosen.has_value());
    }
}

}  // namespace
}  // namespace korvane::ui
