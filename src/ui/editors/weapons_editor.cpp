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

void WeaponsEditor::ShowDesign() {
    const ComponentRecord& spinal = design().Slots[Slot::SpinalMount];
    const ComponentRecord& magazine = design().Slots[Slot::Magazine];
    spinal_mount.Select(PositionOf(spinal.IDNUM));
    he_rounds.text = NumberText(magazine.MISCNUM[1]);
    atomic_rounds.text = NumberText(magazine.MISCNUM[2]);
    antimatter_rounds.text = NumberText(magazine.MISCNUM[3]);
    Activate();
}

// A negative number of rounds would give the magazine a negative volume, mass
// and cost: it is refused and nothing is stored.
std::vector<FormEditor::NumberField> WeaponsEditor::NumberFields() const {
    return {{he_rounds_caption, he_rounds},
            {atomic_rounds_caption, atomic_rounds},
            {antimatter_rounds_caption, antimatter_rounds}};
}

bool WeaponsEditor::StoreControls() {
    const double he = NumberIn(he_rounds);
    const double atomic = NumberIn(atomic_rounds);
    const double antimatter = NumberIn(antimatter_rounds);
    if (he < 0 || atomic < 0 || antimatter < 0) {
        prompter().ShowMessage(Title(),
                               "Battery rounds of missiles cannot be below 0; nothing is stored.",
                               MessageIcon::Warning);
        return false;
    }

    ComponentRecord& spinal = design().Slots[Slot::SpinalMount];
    // No selection keeps the design's spinal mount.
    if (const std::optional<int> row = spinal_mount.Selected(); row && *row > 0) {
        spinal = catalog().LookupComponent("SP", spinal_mount.ItemData(*row));
        spinal.NUMBER = 1;
    } else if (row) {
        spinal = BlankRecord;
    }
    ComponentRecord& magazine = design().Slots[Slot::Magazine];
    magazine.MISCNUM[1] = he;
    magazine.MISCNUM[2] = atomic;
    magazine.MISCNUM[3] = antimatter;
    return true;
}

void WeaponsEditor::ShowMagazineTotal() {
    const double rounds =
        NumberIn(he_rounds) + NumberIn(atomic_rounds) + NumberIn(antimatter_rounds);
    magazine_total.caption =
        "Total: " + FormatPattern(rounds * design().Slots[Slot::Magazine].NUMBER, "##,###,##0 ") +
        "missiles";
}

}  // namespace korvane::ui
