#include "ui/slist4.h"

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

void Slist4::Show(std::string heading, std::string text) {
    Label1.caption = std::move(heading);
    Text1.text = std::move(text);
    SelText.clear();
    Visible = true;
}

void Slist4::Ok() {
    accepted_ = true;
    Visible = false;
}

void Slist4::Cancel() {
    accepted_ = false;
    Visible = false;
}

bool Slist4::KeyTyped(char key) {
    if (key != '\n') {
        return false;
    }
    Ok();
    return true;
}

void Slist4::StampTime() {
    Text1.text += TimeStamp(desktop_.Now());
    SelText.clear();
}

void Slist4::PrintHeading(TextFlowSurface& surface) const {
    surface.SetFont("Times New Roman", 10);
    surface.SetBold(true);
    surface.Print(Label1.caption);
    surface.EndLine();
    surface.SetBold(false);
    surface.EndLine();
}

void Slist4::PrintAll() {
    const std::unique_ptr<TextFlowSurface> surface = desktop_.StartTextPrint();
    if (!surface) {
        return;
    }
    PrintHeading(*surface);
    // Line breaks are not special: they travel inside the words.
    std::string word;
    for (const char c : Text1.text) {
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

void Slist4::PrintSelection() {
    const std::unique_ptr<TextFlowSurface> surface = desktop_.StartTextPrint();
    if (!surface) {
        return;
    }
    PrintHeading(*surface);
    if (!SelText.empty()) {
        surface->Print(SelText);
    }
    surface->EndLine();
    surface->EndDocument();
}

}  // namespace korvane::ui
