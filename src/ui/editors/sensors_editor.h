#pragma once

#include <optional>
#include <string_view>

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The sensors editor, opened from the electronics editor: the SA, SV, SD, SN
// and SM catalog rows into the design's Sensors entries 1–10, the scan
// results of the installed sensors, and "Defaults", a standard suite for the
// design's tech level.
class SensorsEditor final : public ListEditor {
public:
    SensorsEditor(Session& session, DesignDocument& document, Prompter& prompter);

    // Rebuilds the installed list and the scan results.
    void Activate() override;
    // The entries, or the scan results the electronics give.
    bool Concerns(const DesignChange& change) override;

    // "Defaults": asks how many of each, then installs them.
    void InstallDefaults();
    // Installs `count` of each into the free entries: the active sensors SA 6
    // and SA 12 and the visual suite SV 5, the best densitometer and the best
    // neutrino sensor of the design's tech level, each set to the design's
    // tech level. What does not fit is left out. "Sensor defaults".
    Status InstallDefaults(double count);

    Button defaults{"D&efaults"};
    Label scan_results;

protected:
    std::span<ComponentRecord> Entries() override { return design().Sensors; }

private:
    // The default suite from entry `first` on, `count` of each.
    void FillDefaultSuite(int first, double count);
    // Copies `row` into `entry` with the count and the design's tech level.
    void InstallInto(int entry, const ComponentRecord& row, double count);
    // Installs into `entry`, each replacing the one before, the rows of `code`
    // from `first_id` on in key order while their tech level is within the design's.
    void InstallBestUpToTechLevel(int entry, std::string_view code, int first_id, double count);
};

}  // namespace korvane::ui
