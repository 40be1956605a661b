#pragma once

// The form editors' tests: the new design on the standard catalog, as the
// program starts, since these editors pick the catalog's rows by position.

#include <gtest/gtest.h>

#include "engine/recalculate.h"
#include "list_editor_test_support.h"
#include "support/test_session.h"

namespace korvane::ui_test {

class FormEditorFixture : public ::testing::Test {
protected:
    void SetUp() override { testing::StartTestSession(session_, dir_.path()); }

    Design& design() { return session_.design; }
    Catalog& catalog() { return session_.catalog->Features(); }
    // Recalculates after the test changed the design behind the editor's back.
    void Settle() { Recalculate(design(), catalog()); }
    // Whether a further whole recalculation would change nothing: the editor
    // left every section's figures up to date.
    ::testing::AssertionResult Settled() {
        Design again = design();
        Recalculate(again, catalog());
        return SameDesignFile(design(), again);
    }

    testing::TempDir dir_;
    Session session_;
    ui::DesignDocument document_{session_};
    NoticeCounter notices_{document_};
    testing::ScriptedPrompter prompter_;
};

}  // namespace korvane::ui_test
