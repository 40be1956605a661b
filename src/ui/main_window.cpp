#include "ui/main_window.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "app/load_design.h"
#include "app/profile_file.h"
#include "app/save_design.h"
#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "files/path_utils.h"
#include "files/regular_file.h"
#include "model/cp1252.h"
#include "model/text_helpers.h"
#include "reports/feature_list.h"
#include "reports/printed_profile.h"
#include "reports/report_context.h"
#include "ui/design_file_dialogs.h"

namespace korvane::ui {

namespace {

constexpr const char* kUnsavedChangesQuestion = "You haven't saved your changes. Are you sure?";
// A profile or notes file larger than this is no text to show in a window.
constexpr std::uintmax_t kLargestTextFile = 16 * 1024 * 1024;

// The folder part of a path, ending in its separator; empty for a bare name.
std::string FolderOf(const std::string& path) {
    return path.substr(0, static_cast<std::size_t>(LastSeparatorPos(path)));
}

std::string FileNameOf(const std::string& path) {
    return path.substr(static_cast<std::size_t>(LastSeparatorPos(path)));
}

// The name of a file in `folder` that is `name` whatever the case of its
// letters (the profile of Scout.K2D is Scout.K2P); `name` itself when there is none.
std::string ExistingNameIgnoringCase(const std::string& folder, const std::string& name) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string found = entry->path().filename().string();
        if (LowerCase(found) == LowerCase(name)) {
            return found;
        }
    }
    return name;
}

}  // namespace

MainWindow::MainWindow(Session& session, DesignDocument& document, Prompter& prompter,
                       Desktop& desktop, TotalsWindow& totals, TextWindow& text_window)
    : session_(session),
      document_(document),
      prompter_(prompter),
      desktop_(desktop),
      totals_(totals),
      text_window_(text_window) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const auto command = static_cast<MainWindowCommand>(i);
        buttons_[i].caption = CommandCaption(command);
    }
    DesignUpdated(session_.design, DesignChange::Everything());
}

void MainWindow::DesignUpdated(const Design&, const DesignChange&) {
    ButtonOf(MainWindowCommand::Undo).enabled = document_.UndoStep().has_value();
    ButtonOf(MainWindowCommand::Redo).enabled = document_.RedoStep().has_value();
}

std::string MainWindow::ToolTipOf(MainWindowCommand command) const {
    const std::string caption = DisplayText(ButtonOf(command).caption);
    std::optional<std::string> step;
    if (command == MainWindowCommand::Undo) {
        step = document_.UndoStep();
    } else if (command == MainWindowCommand::Redo) {
        step = document_.RedoStep();
    }
    return step ? caption + " " + *step : caption;
}

std::string MainWindow::Caption() const {
    std::string caption = AppTitle();
    if (!session_.CurrentDesignPath.empty()) {
        caption += " - " + FileNameOf(session_.CurrentDesignPath);
    }
    if (document_.HasUnsavedChanges()) {
        caption += " *";
    }
    return caption;
}

MainWindowRequest MainWindow::Click(MainWindowCommand command) {
    if (!ButtonOf(command).enabled) {
        return MainWindowRequest::None;
    }
    if (const std::optional<Section> section = SectionOf(command)) {
        return MainWindowRequest::OpenEditorOf(*section);
    }
    switch (command) {
        case MainWindowCommand::Hull:
        case MainWindowCommand::Power:
        case MainWindowCommand::Drives:
        case MainWindowCommand::Electronics:
        case MainWindowCommand::Weapons:
        case MainWindowCommand::Control:
        case MainWindowCommand::Crew:
        case MainWindowCommand::Craft:
        case MainWindowCommand::Other:
            break;  // the section editors, above
        case MainWindowCommand::Reset:
            return ResetCommand();
        case MainWindowCommand::Exit:
            return ExitCommand();
        case MainWindowCommand::Recalculate:
            RecalculateCommand();
            break;
        case MainWindowCommand::FastResave:
            FastResaveCommand();
            break;
        case MainWindowCommand::LoadDesign:
            LoadDesignCommand();
            break;
        case MainWindowCommand::SaveAs:
            SaveAsCommand();
            break;
        case MainWindowCommand::EditNotes:
            return EditNotesCommand();
        case MainWindowCommand::ViewProfile:
            return ViewProfileCommand();
        case MainWindowCommand::LastEdits:
            LastEditsCommand();
            break;
        case MainWindowCommand::BulkSave:
            return BulkSaveCommand();
        case MainWindowCommand::PoshPrint:
            PoshPrintCommand();
            break;
        case MainWindowCommand::ListFeatures:
            return ListFeaturesCommand();
        case MainWindowCommand::CompareWith:
            return CompareWithCommand();
        case MainWindowCommand::Undo:
            document_.Undo();
            break;
        case MainWindowCommand::Redo:
            document_.Redo();
            break;
        case MainWindowCommand::About:
            return AboutCommand();
    }
    return MainWindowRequest::None;
}

bool MainWindow::MayDropChanges() {
    return !document_.HasUnsavedChanges() ||
           prompter_.AskYesNo(AppTitle(), kUnsavedChangesQuestion, MessageIcon::Critical);
}

void MainWindow::ShowFailure(const Status& status) {
    // Messages are UTF-8 (they carry paths); the Prompter speaks the design's code page.
    prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(status.message()), MessageIcon::Critical);
}

void MainWindow::ShowRecentFileProblem() {
    if (!session_.RecentFileProblem.empty()) {
        prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(session_.RecentFileProblem),
                              MessageIcon::Warning);
    }
}

void MainWindow::ShowSaveWarnings() {
    if (!session_.NotesProblem.empty()) {
        prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(session_.NotesProblem),
                              MessageIcon::Warning);
    }
    ShowRecentFileProblem();
}

MainWindowRequest MainWindow::OpenInTextEditor(const std::string& path, TextFileUse use) {
    const Status opened = desktop_.OpenInTextEditor(path, [this, path, use](const Status& failure) {
        const MainWindowRequest request = ShowInTextWindow(path, use, failure);
        if (carry_late_request_) {
            carry_late_request_(request);
        }
    });
    return opened ? MainWindowRequest::None : ShowInTextWindow(path, use, opened);
}

MainWindowRequest MainWindow::ShowInTextWindow(const std::string& path, TextFileUse use,
                                               const Status& editor_failure) {
    const bool edit = use == TextFileUse::Edit;
    Result<std::string> content =
        ReadRegularFile(path, edit ? "notes file" : "profile file", kLargestTextFile);
    if (!content) {
        ShowFailure(Error{editor_failure.message() + "\n\n" + content.message()});
        return MainWindowRequest::None;
    }
    ShowFailure(Error{editor_failure.message() + "\n\n" + path + " is shown in the program's" +
                      (edit ? " text window, where OK saves it." : " text window.")});
    notes_in_text_window_ = edit ? path : std::string();
    text_window_.Show(Cp1252FromUtf8(path), std::move(*content), !edit);
    return MainWindowRequest::ShowTextWindow;
}

void MainWindow::TextWindowClosed() {
    const std::string notes = std::exchange(notes_in_text_window_, std::string());
    if (notes.empty() || !text_window_.Accepted()) {
        return;
    }
    const Status saved = WriteFileAtomically(notes, text_window_.text.text);
    if (!saved) {
        ShowFailure(saved);
    }
}

void MainWindow::LoadDesignCommand() {
    if (!MayDropChanges()) {
        return;
    }
    const std::optional<std::string> file =
        AskLoadDesignFile(prompter_, dialog_folder_.StartFor(session_.CurrentDesignPath));
    if (!file) {
        return;
    }
    dialog_folder_.Chose(*file);
    const Status loaded = document_.Load(*file);
    if (!loaded) {
        ShowFailure(loaded);
    } else {
        ShowRecentFileProblem();
    }
}

MainWindowRequest MainWindow::CompareWithCommand() {
    const std::optional<std::string> file = AskLoadDesignFile(
        prompter_, dialog_folder_.StartFor(session_.CurrentDesignPath), "Compare with...");
    if (!file) {
        return MainWindowRequest::None;
    }
    dialog_folder_.Chose(*file);
    Design other;
    const Status loaded = LoadDesignCopy(session_.catalog->Features(), *file, other);
    if (!loaded) {
        ShowFailure(loaded);
        return MainWindowRequest::None;
    }
    compare_window_ =
        std::make_unique<CompareWindow>(document_, session_.design, std::move(other), *file);
    return MainWindowRequest::ShowCompareWindow;
}

bool MainWindow::MayOverwriteChangedFile(const std::string& file) {
    if (!ChangedSinceRead(session_, file)) {
        return true;
    }
    const std::string question = file +
                                 " has changed since it was read: another program has saved it "
                                 "meanwhile. Overwrite it with this design?";
    if (!prompter_.AskYesNo(AppTitle(), Cp1252FromUtf8(question), MessageIcon::Warning)) {
        return false;
    }
    session_.CurrentDesignStamp.reset();
    return true;
}

void MainWindow::SaveAsCommand() {
    const std::optional<std::string> file =
        AskSaveDesignFile(session_.CurrentDesignPath, prompter_, session_.design.ShipName(),
                          dialog_folder_.StartFor(session_.CurrentDesignPath));
    if (!file) {
        return;
    }
    dialog_folder_.Chose(*file);
    if (!MayOverwriteChangedFile(*file)) {
        return;
    }
    const Status saved = document_.Save(*file, desktop_.Today());
    if (!saved) {
        ShowFailure(saved);
    } else {
        ShowSaveWarnings();
    }
}

void MainWindow::FastResaveCommand() {
    if (session_.CurrentDesignPath.empty()) {
        prompter_.ShowMessage(kProgramName, "No file to resave", MessageIcon::None);
        return;
    }
    if (!MayOverwriteChangedFile(session_.CurrentDesignPath)) {
        return;
    }
    const auto today = desktop_.Today();
    Status saved = document_.Save(session_.CurrentDesignPath, today);
    if (saved) {
        saved = WriteHtmlPageFile(session_, today);
    }
    if (!saved) {
        ShowFailure(saved);
    } else {
        ShowSaveWarnings();
    }
}

// The current design's notes file is created (empty) when it does not exist
// yet, so that the dialog can propose it; when the user cancels or picks
// another file, the new empty file is removed again.
MainWindowRequest MainWindow::EditNotesCommand() {
    FileDialogRequest request{"Edit notes", "Notes files", "*.k2n", "*.k2n",
                              dialog_folder_.StartFor(session_.CurrentDesignPath)};
    std::optional<std::filesystem::path> created;
    const std::string& design_path = session_.CurrentDesignPath;
    if (!design_path.empty()) {
        const std::filesystem::path notes =
            FindNotesFile(design_path).value_or(NotesFilePath(design_path));
        std::error_code error;
        if (!std::filesystem::exists(notes, error)) {
            // Made by name beside the design: a link there may not lead it out of the folder.
            const Result<ReplaceableFile> found = FindReplaceableInFolder(notes);
            const Status made = found ? WriteReplaceable(found.value(), "") : found.status();
            if (!made) {
                ShowFailure(made);
                return MainWindowRequest::None;
            }
            created = notes;
        }
        // The proposed notes file is the design's: the dialog opens beside it.
        if (!FolderOf(design_path).empty()) {
            request.initial_folder = FolderOf(design_path);
        }
        request.initial_name = notes.filename().string();
    }

    const std::optional<std::string> chosen = prompter_.AskOpenFile(request);
    if (chosen && !chosen->empty()) {
        dialog_folder_.Chose(*chosen);
    }
    if (created) {
        std::error_code error;
        const bool kept = chosen && std::filesystem::equivalent(*chosen, *created, error);
        if (!kept && std::filesystem::file_size(*created, error) == 0) {
            std::filesystem::remove(*created, error);
        }
    }
    if (!chosen || chosen->empty()) {
        return MainWindowRequest::None;
    }
    return OpenInTextEditor(*chosen, TextFileUse::Edit);
}

// The proposed name is the design's file name in lower case with its last
// character replaced by "p" (scout.k2d proposes scout.k2p), spelt as the file
// in the design's folder is when one matches whatever its case.
MainWindowRequest MainWindow::ViewProfileCommand() {
    FileDialogRequest request{"View Profile", "Profile files", "*.k2p", "*.k2p",
                              dialog_folder_.StartFor(session_.CurrentDesignPath)};
    const std::string& design_path = session_.CurrentDesignPath;
    if (!design_path.empty()) {
        std::string name = LowerCase(FileNameOf(design_path));
        if (!name.empty()) {
            name.back() = 'p';
        }
        // The proposed profile file is the design's: the dialog opens beside it.
        if (!FolderOf(design_path).empty()) {
            request.initial_folder = FolderOf(design_path);
        }
        request.initial_name = ExistingNameIgnoringCase(request.initial_folder, name);
    }
    const std::optional<std::string> chosen = prompter_.AskOpenFile(request);
    if (!chosen || chosen->empty()) {
        return MainWindowRequest::None;
    }
    dialog_folder_.Chose(*chosen);
    return OpenInTextEditor(*chosen, TextFileUse::Read);
}

std::vector<std::string> MainWindow::RecentFiles() const {
    std::vector<std::string> paths;
    for (int row = 1; row <= kRecentEditsRows; ++row) {
        std::string path(Trimmed(session_.catalog->Filespec(row)));
        if (!path.empty()) {
            paths.push_back(std::move(path));
        }
    }
    return paths;
}

void MainWindow::NewDesignCommand() {
    if (MayDropChanges()) {
        document_.MakeNew();
    }
}

void MainWindow::LastEditsCommand() {
    if (!MayDropChanges()) {
        return;
    }
    const std::vector<std::string> paths = RecentFiles();
    std::vector<std::string> options;
    for (const std::string& path : paths) {
        options.push_back("    " + path + "    ");
    }
    if (paths.empty()) {
        prompter_.ShowMessage(AppTitle(),
                              "No design has been loaded or saved yet, so there is no earlier "
                              "edit to go back to.",
                              MessageIcon::Information);
        return;
    }
    // The options go to the dialog as a list: a "/"-joined text would cut
    // every path of this platform at its separators.
    options.emplace_back("Abandon");
    const std::optional<int> choice = prompter_.Choose("Previous Edits", options);
    if (!choice || *choice < 1 || *choice > static_cast<int>(paths.size())) {
        return;
    }
    LoadRecentFile(paths[static_cast<std::size_t>(*choice - 1)]);
}

void MainWindow::LoadDroppedFile(const std::string& path) {
    if (MayDropChanges()) {
        LoadRecentFile(path);
    }
}

void MainWindow::LoadRecentFile(const std::string& path) {
    // A file that fails leaves the current path as it was, so that a later
    // "Fast resave" cannot write the old design over it.
    const Status loaded = document_.Load(path);
    if (!loaded) {
        ShowFailure(loaded);
    } else {
        ShowRecentFileProblem();
    }
}

MainWindowRequest MainWindow::BulkSaveCommand() {
    return MayDropChanges() ? MainWindowRequest::ShowBatchWindow : MainWindowRequest::None;
}

void MainWindow::PoshPrintCommand() {
    const std::unique_ptr<PrintSurface> surface = desktop_.StartProfilePrint(
        ProfileDocumentTitle(session_.design),
        ProposedPdfFile(session_.CurrentDesignPath, session_.design.ShipName()));
    if (!surface) {
        return;
    }
    ReportContext context;
    context.today = desktop_.Today();
    if (!session_.CurrentDesignPath.empty()) {
        context = ReportContextFor(session_.CurrentDesignPath, context.today);
    }
    if (!context.notes_problem.empty()) {
        prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(context.notes_problem),
                              MessageIcon::Warning);
    }
    ShowProfile(*surface, session_.design, context);
    prompter_.Beep();
}

MainWindowRequest MainWindow::ListFeaturesCommand() {
    text_window_.Show("Feature List", FeatureList(session_.design));
    return MainWindowRequest::ShowTextWindow;
}

void MainWindow::RecalculateCommand() {
    document_.Change("Recalculate", [](Design&) {});
}

// Reset starts a new copy of the program and ends this one at once, without
// closing the catalog and without the unsaved-changes question.
MainWindowRequest MainWindow::ResetCommand() {
    if (ending_) {
        return MainWindowRequest::Quit;
    }
    if (!prompter_.AskYesNo(AppTitle(), "Are you sure?", MessageIcon::Critical)) {
        return MainWindowRequest::None;
    }
    const Status started = desktop_.StartNewCopy();
    if (!started) {
        ShowFailure(started);
        return MainWindowRequest::None;
    }
    ending_ = true;
    return MainWindowRequest::Quit;
}

MainWindowRequest MainWindow::ExitCommand() {
    if (ending_) {
        return MainWindowRequest::Quit;
    }
    if (!MayDropChanges()) {
        return MainWindowRequest::None;
    }
    session_.catalog->Close();
    ending_ = true;
    return MainWindowRequest::Quit;
}

}  // namespace korvane::ui
