#include "ui/editors/control_editor.h"

#include <optional>
#include <string>

#include "ui/editors/form_fields.h"

namespace korvane::ui {

namespace {

constexpr int kComputerRows = 999;
constexpr int kPanelRows = 999;
constexpr double kComputersInASet = 3;

// "1 Basic              (TL 7)".
std::string RowWithTechLevel(const ComponentRecord& row) {
    return row.LABEL.str() + "  (TL " + std::to_string(row.TL) + ")";
}

}  // namespace

ControlEditor::ControlEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : FormEditor(session, document, prompter, "Control && Computers", "control") {
    AddField(main_computer, main_computer_caption);
    AddField(backup_computer, backup_computer_caption);
    AddField(control_panels, control_panels_caption);
    AddField(heads_up_displays, heads_up_displays_caption);
    AddField(large_holodisplays, large_holodisplays_caption);
    AddField(head_up_holodisplays, head_up_holodisplays_caption);
    AddField(auxiliary_bridge);
}

void ControlEditor::FillLists() {
    main_computer.AddItem("No computer", 0);
    backup_computer.AddItem("No computer", 0);
    ForEachCatalogRow(catalog(), "CO", kComputerRows, [this](const ComponentRecord& row) {
        main_computer.AddItem(RowWithTechLevel(row), row.IDNUM);
        backup_computer.AddItem(RowWithTechLevel(row), row.IDNUM);
        return true;
    });
    ForEachCatalogRow(catalog(), "PN", kPanelRows, [this](const ComponentRecord& row) {
        control_panels.AddItem(RowWithTechLevel(row), row.IDNUM);
        return true;
    });
}

void ControlEditor::ShowDesign(const Design& design) {
    const auto& slots = design.Slots;
    main_computer.Select(RowWithItemData(main_computer, slots[Slot::MainComputer].IDNUM));
    backup_computer.Select(RowWithItemData(backup_computer, slots[Slot::BackupComputer].IDNUM));
    control_panels.Select(RowWithItemData(control_panels, slots[Slot::Panels].IDNUM));
    const auto& displays = slots[Slot::PanelAddOns].MISCNUM;
    heads_up_displays.text = NumberText(displays[1]);
    large_holodisplays.text = NumberText(displays[2]);
    head_up_holodisplays.text = NumberText(displays[3]);
    auxiliary_bridge.checked = slots[Slot::AuxiliaryBridge].NUMBER != 0;
}

std::vector<FormEditor::NumberField> ControlEditor::NumberFields() const {
    return {{heads_up_displays_caption, heads_up_displays},
            {large_holodisplays_caption, large_holodisplays},
            {head_up_holodisplays_caption, head_up_holodisplays}};
}

void ControlEditor::StoreControls(Design& design) {
    auto& slots = design.Slots;
    StoreComputer(main_computer, slots[Slot::MainComputer]);
    StoreComputer(backup_computer, slots[Slot::BackupComputer]);
    if (const std::optional<int> row = control_panels.Selected()) {
        slots[Slot::Panels] = catalog().LookupComponent("PN", control_panels.ItemData(*row));
    }
    auto& displays = slots[Slot::PanelAddOns].MISCNUM;
    displays[1] = NumberIn(heads_up_displays);
    displays[2] = NumberIn(large_holodisplays);
    displays[3] = NumberIn(head_up_holodisplays);
    slots[Slot::AuxiliaryBridge].NUMBER = Flag(auxiliary_bridge);
}

// The set is made from the catalog row each time, never from the stored,
// already tripled entry.
void ControlEditor::StoreComputer(const ListBox& list, ComponentRecord& slot) {
    const std::optional<int> row = list.Selected();
    if (!row) {
        return;
    }
    const int id = list.ItemData(*row);
    if (id == 0) {
        slot = BlankRecord;
        return;
    }
    slot = catalog().LookupComponent("CO", id);
    slot.NUMBER = kComputersInASet;
    slot.KL *= kComputersInASet;
    slot.TONS *= kComputersInASet;
    slot.MW *= kComputersInASet;
    slot.CR *= kComputersInASet;
}

}  // namespace korvane::ui
