#pragma once

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The subordinate craft editor: the CR catalog rows into the design's Craft
// entries 1–10, each craft with a 50-character name and particulars the user
// may edit, and the launch tubes (slot 26), whose state the button shows.
class CraftEditor final : public ListEditor {
public:
    CraftEditor(Session& session, DesignDocument& document, Prompter& prompter);

    // Rebuilds the installed list and the launch tube caption.
    void Activate() override;
    // The entries or the launch tubes.
    bool Concerns(const DesignChange& change) override;

    // The launch tube button: how many tubes and, when there are any, up to
    // what tonnage they launch. A closed question changes nothing.
    void SetLaunchTubes();
    // `tubes` launch tubes for craft up to `tonnage` tons, each below 0 read
    // as 0; without tubes the tonnage is kept and no tube is fitted. The step
    // is named by the button's new caption.
    Status SetLaunchTubes(double tubes, double tonnage);
    // Replaces installed entry `entry` by `edited`, its particulars as the
    // user typed them: "Edit Pinnace".
    Status Edit(int entry, const ComponentRecord& edited);

    std::vector<std::string> ModifyOptions() const override;

    Button launch_tubes{"No launch tube"};
    // The launch tubes' volume, mass and cost; before any are fitted, what
    // each ton of craft they launch takes.
    Label launch_tube_details;

protected:
    std::span<ComponentRecord> Entries() override { return design().Craft; }

    std::string AvailableRowText(const ComponentRecord& row) const override;
    std::string AvailableDetailsOf(const ComponentRecord& row) const override;
    std::string InstalledRowText(const ComponentRecord& entry) const override;
    std::string StepLabel(const ComponentRecord& entry) const override;
    std::string InstalledDetailsOf(const ComponentRecord& entry) override;
    // "Edit": the craft entry dialog.
    void ModifyFurther(int option, int entry) override;
};

// The launch tube button's caption for slot 26.
std::string LaunchTubeCaption(const ComponentRecord& launch_tube);
// The details line under it.
std::string LaunchTubeDetails(const ComponentRecord& launch_tube);

}  // namespace korvane::ui
