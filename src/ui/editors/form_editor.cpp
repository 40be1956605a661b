#include "ui/editors/form_editor.h"

#include <utility>

#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "model/text_helpers.h"
#include "ui/editors/typed_number.h"

namespace korvane::ui {

FormEditor::FormEditor(Session& session, DesignEvents& events, Prompter& prompter,
                       std::string frame_caption)
    : session_(session), events_(events), prompter_(prompter), frame_{std::move(frame_caption)} {}

std::string FormEditor::Title() const {
    return AppTitle();
}

void FormEditor::Fill() {
    if (!lists_filled_) {
        FillLists();
        lists_filled_ = true;
    }
    ShowDesign();
}

EditorWindow FormEditor::Accept() {
    return Store() ? EditorWindow::Closes : EditorWindow::StaysOpen;
}

void FormEditor::Check() {
    if (Store()) {
        Fill();
    }
}

bool FormEditor::NumbersReadable() {
    for (const NumberField& field : NumberFields()) {
        const std::string& text = field.box.text;
        if (!Trimmed(text, kSpacesAndTabs).empty() && !StartsWithNumber(text)) {
            prompter_.ShowMessage(Title(),
                                  DisplayText(field.caption.caption) + " \"" + text +
                                      "\" is not a number; nothing is stored.",
                                  MessageIcon::Warning);
            return false;
        }
    }
    return true;
}

bool FormEditor::Store() {
    if (!NumbersReadable() || !StoreControls()) {
        return false;
    }
    MarkChanged(design());
    Recalculate(design(), catalog(), RecalcSection::All);
    events_.DesignChanged();
    return true;
}

}  // namespace korvane::ui
