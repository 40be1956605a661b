#include "ui/editors/electronics_editor.h"

#include <optional>

#include "ui/editors/form_fields.h"

namespace korvane::ui {

namespace {

// Avionics rows are named "Avionics-…"; the list ends before the first row
// that is not.
constexpr int kAvionicsRows = 999;

}  // namespace

ElectronicsEditor::ElectronicsEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : FormEditor(session, document, prompter, "Electronics", "electronics") {}

void ElectronicsEditor::FillLists() {
    avionics.AddItem("No avionics", 0);
    ForEachCatalogRow(catalog(), "AV", kAvionicsRows, [this](const ComponentRecord& row) {
        if (!row.LABEL.contains("-")) {
            return false;
        }
        avionics.AddItem(row.LABEL.str(), row.IDNUM);
        return true;
    });
}

void ElectronicsEditor::ShowDesign() {
    const auto& slots = design().Slots;
    avionics.Select(slots[Slot::Avionics].KL != 0 ? slots[Slot::Avionics].IDNUM : 0);
    em_mask.checked = slots[Slot::EmMask].NUMBER == 1;
}

// A list left without a selection keeps the design's avionics.
bool ElectronicsEditor::StoreControls() {
    auto& slots = design().Slots;
    if (const std::optional<int> row = avionics.Selected(); row && *row > 0) {
        slots[Slot::Avionics] = catalog().LookupComponent("AV", *row);
        slots[Slot::Avionics].NUMBER = 1;
    } else if (row) {
        slots[Slot::Avionics] = BlankRecord;
    }
    slots[Slot::EmMask].NUMBER = Flag(em_mask);
    return true;
}

}  // namespace korvane::ui
