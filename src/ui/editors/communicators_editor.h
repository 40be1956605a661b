#pragma once

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The communicators editor, opened from the electronics editor: the CM
// catalog rows into the design's Communicators entries 1–10.
class CommunicatorsEditor final : public ListEditor {
public:
    CommunicatorsEditor(Session& session, DesignDocument& document, Prompter& prompter);

protected:
    std::span<ComponentRecord> Entries() override { return design().Communicators; }
};

}  // namespace korvane::ui
