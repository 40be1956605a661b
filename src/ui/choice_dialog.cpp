#include "ui/choice_dialog.h"

#include <algorithm>

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

void ChoiceDialog::Ask(std::string question, const std::vector<std::string>& options,
                       int focus_index) {
    Caption = std::move(question);
    FocusIndex = focus_index;
    choice_.reset();
    choice_text_.clear();

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

std::optional<int> ChoiceDialog::FocusButton() const {
    if (FocusIndex > 0 && FocusIndex < kButtonCount &&
        option_buttons[static_cast<std::size_t>(FocusIndex)].visible) {
        return FocusIndex;
    }
    return std::nullopt;
}

void ChoiceDialog::Click(int index) {
    if (index < 0 || index >= kButtonCount ||
        !option_buttons[static_cast<std::size_t>(index)].visible) {
        return;
    }
    FocusIndex = 0;
    choice_ = index + 1;
    choice_text_ = option_buttons[static_cast<std::size_t>(index)].caption;
    Visible = false;
}

void ChoiceDialog::Close() {
    FocusIndex = 0;
    choice_.reset();
    choice_text_.clear();
    Visible = false;
}

}  // namespace korvane::ui
