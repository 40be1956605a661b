#include "ui/text_window.h"

#include <array>
#include <cstdio>
#include <memory>

namespace korvane::ui {

namespace {

// A word starts a new line when less than this is left of the line (twips).
constexpr double kWrapThreshold = 2000;

constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

void BlankOrNewLine(TextFlowSurface& surface) {
    if (surface.PrintableWidth() - surface.CurrentX() < kWrapThreshold) {
        surface.EndLine();
    } else {
        surface.Print(" ");
    }
}

}  // namespace

std::string TimeStamp(std::chrono::local_seconds now) {
    const auto day = std::chrono::floor<std::chrono::days>(now);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{now - day};
    char stamp[64];
    std::snprintf(
        stamp, sizeof stamp, "  %02u/%s/%04d %02d:%02d: ", static_cast<unsigned>(date.day()),
        kMonthNames[static_cast<unsigned>(date.month()) - 1], static_cast<int>(date.year()),
        static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()));
    return stamp;
}

void TextWindow::Show(std::string heading_caption, std::string contents, bool read_only) {
    heading.caption = std::move(heading_caption);
    text.text = std::move(contents);
    text.read_only = read_only;
    selection.clear();
    Visible = true;
}

void TextWindow::Ok() {
    accepted_ = true;
    Visible = false;
}

void TextWindow::Cancel() {
    accepted_ = false;
    Visible = false;
}

bool TextWindow::KeyTyped(char key) {
    if (key != '\n') {
        return false;
    }
    Ok();
    return true;
}

void TextWindow::StampTime() {
    if (text.read_only) {
        return;
    }
    text.text += TimeStamp(desktop_.Now());
    selection.clear();
}

void TextWindow::PrintHeading(TextFlowSurface& surface) const {
    surface.SetFont("Times New Roman", 10);
    surface.SetBold(true);
    surface.Print(heading.caption);
    surface.EndLine();
    surface.SetBold(false);
    surface.EndLine();
}

void TextWindow::PrintAll() {
    const std::unique_ptr<TextFlowSurface> surface = desktop_.StartTextPrint();
    if (!surface) {
        return;
    }
    PrintHeading(*surface);
    // Line breaks are not special: they travel inside the words.
    std::string word;
    for (const char c : text.text) {
        if (c != ' ') {
            word += c;
            continue;
        }
        BlankOrNewLine(*surface);
        surface->Print(word);
        word.clear();
    }
    if (!word.empty()) {
        BlankOrNewLine(*surface);
        surface->Print(word);
        surface->EndLine();
    }
    surface->EndDocument();
}

void TextWindow::PrintSelection() {
    const std::unique_ptr<TextFlowSurface> surface = desktop_.StartTextPrint();
    if (!surface) {
        return;
    }
    PrintHeading(*surface);
    if (!selection.empty()) {
        surface->Print(selection);
    }
    surface->EndLine();
    surface->EndDocument();
}

}  // namespace korvane::ui
