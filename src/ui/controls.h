#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::ui {

// The state of a window's controls as plain data; a Qt view copies it to its
// widgets and forwards their events to the window's methods. Texts are
// Windows-1252 bytes like the design's; views convert at their edge. Colours
// are RGB in one number as the design's status colours are (255 red, 65280 green).

// A caption as it reads on the screen: "&" marks the access key of the letter
// after it and is not shown, "&&" shows as one "&" ("Hull && basic data",
// "&System Info...").
std::string DisplayText(std::string_view caption);

// The name message boxes without a title of their own carry.
inline constexpr const char* kProgramName = "Korvane";

// The position that centres a window of size `inner` in `outer` (screen or
// window, in the same unit).
constexpr int Centred(int outer, int inner) {
    return (outer - inner) / 2;
}

inline constexpr int kColourBlack = 0;
inline constexpr int kColourRed = 255;
inline constexpr int kColourGreen = 65280;

struct Label {
    std::string caption;
    int colour = kColourBlack;
    bool visible = true;
};

struct Button {
    std::string caption;
    bool enabled = true;
    bool visible = true;
};

struct CheckBox {
    std::string caption;
    bool checked = false;
    bool enabled = true;
};

struct TextBox {
    std::string text;
    bool enabled = true;
    bool read_only = false;  // shown, selectable, not editable
};

struct ProgressBar {
    int value = 0;
    int maximum = 0;
};

// A list or combo box: rows of text, each with an integer of item data and a
// tooltip (none when empty), and the selected row (none when empty or unselected).
class ListBox {
public:
    void AddItem(std::string text, int item_data = 0, std::string tooltip = {});
    // Replaces row `row`, or adds it when `row` is Count(); the selection stays.
    void SetItem(int row, std::string text, int item_data, std::string tooltip);
    void RemoveItem(int row);
    void Clear();

    int Count() const { return static_cast<int>(rows_.size()); }
    const std::string& Text(int row) const { return rows_.at(static_cast<std::size_t>(row)).text; }
    int ItemData(int row) const { return rows_.at(static_cast<std::size_t>(row)).item_data; }
    const std::string& ToolTip(int row) const {
        return rows_.at(static_cast<std::size_t>(row)).tooltip;
    }

    std::optional<int> Selected() const { return selected_; }
    // Selects `row` when it exists; anything else clears the selection.
    void Select(std::optional<int> row);

private:
    struct Row {
        std::string text;
        int item_data;
        std::string tooltip;
    };
    std::vector<Row> rows_;
    std::optional<int> selected_;
};

}  // namespace korvane::ui
