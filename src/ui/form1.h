#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/prompter.h"
#include "app/session.h"
#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/formh.h"
#include "ui/slist4.h"

namespace korvane::ui {

// What the view does after a command of the main window.
enum class Form1Request {
    None,             // nothing more
    ShowTextWindow,   // show the text window modally; its heading and text are set
    ShowBatchWindow,  // hide the main window and show the batch window
    ShowAbout,        // show the about box modally
    Quit,             // end the program
};

enum class ButtonArray { Command3D1, Command3D2 };

// A keyboard shortcut of the main window: the keys as a key sequence reads
// ("Ctrl+Shift+S") and the button it clicks.
struct Shortcut {
    std::string_view keys;
    ButtonArray array;
    int index;
};

inline constexpr std::array<Shortcut, 6> kForm1Shortcuts{{
    {"Ctrl+O", ButtonArray::Command3D2, 0},        // Load Design
    {"Ctrl+S", ButtonArray::Command3D1, 11},       // Fast resave
    {"Ctrl+Shift+S", ButtonArray::Command3D2, 1},  // Save As...
    {"Ctrl+P", ButtonArray::Command3D2, 6},        // Posh Print!
    {"F5", ButtonArray::Command3D1, 10},           // Recalculate
    {"Ctrl+Q", ButtonArray::Command3D1, 9},        // Exit
}};

// Form1, the main window: the section buttons that open the editors and the
// file and post-design commands, over the session's one design. Each button's
// caption is the label beside it. The section editors are not part of the
// program yet, so their buttons are disabled.
class Form1 {
public:
    Form1(Session& session, Prompter& prompter, Desktop& desktop, Formh& totals,
          Slist4& text_window);

    // AppTitle(), then the design's file name and a "*" while it has unsaved changes.
    std::string Caption() const;

    // The window is centred horizontally on the screen.
    static int Left(int screen_width, int window_width) {
        return Centred(screen_width, window_width);
    }
    // Minimising the main window hides the totals window; restoring shows it.
    void Resized(bool minimised) { totals_.MainWindowResized(minimised); }

    // A click on a button of either array; a disabled button does nothing.
    Form1Request ClickCommand3D1(int index);
    Form1Request ClickCommand3D2(int index);

    // The commands.
    void LoadDesignCommand();
    void SaveAsCommand();
    void EditNotesCommand();
    void ViewProfileCommand();
    void LastEditsCommand();
    Form1Request BulkSaveCommand();
    void PoshPrintCommand();
    Form1Request ListFeaturesCommand();
    void RecalculateCommand();
    Form1Request ResetCommand();
    Form1Request ExitCommand();
    void FastResaveCommand();
    Form1Request AboutCommand() { return Form1Request::ShowAbout; }
    // The title bar's close box ends the program as "Exit" does.
    Form1Request CloseRequested() { return ExitCommand(); }

    Label Frame1{"Design Options"};
    Label Frame2{"Post-design Options"};
    std::array<Button, 13> Command3D1;
    std::array<Button, 8> Command3D2;
    Button Command1{"About"};

private:
    // The unsaved-changes question, asked only while the design has unsaved
    // changes; true when the command may go on.
    bool MayDropChanges();
    // Loads `path` as the current design; a file that cannot be read is
    // reported and changes nothing.
    void LoadRecentFile(const std::string& path);
    void OpenInTextEditor(const std::string& path);
    void ShowFailure(const Status& status);
    void RefreshTotals() { totals_.ShowStatusSummary(session_.design); }

    Session& session_;
    Prompter& prompter_;
    Desktop& desktop_;
    Formh& totals_;
    Slist4& text_window_;
    bool ending_ = false;  // "Exit" or "Reset" has ended the program
};

}  // namespace korvane::ui
