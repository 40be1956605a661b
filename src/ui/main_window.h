#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "ui/compare_window.h"
#include "ui/controls.h"
#include "ui/design_document.h"
#include "ui/design_file_dialogs.h"
#include "ui/desktop.h"
#include "ui/main_window_command.h"
#include "ui/prompter.h"
#include "ui/text_window.h"
#include "ui/totals_window.h"

namespace korvane::ui {

// What the view does after a command of the main window.
struct MainWindowRequest {
    enum Kind {
        None,               // nothing more
        OpenSectionEditor,  // open the editor of `section`
        ShowTextWindow,     // show the text window modally; its heading and text are set
        ShowBatchWindow,    // hide the main window and show the batch window
        ShowAbout,          // show the about box modally
        ShowCompareWindow,  // show the compare window (CompareWindowLogic()), not modally
        Quit,               // end the program
    };

    // Most requests are their kind alone, and read as it (`return MainWindowRequest::Quit`).
    MainWindowRequest(Kind request_kind = None) : kind(request_kind) {}
    static MainWindowRequest OpenEditorOf(Section editor_section) {
        MainWindowRequest request(OpenSectionEditor);
        request.section = editor_section;
        return request;
    }

    Kind kind;
    Section section = Section::Hull;  // the editor to open

    friend bool operator==(const MainWindowRequest&, const MainWindowRequest&) = default;
};

// The main window: the section buttons that open the editors and the
// file and post-design commands, over the session's one design, and "Undo"
// and "Redo", enabled while there is a step to undo or redo. Each button's
// caption is the label beside it.
class MainWindow final : public DesignObserver {
public:
    MainWindow(Session& session, DesignDocument& document, Prompter& prompter, Desktop& desktop,
               TotalsWindow& totals, TextWindow& text_window);

    // AppTitle(), then the design's file name and a "*" while it has unsaved changes.
    std::string Caption() const;
    // A button's caption as plain text; "Undo <step>" and "Redo <step>" name
    // the step they would undo or redo.
    std::string ToolTipOf(MainWindowCommand command) const;

    void DesignUpdated(const Design& design, const DesignChange& change) override;

    // Minimising the main window hides the totals window; restoring shows it.
    void Resized(bool minimised) { totals_.MainWindowResized(minimised); }

    // A click on the command's button; a disabled button does nothing.
    MainWindowRequest Click(MainWindowCommand command);

    // The commands.
    void LoadDesignCommand();
    void SaveAsCommand();
    // Both open the chosen file in the desktop's text editor. When no editor
    // can be started the failure is reported and the file is shown in the text
    // window instead: the profile to read, the notes to edit, saved by its OK.
    MainWindowRequest EditNotesCommand();
    MainWindowRequest ViewProfileCommand();
    void LastEditsCommand();
    // A design file dropped on the window (or picked from the designer's
    // recent files): the unsaved-changes question, then the file is loaded as
    // "Load Design" loads it.
    void LoadDroppedFile(const std::string& path);
    // The design files last loaded or saved, newest first, as "Last x edits..." offers them.
    std::vector<std::string> RecentFiles() const;
    // The designer's "New": the unsaved-changes question, then a new design
    // in this program (where "Reset" starts a new copy of the program).
    void NewDesignCommand();
    MainWindowRequest BulkSaveCommand();
    void PoshPrintCommand();
    MainWindowRequest ListFeaturesCommand();
    void RecalculateCommand();
    MainWindowRequest ResetCommand();
    MainWindowRequest ExitCommand();
    void FastResaveCommand();
    MainWindowRequest AboutCommand() { return MainWindowRequest::ShowAbout; }
    // Asks for a design file and compares the open design with it in the
    // compare window, which replaces the one of an earlier comparison. A file
    // that cannot be read is reported and opens nothing.
    MainWindowRequest CompareWithCommand();
    // The comparison "Compare with..." opened last; none before the first.
    CompareWindow* CompareWindowLogic() const { return compare_window_.get(); }
    // The title bar's close box ends the program as "Exit" does.
    MainWindowRequest CloseRequested() { return ExitCommand(); }

    // Where a request goes that comes after its command has returned: the
    // text window that stands in for a text editor whose opener failed later.
    void SetLateRequestHandler(std::function<void(MainWindowRequest)> carry) {
        carry_late_request_ = std::move(carry);
    }
    // The text window was closed: notes edited in it are saved after its OK.
    void TextWindowClosed();

    Label design_options{"Design Options"};
    Label post_design_options{"Post-design Options"};
    Button& ButtonOf(MainWindowCommand command) {
        return buttons_[static_cast<std::size_t>(command)];
    }
    const Button& ButtonOf(MainWindowCommand command) const {
        return buttons_[static_cast<std::size_t>(command)];
    }

private:
    // The unsaved-changes question, asked only while the design has unsaved
    // changes; true when the command may go on.
    bool MayDropChanges();
    // Asked before a save over the current design file that another program
    // has written since it was read: true when the user chose to overwrite it
    // (No, the default, saves nothing).
    bool MayOverwriteChangedFile(const std::string& file);
    // Loads `path` as the current design; a file that cannot be read is
    // reported and changes nothing.
    void LoadRecentFile(const std::string& path);
    enum class TextFileUse { Read, Edit };
    MainWindowRequest OpenInTextEditor(const std::string& path, TextFileUse use);
    // Reports that no text editor took the file and shows it in the text window.
    MainWindowRequest ShowInTextWindow(const std::string& path, TextFileUse use,
                                       const Status& editor_failure);
    void ShowFailure(const Status& status);
    // A load or save that could not record its file among the recent files says so.
    void ShowRecentFileProblem();
    // After a save: a notes file left out of the reports, a recent list not updated.
    void ShowSaveWarnings();

    std::array<Button, kMainWindowCommandCount> buttons_;
    Session& session_;
    DesignDocument& document_;
    Prompter& prompter_;
    Desktop& desktop_;
    TotalsWindow& totals_;
    TextWindow& text_window_;
    std::unique_ptr<CompareWindow> compare_window_;
    DialogFolder dialog_folder_;
    bool ending_ = false;  // "Exit" or "Reset" has ended the program
    std::function<void(MainWindowRequest)> carry_late_request_;
    std::string notes_in_text_window_;  // the notes file the text window edits, if any
    DesignSubscription subscription_ = document_.Subscribe(*this);
};

}  // namespace korvane::ui
