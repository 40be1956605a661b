#include "ui/option_question.h"

#include <algorithm>

#include "model/text_helpers.h"

namespace korvane::ui {

std::vector<std::string> SplitOptions(std::string_view options) {
    std::vector<std::string> split;
    for (auto slash = options.find('/'); slash != std::string_view::npos;
         slash = options.find('/')) {
        split.emplace_back(options.substr(0, slash));
        options.remove_prefix(slash + 1);
    }
    split.emplace_back(options);
    return split;
}

void OptionQuestion::Ask(std::string question, const std::vector<std::string>& options,
                         std::optional<int> default_option) {
    Caption = std::move(question);
    default_button_.reset();
    if (default_option) {
        default_button_ = *default_option - 1;
    }
    chosen_.reset();
    chosen_text_.clear();

    const int shown = std::min(static_cast<int>(options.size()), kButtonCount);
    std::size_t width = Caption.size();
    for (int i = 0; i < kButtonCount; ++i) {
        Button& button = option_buttons[static_cast<std::size_t>(i)];
        button.visible = i < shown;
        button.caption = i < shown ? options[static_cast<std::size_t>(i)] : std::string();
        width = std::max(width, button.caption.size());
    }
    ButtonWidth = static_cast<int>(width) * 100 + 150;
    WindowWidth = static_cast<int>(width) * 100 + 800;
    WindowHeight = shown * 500 + 500;
    Visible = true;
}

std::optional<int> OptionQuestion::DefaultButton() const {
    if (default_button_ && *default_button_ >= 0 && *default_button_ < kButtonCount &&
        option_buttons[static_cast<std::size_t>(*default_button_)].visible) {
        return default_button_;
    }
    return std::nullopt;
}

void OptionQuestion::Click(int index) {
    if (index < 0 || index >= kButtonCount ||
        !option_buttons[static_cast<std::size_t>(index)].visible) {
        return;
    }
    chosen_ = index + 1;
    chosen_text_ = option_buttons[static_cast<std::size_t>(index)].caption;
    Visible = false;
}

bool OptionQuestion::Type(char key) {
    const auto choose_reading = [this](std::string_view text) {
        for (int i = 0; i < kButtonCount; ++i) {
            const Button& button = option_buttons[static_cast<std::size_t>(i)];
            if (button.visible && SameIgnoringCase(button.caption, text)) {
                Click(i);
                return true;
            }
        }
        return false;
    };
    return choose_reading(std::string_view(&key, 1)) || (key == '0' && choose_reading("10"));
}

bool OptionQuestion::Enter() {
    const std::optional<int> button = DefaultButton();
    if (button) {
        Click(*button);
    }
    return button.has_value();
}

void OptionQuestion::Close() {
    chosen_.reset();
    chosen_text_.clear();
    Visible = false;
}

}  // namespace korvane::ui
