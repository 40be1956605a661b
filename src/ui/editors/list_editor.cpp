#include "ui/editors/list_editor.h"

#include <algorithm>
#include <utility>

#include "model/bitwise_equal.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/typed_number.h"

namespace korvane::ui {

namespace {

constexpr const char* kDetailsPattern = "#,###,##0.0";

// "1" … "9", then `last`; Enter chooses one unit.
constexpr int kOneUnit = 1;
std::vector<std::string> CountOptions(const char* last) {
    std::vector<std::string> options;
    for (int count = 1; count <= 9; ++count) {
        options.push_back(std::to_string(count));
    }
    options.push_back(last);
    return options;
}

// A row's tooltip: its text whole, without trailing blanks (a never-set text
// field shows as blanks), then its details line.
std::string ToolTip(std::string text, const std::string& details) {
    std::replace(text.begin(), text.end(), '\0', ' ');
    return std::string(TrimmedEnd(text)) + "\n" + details;
}

}  // namespace

std::string DetailsLine(double kl, double tons, double third, std::string_view third_caption,
                        double cr) {
    return FormatPattern(kl, kDetailsPattern) + " KL  " + FormatPattern(tons, kDetailsPattern) +
           " Tons  " + FormatPattern(third, kDetailsPattern) + std::string(third_caption) +
           FormatPattern(cr, kDetailsPattern);
}

ListEditor::ListEditor(Session& session, DesignDocument& document, Prompter& prompter,
                       ListEditorShape shape)
    : Caption(AppTitle()),
      frame{shape.frame_caption},
      session_(session),
      document_(document),
      prompter_(prompter),
      shape_(std::move(shape)) {}

void ListEditor::Load() {
    available.Clear();
    for (const std::string& code : shape_.catalog_codes) {
        for (int id = 1; id <= shape_.last_catalog_id; ++id) {
            const ComponentRecord& row = catalog().LookupComponent(code, id);
            if (IsEmptyEntry(row)) {
                break;
            }
            std::string text = AvailableRowText(row);
            std::string tooltip = ToolTip(text, AvailableDetailsOf(row));
            available.AddRow(row, std::move(text), std::move(tooltip));
        }
    }
}

void ListEditor::Activate() {
    installed.Select(std::nullopt);
    installed_details.caption.clear();
    if (static_cast<std::size_t>(installed.Count()) != listed_.size()) {
        installed.Clear();  // rows not made here: none is kept
        listed_.clear();
    }
    const std::span<ComponentRecord> entries = Entries();
    int rows = 0;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (entries[i].NUMBER > 0) {
            ShowInstalledRow(rows++, static_cast<int>(i), entries[i]);
        }
    }
    while (installed.Count() > rows) {
        installed.RemoveItem(installed.Count() - 1);
    }
    listed_.resize(static_cast<std::size_t>(rows));
}

void ListEditor::ShowInstalledRow(int row, int index, const ComponentRecord& entry) {
    const auto at = static_cast<std::size_t>(row);
    if (at < listed_.size() && installed.ItemData(row) == index &&
        BitwiseEqual(listed_[at], entry)) {
        return;
    }
    std::string text = InstalledRowText(entry);
    std::string tooltip = ToolTip(text, InstalledDetailsOf(entry));
    installed.SetItem(row, std::move(text), index, std::move(tooltip));
    if (at == listed_.size()) {
        listed_.push_back(entry);
    } else {
        listed_[at] = entry;
    }
}

void ListEditor::FilterAvailable() {
    available.SetFilter(available_filter.text);
}

bool ListEditor::ClearAvailableFilter() {
    if (available_filter.text.empty()) {
        return false;
    }
    available_filter.text.clear();
    FilterAvailable();
    return true;
}

void ListEditor::ShowAvailableDetails() {
    const ComponentRecord* row = SelectedCatalogRow();
    if (row && !IsEmptyEntry(*row)) {
        available_details.caption = AvailableDetailsOf(*row);
    }
}

void ListEditor::InstallSelected() {
    const ComponentRecord* row = SelectedCatalogRow();
    if (!row) {
        return;
    }
    const std::optional<int> free = NextFreeEntry();
    if (!free) {
        ShowMaximumMessage();
        return;
    }
    if (IsEmptyEntry(*row)) {
        return;  // the catalog has lost the row since the list was filled
    }
    ComponentRecord entry = *row;
    if (!AskCount(entry) || entry.NUMBER <= 0) {
        return;
    }
    Apply("Install " + PlainNumber(entry.NUMBER) + " " + StepLabel(entry),
          [&] { Entries()[static_cast<std::size_t>(*free)] = entry; });
}

void ListEditor::ShowInstalledDetails() {
    if (const auto index = SelectedEntry()) {
        installed_details.caption = InstalledDetailsOf(Entries()[static_cast<std::size_t>(*index)]);
    }
}

void ListEditor::ModifySelected() {
    const auto index = SelectedEntry();
    if (!index) {
        return;
    }
    const std::optional<int> option = prompter_.Choose(shape_.modify_caption, ModifyOptions());
    if (!option) {
        return;
    }
    const ComponentRecord before = Entries()[static_cast<std::size_t>(*index)];
    ComponentRecord entry = before;
    std::string step;
    if (*option == 1) {
        entry = BlankRecord;
        step = "Remove " + StepLabel(before);
    } else if (*option == 2) {
        ChangeNumber(entry);
        step = "Change number of " + StepLabel(before) + " to " + PlainNumber(entry.NUMBER);
    } else {
        ModifyFurther(*option, entry);
        step = ModifyStepName(*option, before, entry);
    }
    if (entry != before) {
        Apply(std::move(step), [&] { Entries()[static_cast<std::size_t>(*index)] = entry; });
    }
}

std::string ListEditor::AvailableRowText(const ComponentRecord& row) const {
    return row.LABEL.str();
}

std::string ListEditor::AvailableDetailsOf(const ComponentRecord& row) const {
    return DetailsLine(row.KL, row.TONS, row.MW, " Mw  Cr", row.CR) + "  TL " +
           std::to_string(row.TL);
}

std::string ListEditor::InstalledRowText(const ComponentRecord& entry) const {
    return entry.LABEL.str() + " x" + PlainNumber(entry.NUMBER) + InstalledRowTail(entry);
}

std::string ListEditor::InstalledRowTail(const ComponentRecord&) const {
    return {};
}

std::string ListEditor::InstalledDetailsOf(const ComponentRecord& entry) {
    const ComponentRecord& row = catalog().LookupComponent(entry.TABLE.view(), entry.IDNUM);
    // A design made with another catalog may name a row this one lacks; its
    // own figures are then the best there is.
    const ComponentRecord& unit = IsEmptyEntry(row) ? entry : row;
    const double n = entry.NUMBER;
    return DetailsLine(n * unit.KL, n * unit.TONS, n * unit.MW, " Mw  Cr", n * unit.CR);
}

bool ListEditor::AskCount(ComponentRecord& entry) {
    if (shape_.count_prompt == CountPrompt::UpToTen) {
        const std::optional<int> count = AskUpToTen(shape_.count_caption);
        if (count) {
            entry.NUMBER = *count;
        }
        return count.has_value();
    }
    const auto typed = AskNineOrEnter(shape_.count_caption, "Give number");
    if (!typed) {
        return false;
    }
    const double count = LeadingNumber(*typed);
    if (count != 0) {
        entry.NUMBER = count;
    } else if (shape_.zero_count == ZeroCount::InstallNothing) {
        entry.NUMBER = 0;
    }
    return true;
}

std::vector<std::string> ListEditor::ModifyOptions() const {
    return {"Remove", "Change number"};
}

void ListEditor::ModifyFurther(int, ComponentRecord&) {}

std::string ListEditor::ModifyStepName(int option, const ComponentRecord& before,
                                       const ComponentRecord&) const {
    const std::vector<std::string> options = ModifyOptions();
    const auto chosen = static_cast<std::size_t>(option - 1);
    return (chosen < options.size() ? options[chosen] + " " : std::string()) + StepLabel(before);
}

std::string ListEditor::StepLabel(const ComponentRecord& entry) {
    return std::string(Trimmed(entry.LABEL.view(), kSpacesAndNuls));
}

std::optional<int> ListEditor::AskUpToTen(const std::string& caption) {
    return prompter_.Choose(caption, CountOptions("10"), kOneUnit);
}

std::optional<std::string> ListEditor::AskNineOrEnter(const std::string& caption,
                                                      const std::string& input_prompt) {
    const std::optional<int> position = prompter_.Choose(caption, CountOptions("Enter"), kOneUnit);
    if (!position) {
        return std::nullopt;
    }
    if (*position == 10) {
        return prompter_.AskText(AppTitle(), input_prompt, "1");
    }
    return std::to_string(*position);
}

std::optional<int> ListEditor::NextFreeEntry(int after) {
    const std::span<ComponentRecord> entries = Entries();
    for (std::size_t i = static_cast<std::size_t>(after) + 1; i < entries.size(); ++i) {
        if (entries[i].NUMBER <= 0) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

void ListEditor::ShowMaximumMessage() {
    prompter_.ShowMessage(AppTitle(), "You already have the maximum number of options selected.",
                          MessageIcon::Warning);
}

void ListEditor::Apply(std::string step, const std::function<void()>& change) {
    document_.Change(std::move(step), [&change](Design&) { change(); });
}

void ListEditor::DesignUpdated(Design&) {
    Activate();
}

std::optional<int> ListEditor::SelectedEntry() {
    const std::optional<int> row = installed.Selected();
    if (!row) {
        return std::nullopt;
    }
    const int index = installed.ItemData(*row);
    if (index < 1 || index >= static_cast<int>(Entries().size())) {
        return std::nullopt;
    }
    return index;
}

const ComponentRecord* ListEditor::SelectedCatalogRow() {
    const CatalogKey* key = available.SelectedKey();
    return key ? &catalog().LookupComponent(key->code, key->id) : nullptr;
}

void ListEditor::ChangeNumber(ComponentRecord& entry) {
    const auto answer =
        prompter_.AskText(AppTitle(), shape_.change_number_prompt, PlainNumber(entry.NUMBER));
    if (!answer || answer->empty()) {
        return;
    }
    if (!StartsWithNumber(*answer)) {
        prompter_.ShowMessage(AppTitle(),
                              "\"" + *answer + "\" is not a number; the number stays " +
                                  PlainNumber(entry.NUMBER) + ".",
                              MessageIcon::Warning);
        return;
    }
    // Below 0 the entry would count nowhere and never be listed again: it is
    // emptied as 0 empties it.
    const double number = LeadingNumber(*answer);
    entry.NUMBER = number > 0 ? number : 0;
}

}  // namespace korvane::ui
