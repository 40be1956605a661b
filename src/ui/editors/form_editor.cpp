#include "ui/editors/form_editor.h"

#include <utility>

#include "model/text_helpers.h"
#include "ui/editors/typed_number.h"

namespace korvane::ui {

FormEditor::FormEditor(Session& session, DesignDocument& document, Prompter& prompter,
                       std::string frame_caption, std::string subject)
    : session_(session),
      document_(document),
      prompter_(prompter),
      frame_{std::move(frame_caption)},
      subject_(std::move(subject)) {}

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
    return Store(DisplayText(accept.caption)) ? EditorWindow::Closes : EditorWindow::StaysOpen;
}

void FormEditor::Check() {
    Store("Check");
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

bool FormEditor::Store(const std::string& action) {
    if (!NumbersReadable()) {
        return false;
    }
    bool stored = false;
    document_.Change(action + " " + subject_,
                     [this, &stored](Design&) { stored = StoreControls(); });
    return stored;
}

void FormEditor::DesignUpdated(const Design&, const DesignChange&) {
    if (lists_filled_) {
        ShowDesign();
    }
}

}  // namespace korvane::ui
