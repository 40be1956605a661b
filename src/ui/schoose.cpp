#include "ui/schoose.h"

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

void Schoose::Ask(std::string question, const std::vector<std::string>& options, int focus_index) {
    Caption = std::move(question);
    FocusIndex = focus_index;
    choice_.reset();
    choice_text_.clear();

    const int shown = std::min(static_cast<int>(options.size()), kButtonCount);
    std::size_t width = Caption.size();
    for (int i = 0; i < kButtonCount; ++i) {
        Button& button = Command1[static_cast<std::size_t>(i)];
        button.visible = i < shown;
        button.caption = i < shown ? options[static_cast<std::size_t>(i)] : std::string();
        width = std::max(width, button.caption.size());
    }
    ButtonWidth = static_cast<int>(width) * 100 + 150;
    WindowWidth = static_cast<int>(width) * 100 + 800;
    WindowHeight = shown * 500 + 500;
    Visible = true;
}

std::optional<int> Schoose::FocusButton() const {
    if (FocusIndex > 0 && FocusIndex < kButtonCount &&
        Command1[static_cast<std::size_t>(FocusIndex)].visible) {
        return FocusIndex;
    }
    return std::nullopt;
}

void Schoose::Click(int index) {
    if (index < 0 || index >= kButtonCount || !Command1[static_cast<std::size_t>(index)].visible) {
        return;
    }
    FocusIndex = 0;
    choice_ = index + 1;
    choice_text_ = Command1[static_cast<std::size_t>(index)].caption;
    Visible = false;
}

void Schoose::Close() {
    FocusIndex = 0;
    choice_.reset();
    choice_text_.clear();
    Visible = false;
}

}  // namespace korvane::ui
