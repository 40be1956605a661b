#include "ui/editors/list_editor.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/bitwise_equal.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/entry_particulars.h"
#include "ui/editors/typed_number.h"

namespace korvane::ui {

namespace {

constexpr const char* kDetailsPattern = "#,###,##0.0";

constexpr int kRemoveOption = 1;
constexpr int kChangeNumberOption = 2;

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
    const CatalogKey* key = available.SelectedKey();
    if (!key) {
        return;
    }
    if (!NextFreeEntry()) {
        ShowFailure(MaximumReached());
        return;
    }
    if (IsEmptyEntry(catalog().LookupComponent(key->code, key->id))) {
        return;  // the catalog has lost the row since the list was filled
    }
    AskCountAndInstall(CatalogKey(*key));
}

Status ListEditor::Install(const CatalogKey& row, double count) {
    return InstallRow(row, count, [](ComponentRecord&) {});
}

Status ListEditor::InstallRow(const CatalogKey& row, double count,
                              const std::function<void(ComponentRecord&)>& finish) {
    const ComponentRecord& catalog_row = catalog().LookupComponent(row.code, row.id);
    if (IsEmptyEntry(catalog_row)) {
        return Error{"The catalog has no row " + row.code + " " + std::to_string(row.id) + "."};
    }
    const std::optional<int> free = NextFreeEntry();
    if (!free) {
        return MaximumReached();
    }
    ComponentRecord entry = catalog_row;
    SetCount(entry, count);
    if (!(entry.NUMBER > 0)) {
        return {};
    }
    finish(entry);
    Apply("Install " + PlainNumber(entry.NUMBER) + " " + StepLabel(entry),
          [&] { Entries()[static_cast<std::size_t>(*free)] = entry; });
    return {};
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
    if (*option == kRemoveOption) {
        ShowFailure(Remove(*index));
    } else if (*option == kChangeNumberOption) {
        AskNumber(*index);
    } else {
        ModifyFurther(*option, *index);
    }
}

Status ListEditor::SetNumber(int entry, double number) {
    auto installed_entry = InstalledEntry(entry);
    if (!installed_entry) {
        return installed_entry.status();
    }
    if (!std::isfinite(number)) {
        return Error{"The number of " + StepLabel(**installed_entry) +
                     " is out of range; it stays " + PlainNumber((*installed_entry)->NUMBER) + "."};
    }
    ComponentRecord changed = **installed_entry;
    // Below 0 the entry would count nowhere and never be listed again: it is
    // emptied as 0 empties it.
    changed.NUMBER = number > 0 ? number : 0;
    Replace(entry, "Change number of " + StepLabel(changed) + " to " + PlainNumber(changed.NUMBER),
            changed);
    return {};
}

Status ListEditor::Remove(int entry) {
    auto installed_entry = InstalledEntry(entry);
    if (!installed_entry) {
        return installed_entry.status();
    }
    Replace(entry, "Remove " + StepLabel(**installed_entry), BlankRecord);
    return {};
}

std::optional<int> ListEditor::EntryOfInstalledRow(int row) {
    if (row < 0 || row >= installed.Count()) {
        return std::nullopt;
    }
    const int index = installed.ItemData(row);
    if (index < 1 || index >= static_cast<int>(Entries().size())) {
        return std::nullopt;
    }
    return index;
}

std::optional<double> ListEditor::NumberOf(int entry) {
    const Result<ComponentRecord*> installed_entry = InstalledEntry(entry);
    return installed_entry ? std::optional(installed_entry.value()->NUMBER) : std::nullopt;
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

void ListEditor::AskCountAndInstall(const CatalogKey& row) {
    if (const std::optional<double> count = AskCount()) {
        ShowFailure(Install(row, *count));
    }
}

std::optional<double> ListEditor::AskCount() {
    if (shape_.count_prompt == CountPrompt::UpToTen) {
        return AskUpToTen(shape_.count_caption);
    }
    const auto typed = AskNineOrEnter(shape_.count_caption, "Give number");
    return typed ? std::optional(LeadingNumber(*typed)) : std::nullopt;
}

void ListEditor::SetCount(ComponentRecord& entry, double count) const {
    if (count != 0) {
        entry.NUMBER = count;
    } else if (shape_.zero_count == ZeroCount::InstallNothing) {
        entry.NUMBER = 0;
    }
}

std::vector<std::string> ListEditor::ModifyOptions() const {
    return {"Remove", "Change number"};
}

void ListEditor::ModifyFurther(int, int) {}

std::string ListEditor::StepLabel(const ComponentRecord& entry) const {
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

void ListEditor::Apply(std::string step, const std::function<void()>& change) {
    document_.Change(std::move(step), [&change](Design&) { change(); });
}

void ListEditor::DesignUpdated(const Design&, const DesignChange& change) {
    if (Concerns(change)) {
        Activate();
    }
}

bool ListEditor::Concerns(const DesignChange& change) {
    return change.TouchesRecords(design(), Entries());
}

std::optional<int> ListEditor::SelectedEntry() {
    const std::optional<int> row = installed.Selected();
    return row ? EntryOfInstalledRow(*row) : std::nullopt;
}

const ComponentRecord* ListEditor::SelectedCatalogRow() {
    const CatalogKey* key = available.SelectedKey();
    return key ? &catalog().LookupComponent(key->code, key->id) : nullptr;
}

void ListEditor::AskNumber(int entry) {
    const double number = Entries()[static_cast<std::size_t>(entry)].NUMBER;
    const auto answer =
        prompter_.AskText(AppTitle(), shape_.change_number_prompt, PlainNumber(number));
    if (!answer || answer->empty()) {
        return;
    }
    if (!StartsWithNumber(*answer)) {
        prompter_.ShowMessage(
            AppTitle(),
            "\"" + *answer + "\" is not a number; the number stays " + PlainNumber(number) + ".",
            MessageIcon::Warning);
        return;
    }
    ShowFailure(SetNumber(entry, LeadingNumber(*answer)));
}

Result<ComponentRecord*> ListEditor::InstalledEntry(int entry) {
    const std::span<ComponentRecord> entries = Entries();
    if (entry < 1 || entry >= static_cast<int>(entries.size()) ||
        !(entries[static_cast<std::size_t>(entry)].NUMBER > 0)) {
        return Error{"Entry " + std::to_string(entry) + " of " + shape_.frame_caption +
                     " is not installed."};
    }
    return &entries[static_cast<std::size_t>(entry)];
}

void ListEditor::Replace(int entry, std::string step, const ComponentRecord& changed) {
    if (changed != Entries()[static_cast<std::size_t>(entry)]) {
        Apply(std::move(step), [&] { Entries()[static_cast<std::size_t>(entry)] = changed; });
    }
}

Status ListEditor::ReplaceEdited(int entry, ComponentRecord edited) {
    auto installed_entry = InstalledEntry(entry);
    if (!installed_entry) {
        return installed_entry.status();
    }
    if (Status figures = CheckTypedFigures(edited); !figures) {
        return figures;
    }
    if (!(edited.NUMBER > 0)) {
        edited.NUMBER = (*installed_entry)->NUMBER;
    }
    Replace(entry, "Edit " + StepLabel(**installed_entry), edited);
    return {};
}

Error ListEditor::MaximumReached() {
    return Error{"You already have the maximum number of options selected."};
}

void ListEditor::ShowFailure(const Status& status) {
    if (!status) {
        prompter_.ShowMessage(AppTitle(), status.message(), MessageIcon::Warning);
    }
}

}  // namespace korvane::ui
