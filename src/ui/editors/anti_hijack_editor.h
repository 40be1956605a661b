#pragma once

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The anti-hijack editor, opened from the other-features menu: the AH catalog
// rows into the design's AntiHijack entries 1–15. A fitting scaled with the
// hull is offered in the count that suits the hull; "Defaults" installs the
// catalog's default set.
class AntiHijackEditor final : public ListEditor {
public:
    AntiHijackEditor(Session& session, DesignDocument& document, Prompter& prompter);

    // "Defaults": AH row 1 into entry 1, then each row of the default set into
    // the entries after it, one each, or as many as suit the hull where the row
    // scales with it; entries after the last default keep what they hold, and
    // default rows beyond the table's last entry are left out.
    void InstallDefaults();

    // The count that suits the hull for catalog row `row`, when the row is
    // scaled with the hull (row 1 never is).
    std::optional<double> SuggestedCount(const CatalogKey& row);

    Button defaults{"D&efaults"};

protected:
    std::span<ComponentRecord> Entries() override { return design().AntiHijack; }

    // A row scaled with the hull offers the suggested count and "Enter"; the
    // others the usual "1" … "9" and "Enter".
    void AskCountAndInstall(const CatalogKey& row) override;

private:
    void InstallDefaultSet();
    // The fittings a row scaled with the hull suggests: its MISCNUM1 per full
    // 25 displacement tons.
    double SuggestedCount(const ComponentRecord& row);
};

}  // namespace korvane::ui
