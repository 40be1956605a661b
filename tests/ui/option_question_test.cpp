#include "ui/option_question.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

int VisibleButtons(const OptionQuestion& question) {
    int count = 0;
    for (const Button& button : question.option_buttons) {
        count += button.visible ? 1 : 0;
    }
    return count;
}

TEST(OptionQuestion, SizesItselfToTheLongestTextAndTheNumberOfOptions) {
    OptionQuestion question;
    question.Ask(std::string(30, 'Q'), SplitOptions("Yes/No"));
    EXPECT_EQ(question.ButtonWidth, 3150) << "the caption is the longest text";
    EXPECT_EQ(question.WindowWidth, 3800);

    question.Ask("How many?", SplitOptions("1/2/3/A rather longer option text"));
    EXPECT_EQ(question.WindowHeight, 2500);
    EXPECT_EQ(question.ButtonWidth, 27 * 100 + 150) << "now an option is the longest text";
    EXPECT_EQ(question.ButtonLeft(question.WindowWidth - 100), 275);

    question.Ask("Pick", std::vector<std::string>(20, "x"));
    EXPECT_EQ(VisibleButtons(question), 15);
    question.Ask("Pick", SplitOptions("only"));
    EXPECT_EQ(VisibleButtons(question), 1) << "the last question's buttons are hidden again";
}

TEST(OptionQuestion, AClickChoosesAndACloseChoosesNothing) {
    OptionQuestion question;
    question.Ask("Installed item", SplitOptions("Remove/Change number"), 2);
    EXPECT_EQ(question.DefaultButton(), 1);
    question.Click(1);
    EXPECT_FALSE(question.Visible);
    EXPECT_EQ(question.ChosenOption(), 2);
    EXPECT_EQ(question.ChosenText(), "Change number");

    question.Ask("Installed item", SplitOptions("Remove/Change number"));
    EXPECT_EQ(question.DefaultButton(), std::nullopt) << "the next question has its own default";
    EXPECT_FALSE(question.Enter()) << "Enter chooses nothing in a question without a default";
    EXPECT_TRUE(question.Visible);
    question.Click(5);
    EXPECT_TRUE(question.Visible) << "a hidden button cannot be clicked";
    question.Close();
    EXPECT_EQ(question.ChosenOption(), std::nullopt)
        << "neither the last answer nor a close chooses";
}

TEST(OptionQuestion, AKeyPicksTheOptionThatReadsAsItAndEnterTheDefault) {
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
        OptionQuestion question;
        question.Ask("Install how many?", SplitOptions(c.options), c.default_option);
        const bool chosen = c.key == '\n' ? question.Enter() : question.Type(c.key);
        EXPECT_EQ(chosen, c.chosen.has_value());
        EXPECT_EQ(question.ChosenOption(), c.chosen);
        EXPECT_EQ(question.Visible, !c.chosen.has_value());
    }
}

}  // namespace
}  // namespace korvane::ui
