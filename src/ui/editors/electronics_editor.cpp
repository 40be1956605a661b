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
    : FormEditor(session, document, prompter, "Electronics", "electronics") {
    AddField(avionics, avionics_caption);
    AddField(em_mask);
}

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

void ElectronicsEditor::ShowDesign(const Design& design) {
    const auto& slots = design.Slots;
    avionics.Select(
        RowWithItemData(avionics, slots[Slot::Avionics].KL != 0 ? slots[Slot::Avionics].IDNUM : 0));
    em_mask.checked = slots[Slot::EmMask].NUMBER == 1;
}

// A list left without a selection keeps the design's avionics.
void ElectronicsEditor::StoreControls(Design& design) {
    auto& slots = design.Slots;
    const std::optional<int> row = avionics.Selected();
    if (const int id = row ? avionics.ItemData(*row) : 0; id > 0) {
        slots[Slot::Avionics] = catalog().LookupComponent("AV", id);
        slots[Slot::Avionics].NUMBER = 1;
    } else if (row) {
        slots[Slot::Avionics] = BlankRecord;
    }
    slots[Slot::EmMask].NUMBER = Flag(em_mask);
}

}  // namespace korvane::ui
