#include "ui/editors/weapons_editor.h"

#include <optional>
#include <string>

#include "model/number_format.h"
#include "ui/editors/form_fields.h"

namespace korvane::ui {

namespace {

constexpr int kSpinalMountRows = 999;

// A spinal mount row: label, volume, mass, power, cost in MCr and tech level.
std::string SpinalMountRowText(const ComponentRecord& row) {
    return row.LABEL.str() + "    " + PlainNumber(row.KL) + "Kl    " + PlainNumber(row.TONS) +
           " tons    " + PlainNumber(row.MW) + " Mw    Mcr" + PlainNumber(row.CR / 1'000'000) +
           "  TL " + std::to_string(row.TL);
}

}  // namespace

WeaponsEditor::WeaponsEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : FormEditor(session, document, prompter, "Weapon Systems", "weapons") {
    // The hub has no "Cancel": what it shows is stored by "Done".
    accept.caption = "&Done";
    cancel.visible = false;
    AddField(spinal_mount, spinal_mount_caption);
    AddField(he_rounds, he_rounds_caption);
    AddField(atomic_rounds, atomic_rounds_caption);
    AddField(antimatter_rounds, antimatter_rounds_caption);
}

void WeaponsEditor::Activate() {
    factors.Show(design());
    ShowMagazineTotal();
}

void WeaponsEditor::FillLists() {
    spinal_mount.AddItem("No spinal mount weapon", 0);
    ForEachCatalogRow(catalog(), "SP", kSpinalMountRows, [this](const ComponentRecord& row) {
        spinal_mount.AddItem(SpinalMountRowText(row), row.IDNUM);
        return true;
    });
}

void WeaponsEditor::ShowDesign(const Design& design) {
    const ComponentRecord& spinal = design.Slots[Slot::SpinalMount];
    const ComponentRecord& magazine = design.Slots[Slot::Magazine];
    spinal_mount.Select(RowWithItemData(spinal_mount, spinal.IDNUM));
    he_rounds.text = NumberText(magazine.MISCNUM[1]);
    atomic_rounds.text = NumberText(magazine.MISCNUM[2]);
    antimatter_rounds.text = NumberText(magazine.MISCNUM[3]);
    factors.Show(design);
}

std::vector<FormEditor::NumberField> WeaponsEditor::NumberFields() const {
    return {{he_rounds_caption, he_rounds},
            {atomic_rounds_caption, atomic_rounds},
            {antimatter_rounds_caption, antimatter_rounds}};
}

// A negative number of rounds would give the magazine a negative volume, mass
// and cost: it is refused and nothing is stored.
bool WeaponsEditor::ValuesAcceptable() {
    if (NumberIn(he_rounds) < 0 || NumberIn(atomic_rounds) < 0 || NumberIn(antimatter_rounds) < 0) {
        prompter().ShowMessage(Title(),
                               "Battery rounds of missiles cannot be below 0; nothing is stored.",
                               MessageIcon::Warning);
        return false;
    }
    return true;
}

void WeaponsEditor::StoreControls(Design& design) {
    ComponentRecord& spinal = design.Slots[Slot::SpinalMount];
    // No selection keeps the design's spinal mount.
    const std::optional<int> row = spinal_mount.Selected();
    if (const int id = row ? spinal_mount.ItemData(*row) : 0; id > 0) {
        spinal = catalog().LookupComponent("SP", id);
        spinal.NUMBER = 1;
    } else if (row) {
        spinal = BlankRecord;
    }
    ComponentRecord& magazine = design.Slots[Slot::Magazine];
    magazine.MISCNUM[1] = NumberIn(he_rounds);
    magazine.MISCNUM[2] = NumberIn(atomic_rounds);
    magazine.MISCNUM[3] = NumberIn(antimatter_rounds);
}

void WeaponsEditor::ShowMagazineTotal() {
    const double rounds =
        NumberIn(he_rounds) + NumberIn(atomic_rounds) + NumberIn(antimatter_rounds);
    magazine_total.caption =
        "Total: " + FormatPattern(rounds * design().Slots[Slot::Magazine].NUMBER, "##,###,##0 ") +
        "missiles";
}

}  // namespace korvane::ui
