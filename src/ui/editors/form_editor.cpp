#include "ui/editors/form_editor.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "model/text_helpers.h"
#include "ui/editors/form_fields.h"
#include "ui/editors/typed_number.h"

namespace korvane::ui {

namespace {

// An empty box reads as 0; any other text must start with a number.
bool ReadsAsNumber(const std::string& text) {
    return Trimmed(text, kSpacesAndTabs).empty() || StartsWithNumber(text);
}

// "Armour &type:" names its control "armour type", "Tech &Level" "tech level";
// a capital that starts an abbreviation ("KL", "EM") stays.
std::string NameOf(const Label& caption) {
    const std::string shown = DisplayText(caption.caption);
    std::string name(TrimmedEnd(shown, " :"));
    const auto upper = [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t at = 0; at < name.size(); ++at) {
        const bool starts_word = at == 0 || name[at - 1] == ' ';
        if (starts_word && !(at + 1 < name.size() && upper(name[at + 1]))) {
            name[at] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[at])));
        }
    }
    return name;
}

// A list row as a step names it, without a catalog label's padding:
// "Dense Alloy         (TL 12)" gives "Dense Alloy (TL 12)".
std::string RowName(std::string_view text) {
    std::string name;
    for (const char c : Trimmed(text, kSpacesAndNuls)) {
        const bool blank = c == ' ' || c == '\0';
        if (!blank || !name.ends_with(' ')) {
            name += blank ? ' ' : c;
        }
    }
    return name;
}

// A control's value as the user left it, and putting it back. A control the
// design disables (a system the design lacks) shows the design's value.
std::string ValueOf(const TextBox& box) {
    return box.text;
}
std::optional<int> ValueOf(const ListBox& list) {
    return list.Selected();
}
bool ValueOf(const CheckBox& box) {
    return box.checked;
}
void PutValue(TextBox& box, const std::string& text) {
    if (box.enabled) {
        box.text = text;
    }
}
void PutValue(ListBox& list, std::optional<int> row) {
    list.Select(row);
}
void PutValue(CheckBox& box, bool checked) {
    if (box.enabled) {
        box.checked = checked;
    }
}

}  // namespace

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

void FormEditor::AddField(TextBox& box, const Label& caption, std::string unit) {
    AddTextField(box, NameOf(caption), std::move(unit));
}

void FormEditor::AddTextField(TextBox& box, std::string name, std::string unit) {
    fields_.push_back({&box, std::move(name), std::move(unit)});
}

void FormEditor::AddField(ListBox& list, const Label& caption) {
    AddListField(list, NameOf(caption));
}

void FormEditor::AddListField(ListBox& list, std::string name) {
    fields_.push_back({&list, std::move(name), {}});
}

void FormEditor::AddField(CheckBox& box) {
    fields_.push_back({&box, DisplayText(box.caption), {}});
}

void FormEditor::Fill() {
    if (!lists_filled_) {
        FillLists();
        lists_filled_ = true;
    }
    ForgetEdits();
    Refresh();
}

void FormEditor::DesignUpdated(const Design&, const DesignChange&) {
    if (lists_filled_) {
        Refresh();
    }
}

CommitResult FormEditor::Commit(const TextBox& box) {
    return CommitField(&box);
}

CommitResult FormEditor::Commit(const ListBox& list) {
    return CommitField(&list);
}

CommitResult FormEditor::Commit(const CheckBox& box) {
    return CommitField(&box);
}

EditorWindow FormEditor::Accept() {
    return Store(DisplayText(accept.caption)) ? EditorWindow::Closes : EditorWindow::StaysOpen;
}

EditorWindow FormEditor::Cancel() {
    ForgetEdits();
    Refresh();
    return EditorWindow::Closes;
}

void FormEditor::Check() {
    Store("Check");
}

void FormEditor::ChangedForUser(const std::vector<const void*>& controls, std::string step) {
    std::vector<Field*> fields;
    for (const void* control : controls) {
        if (Field* field = FieldOf(control)) {
            field->edited = true;
            fields.push_back(field);
        }
    }
    if (fields.size() == 1 && step.empty()) {
        step = StepName(*fields.front());
    }
    std::string merge_key = subject_ + ":" + step;
    CommitFields(fields, std::move(step), std::move(merge_key));
}

void FormEditor::MarkEdited(const void* control) {
    if (Field* field = FieldOf(control)) {
        field->edited = true;
    }
}

FormEditor::Field* FormEditor::FieldOf(const void* control) {
    const auto found = std::ranges::find_if(fields_, [control](const Field& field) {
        return std::visit([control](const auto* each) -> bool { return each == control; },
                          field.control);
    });
    return found == fields_.end() ? nullptr : &*found;
}

void FormEditor::Refresh() {
    const std::vector<KeptEdit> edits = SetAside({});
    ShowDesign(design());
    PutBack(edits);
    ShowFiguresOfControls();
}

void FormEditor::ForgetEdits() {
    for (Field& field : fields_) {
        field.edited = false;
    }
}

std::vector<FormEditor::KeptEdit> FormEditor::SetAside(const std::vector<Field*>& kept) {
    std::vector<KeptEdit> edits;
    for (Field& field : fields_) {
        if (field.edited && std::ranges::find(kept, &field) == kept.end()) {
            edits.push_back(
                {&field, std::visit([](const auto* each) -> Value { return ValueOf(*each); },
                                    field.control)});
        }
    }
    return edits;
}

void FormEditor::PutBack(const std::vector<KeptEdit>& edits) {
    for (const KeptEdit& edit : edits) {
        edit.field->edited = true;
        std::visit(
            [&edit](auto* each) {
                PutValue(*each, std::get<decltype(ValueOf(*each))>(edit.value));
            },
            edit.field->control);
    }
}

bool FormEditor::IsNumberField(const TextBox& box) const {
    return std::ranges::any_of(NumberFields(),
                               [&box](const NumberField& field) { return &field.box == &box; });
}

bool FormEditor::NumbersReadable() {
    for (const NumberField& field : NumberFields()) {
        const std::string& text = field.box.text;
        if (!ReadsAsNumber(text)) {
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
    if (!NumbersReadable() || !ValuesAcceptable()) {
        return false;
    }
    // Stored, the user's changes are the design's: its notice shows them.
    ForgetEdits();
    document_.Change(action + " " + subject_, [this](Design& changed) { StoreControls(changed); });
    return true;
}

CommitResult FormEditor::CommitField(const void* control) {
    Field* field = FieldOf(control);
    if (!field) {
        return CommitResult::Unchanged;
    }
    field->edited = true;
    const auto number = field - fields_.data();
    return CommitFields({field}, StepName(*field), subject_ + ":" + std::to_string(number));
}

CommitResult FormEditor::CommitFields(const std::vector<Field*>& fields, std::string step,
                                      std::string merge_key) {
    if (!Immediate()) {
        return CommitResult::Unchanged;
    }
    for (const Field* field : fields) {
        const auto* const* box = std::get_if<TextBox*>(&field->control);
        if (box && IsNumberField(**box) && !ReadsAsNumber((*box)->text)) {
            return CommitResult::NotANumber;
        }
    }
    // What the user changed in other controls and has not committed (a
    // number in error) is not part of this step: those controls show the
    // design while it is stored, and the user's values again by its notice.
    const std::vector<KeptEdit> others = SetAside(fields);
    for (const KeptEdit& other : others) {
        other.field->edited = false;
    }
    Refresh();
    if (!ValuesAcceptable()) {
        PutBack(others);
        Refresh();
        return CommitResult::Refused;
    }
    for (Field* field : fields) {
        field->edited = false;
    }
    const bool stored = document_.Change(
        std::move(step),
        [this, &others](Design& changed) {
            StoreControls(changed);
            PutBack(others);
        },
        std::move(merge_key));
    if (!stored) {
        Refresh();
    }
    return stored ? CommitResult::Stored : CommitResult::Unchanged;
}

std::string FormEditor::StepName(const Field& field) const {
    const std::string unit = field.unit.empty() ? "" : " " + field.unit;
    return std::visit(
        [&](const auto* each) -> std::string {
            using Each = std::remove_cvref_t<decltype(*each)>;
            if constexpr (std::is_same_v<Each, TextBox>) {
                const std::string value = IsNumberField(*each)
                                              ? GroupedNumber(NumberIn(*each))
                                              : std::string(TrimmedEnd(each->text, kSpacesAndTabs));
                return "Set " + field.name + " to " + value + unit;
            } else if constexpr (std::is_same_v<Each, ListBox>) {
                const std::optional<int> row = each->Selected();
                return "Choose " + field.name + (row ? " " + RowName(each->Text(*row)) : "");
            } else {
                return (each->checked ? "Tick " : "Untick ") + field.name;
            }
        },
        field.control);
}

}  // namespace korvane::ui
