#pragma once

#include <string_view>

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The turrets editor, opened from the weapon systems editor: the TR catalog
// rows into the design's Turrets entries 1–10. An install asks for the number
// of turrets and then for the batteries their weapons form; the installed rows
// show the factor the recalculation gave each entry and its batteries.
// "Change batteries" sets the batteries, "MaxFactor" the most batteries the
// weapons form at a chosen factor.
class TurretsEditor final : public ListEditor {
public:
    TurretsEditor(Session& session, DesignDocument& document, Prompter& prompter);

    using ListEditor::Install;
    // Installs `count` turrets of catalog row `row` with `batteries` as their
    // batteries text: "Install 2 Triple Turret".
    Status Install(const CatalogKey& row, double count, std::string_view batteries);
    // Sets the batteries of installed entry `entry`; an empty text keeps them:
    // "Change batteries of Triple Turret to 2".
    Status SetBatteries(int entry, std::string_view batteries);
    // The factors "MaxFactor" offers for installed entry `entry`, from the lowest.
    std::vector<int> MaxFactorChoices(int entry);
    // Sets the batteries of installed entry `entry` to the most its weapons
    // form at `factor` (or the next lower factor that forms any): "MaxFactor 6".
    Status SetMaxFactor(int entry, int factor);

    std::vector<std::string> ModifyOptions() const override;

protected:
    std::span<ComponentRecord> Entries() override { return design().Turrets; }
    std::string InstalledRowTail(const ComponentRecord& entry) const override;
    // After the number of turrets, the batteries their weapons form.
    void AskCountAndInstall(const CatalogKey& row) override;
    void ModifyFurther(int option, int entry) override;

private:
    void AskBatteries(int entry);
    void AskMaxFactor(int entry);
};

}  // namespace korvane::ui
