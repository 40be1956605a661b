#include "ui/controls.h"

#include <utility>

namespace korvane::ui {

std::string DisplayText(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    return text;
}

void ListBox::AddItem(std::string text, int item_data, std::string tooltip) {
    rows_.push_back({std::move(text), item_data, std::move(tooltip)});
}

void ListBox::SetItem(int row, std::string text, int item_data, std::string tooltip) {
    if (row == Count()) {
        AddItem(std::move(text), item_data, std::move(tooltip));
    } else {
        rows_.at(static_cast<std::size_t>(row)) = {std::move(text), item_data, std::move(tooltip)};
    }
}

void ListBox::RemoveItem(int row) {
    if (row < 0 || row >= Count()) {
        return;
    }
    rows_.erase(rows_.begin() + row);
    if (selected_ == row) {
        selected_.reset();
    } else if (selected_ && *selected_ > row) {
        --*selected_;
    }
}

void ListBox::Clear() {
    rows_.clear();
    selected_.reset();
}

void ListBox::Select(std::optional<int> row) {
    selected_ = row && *row >= 0 && *row < Count() ? row : std::nullopt;
}

}  // namespace korvane::ui
