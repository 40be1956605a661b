#pragma once

#include <string>
#include <vector>

#include "app/session.h"
#include "model/catalog.h"
#include "model/design.h"
#include "ui/controls.h"
#include "ui/design_document.h"
#include "ui/prompter.h"

namespace korvane::ui {

// Whether an editor's window stays on screen after one of its buttons.
enum class EditorWindow { StaysOpen, Closes };

// A section editor for the one-of-a-kind parts of the design (hull, power,
// drives, electronics, control): its controls are filled from the design each
// time it opens and after every change of the design, and written back only
// by "Accept" (or "Check", which stays open) as one step of the design
// document ("Accept hull", "Check power"); "Cancel" writes nothing.
class FormEditor : public DesignObserver {
public:
    // The design changed (a step, an undo): the open window shows it.
    void DesignUpdated(const Design& design, const DesignChange& change) override;
    DesignDocument& Document() { return document_; }

    // The title bar shows AppTitle(); the frame that fills the window carries
    // the section's name.
    std::string Title() const;
    const Label& Frame() const { return frame_; }

    // Fills the controls from the design: the lists once per run, the
    // selections and texts every time.
    void Fill();

    // Writes the controls into the design and recalculates; the window closes
    // unless a check refused the values, which then changes nothing.
    EditorWindow Accept();
    // Closes without writing.
    EditorWindow Cancel() { return EditorWindow::Closes; }

    Button accept{"&Accept"};
    Button cancel{"&Cancel"};

protected:
    // `subject` names the section in the editor's steps ("hull").
    FormEditor(Session& session, DesignDocument& document, Prompter& prompter,
               std::string frame_caption, std::string subject);

    // "Check", for the editors that have it: stores without closing; the
    // window shows the design as the change left it. A refused check leaves
    // the window as the user left it, so that the values can be put right.
    void Check();

    // A text box read as a number when the controls are stored, with the
    // label that names it in a message.
    struct NumberField {
        const Label& caption;
        const TextBox& box;
    };
    // The editor's number boxes that its store reads. A text that does not
    // begin with a number is refused with a message before anything is
    // written, so that a slip of the keyboard never stores a 0; an empty box
    // reads as 0.
    virtual std::vector<NumberField> NumberFields() const { return {}; }

    virtual void FillLists() = 0;
    virtual void ShowDesign() = 0;
    // Writes the controls into the design. False when a check refused the
    // values; then nothing has been written.
    virtual bool StoreControls() = 0;

    Design& design() { return session_.design; }
    const Design& design() const { return session_.design; }
    Catalog& catalog() { return session_.catalog->Features(); }
    Prompter& prompter() { return prompter_; }

private:
    // Stores the controls as the step `action` ("Accept") of the editor's subject.
    bool Store(const std::string& action);
    bool NumbersReadable();

    Session& session_;
    DesignDocument& document_;
    Prompter& prompter_;
    Label frame_;
    std::string subject_;
    bool lists_filled_ = false;
    DesignSubscription subscription_ = document_.Subscribe(*this);
};

}  // namespace korvane::ui
