#pragma once

#include <chrono>
#include <string>

#include "ui/controls.h"
#include "ui/desktop.h"

namespace korvane::ui {

// The stamp F5 types into a text: two blanks, the date as "dd/mmm/yyyy", a
// blank, the time as "hh:nn" and ": " ("  07/Dec/2026 14:05: ").
std::string TimeStamp(std::chrono::local_seconds now);

// The text window: a heading over a long text (the feature list, the
// batch error list) that the user may edit, stamp with the date and time, and
// print whole or in part. Callers set the heading and the text, show it
// modally and read the text and the answer afterwards; the window keeps both
// until a caller changes them. Line breaks in the text are carriage return +
// line feed.
class TextWindow {
public:
    explicit TextWindow(Desktop& desktop) : desktop_(desktop) {}

    // Sets the heading and the text and shows the window; a read-only text
    // can be read, selected and printed, not edited.
    void Show(std::string heading_caption, std::string contents, bool read_only = false);

    // "&Ok", Ctrl+Enter in the text: answered "True". "&Cancel", Escape
    // anywhere in the window: answered "False". Both close the window.
    void Ok();
    void Cancel();
    // A character typed in the text: a line feed (Ctrl+Enter) is OK and is not
    // typed; true when the key was taken so.
    bool KeyTyped(char key);

    // F5 in the text: appends the stamp of the desktop's clock to the end of the
    // text; the caret goes to the end, nothing selected, the focus to the text.
    void StampTime();

    // "Print all": the heading in bold, an empty line, then the text word by
    // word, each word after a blank or, when less than 2000 twips of the line
    // are left, at the start of the next line. "Print sel'n": the heading, an
    // empty line and the selected text as it stands.
    void PrintAll();
    void PrintSelection();

    // True after OK, false after Cancel.
    bool Accepted() const { return accepted_; }

    std::string Caption = "Enter Text";
    Label heading;
    TextBox text;
    std::string selection;  // the text's selected part, kept up to date by the view
    Button ok{"&Ok"};
    Button cancel{"&Cancel"};
    Button print_all{"Print all"};
    Button print_selection{"Print sel'n"};
    bool Visible = false;

private:
    // Font and heading lines that begin both printouts.
    void PrintHeading(TextFlowSurface& surface) const;

    Desktop& desktop_;
    bool accepted_ = false;
};

}  // namespace korvane::ui
