#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"

namespace korvane::ui {

// The option list of a question as one text, options separated by "/":
// "Remove/Change number" gives two options, a text without "/" one.
std::vector<std::string> SplitOptions(std::string_view options);

// A question answered by one of its option buttons: the question as its
// caption and one button per option, sized to the longest text. Lengths are in
// twips (1/1440 inch); the view converts them. The window is created once and
// each question lays it out anew.
class OptionQuestion {
public:
    static constexpr int kButtonCount = 15;
    static constexpr int kButtonLeft = 360;
    static constexpr int kButtonHeight = 375;

    // Sets the caption and the options (the first fifteen are shown), lays the
    // window out and shows it; `default_option` (counted from 1) is the one
    // Enter chooses, and its button gets the focus.
    void Ask(std::string question, const std::vector<std::string>& options,
             std::optional<int> default_option = std::nullopt);

    // The button of the default option, when the question has one.
    std::optional<int> DefaultButton() const;

    static int ButtonTop(int index) { return 120 + 480 * index; }
    // Buttons are centred in the window's inner width, the window on the screen.
    int ButtonLeft(int inner_width) const { return Centred(inner_width, ButtonWidth); }
    int WindowLeft(int screen_width) const { return Centred(screen_width, WindowWidth); }

    // A click on option button `index` chooses that option and closes the window.
    void Click(int index);
    // A typed character chooses the option that reads as it, whatever the
    // case ("3", "A"), and "0" the option "10" where none reads "0"; false
    // when no option reads so.
    bool Type(char key);
    // Enter chooses the default option; false when the question has none.
    bool Enter();
    // The title bar's close box, or Escape: no choice.
    void Close();

    // The chosen option, counted from 1, and its text; no value after a close.
    std::optional<int> ChosenOption() const { return chosen_; }
    const std::string& ChosenText() const { return chosen_text_; }

    std::string Caption = "Select";
    std::array<Button, kButtonCount> option_buttons{};
    int ButtonWidth = 0;
    int WindowWidth = 0;
    int WindowHeight = 0;
    bool Visible = false;

private:
    std::optional<int> default_button_;
    std::optional<int> chosen_;
    std::string chosen_text_;
};

}  // namespace korvane::ui
