#pragma once

#include <optional>
#include <string>
#include <variant>
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

// When a form editor writes what the user changed into the design: all at
// once by "Accept" (its own window), or each control as it is committed (an
// editor without "Accept", in a panel beside the totals).
enum class CommitPolicy { OnAccept, Immediate };

// What committing one control did.
enum class CommitResult {
    Stored,      // the design changed: one step of the document
    Unchanged,   // nothing written: the design has the value, or it waits for "Accept"
    NotANumber,  // the text does not start with a number; nothing written, nothing said
    Refused,     // a check refused the value with a message; nothing written
};

// A section editor for the one-of-a-kind parts of the design (hull, power,
// drives, electronics, weapons, control). Its controls are filled from the
// design when it opens; after that, a change of the design (a step, an
// undo, a list editor opened from here) shows in the controls the user has
// not changed since, while what the user changed stays until it is stored
// or cancelled.
//
// By default the controls are written back only by "Accept" (or "Check",
// which stays open) as one step of the design document ("Accept hull",
// "Check power"), and "Cancel" writes nothing. With CommitPolicy::Immediate
// each committed control is a step of its own, named by what it did ("Set
// displacement to 2,000 tons"); repeated commits of one control fold into one
// step.
class FormEditor : public DesignObserver {
public:
    // The design changed (a step, an undo): the open window shows it where
    // the user has not changed a control.
    void DesignUpdated(const Design& design, const DesignChange& change) override;
    DesignDocument& Document() { return document_; }

    void SetCommitPolicy(CommitPolicy policy) { policy_ = policy; }

    // The title bar shows AppTitle(); the frame that fills the window carries
    // the section's name.
    std::string Title() const;
    const Label& Frame() const { return frame_; }

    // Fills the controls from the design: the lists once per run, the
    // selections and texts every time. Forgets what the user changed.
    void Fill();

    // The user changed a control: a keystroke, a pick, a click.
    void Edited(const TextBox& box) { MarkEdited(&box); }
    void Edited(const ListBox& list) { MarkEdited(&list); }
    void Edited(const CheckBox& box) { MarkEdited(&box); }
    // The user is done with a control: a text confirmed by Enter or by
    // leaving its box, a row picked, a box ticked.
    CommitResult Commit(const TextBox& box);
    CommitResult Commit(const ListBox& list);
    CommitResult Commit(const CheckBox& box);

    // Writes the controls into the design and recalculates; the window closes
    // unless a check refused the values, which then changes nothing.
    EditorWindow Accept();
    // Closes without writing.
    EditorWindow Cancel();

    Button accept{"&Accept"};
    Button cancel{"&Cancel"};

protected:
    // `subject` names the section in the editor's steps ("hull").
    FormEditor(Session& session, DesignDocument& document, Prompter& prompter,
               std::string frame_caption, std::string subject);

    // The controls a step can commit, each named as its caption reads
    // ("Displacement:" gives "displacement") or by `name`, with the unit its
    // figure is given in. Every control the user can change is added once,
    // by the editor's constructor.
    void AddField(TextBox& box, const Label& caption, std::string unit = {});
    void AddTextField(TextBox& box, std::string name, std::string unit = {});
    void AddField(ListBox& list, const Label& caption);
    void AddListField(ListBox& list, std::string name);
    void AddField(CheckBox& box);

    // The editor itself changed a control for the user ("Use suggested",
    // "Defaults"): it counts as the user's change, and is committed at once
    // under the Immediate policy.
    void ChangedForUser(const std::vector<const void*>& controls, std::string step);

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
    // begin with a number is refused before anything is written, so that a
    // slip of the keyboard never stores a 0; an empty box reads as 0.
    virtual std::vector<NumberField> NumberFields() const { return {}; }
    // Checks the controls' values before they are stored, and says what it
    // refuses. Nothing is asked once the change step runs.
    virtual bool ValuesAcceptable() { return true; }

    virtual void FillLists() = 0;
    virtual void ShowDesign(const Design& design) = 0;
    // Writes the controls into `design`, the design of the change step.
    virtual void StoreControls(Design& design) = 0;
    // Figures shown from the controls' values (a total of typed rounds):
    // they follow the controls the user changed.
    virtual void ShowFiguresOfControls() {}

    const Design& design() const { return document_.design(); }
    Catalog& catalog() { return session_.catalog->Features(); }
    Prompter& prompter() { return prompter_; }
    bool Immediate() const { return policy_ == CommitPolicy::Immediate; }

private:
    using Control = std::variant<TextBox*, ListBox*, CheckBox*>;
    using Value = std::variant<std::string, std::optional<int>, bool>;
    struct Field {
        Control control;
        std::string name;
        std::string unit;
        bool edited = false;
    };
    struct KeptEdit {
        Field* field;
        Value value;
    };

    void MarkEdited(const void* control);
    Field* FieldOf(const void* control);
    // Shows the design in every control the user has not changed.
    void Refresh();
    void ForgetEdits();
    // The user's changes in every control but `kept`, to put back after the
    // controls showed the design.
    std::vector<KeptEdit> SetAside(const std::vector<Field*>& kept);
    void PutBack(const std::vector<KeptEdit>& edits);
    bool IsNumberField(const TextBox& box) const;

    // Stores the controls as the step `action` ("Accept") of the editor's subject.
    bool Store(const std::string& action);
    bool NumbersReadable();
    // Under the Immediate policy, stores the design with `fields` as the user
    // left them and every other control as the design has it.
    CommitResult CommitFields(const std::vector<Field*>& fields, std::string step,
                              std::string merge_key);
    CommitResult CommitField(const void* control);
    std::string StepName(const Field& field) const;

    Session& session_;
    DesignDocument& document_;
    Prompter& prompter_;
    Label frame_;
    std::string subject_;
    CommitPolicy policy_ = CommitPolicy::OnAccept;
    std::vector<Field> fields_;
    bool lists_filled_ = false;
    DesignSubscription subscription_ = document_.Subscribe(*this);
};

}  // namespace korvane::ui
