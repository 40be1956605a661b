#pragma once

// A session over a small catalog of the test's own, for the section editors'
// logic: each test names exactly the rows it needs.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/new_design.h"
#include "app/session.h"
#include "files/catalog_files.h"
#include "files/design_file.h"
#include "model/catalog_store.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "ui/design_document.h"

namespace korvane::ui_test {

// A catalog row with its key, label, per-unit figures and tech level.
inline ComponentRecord Row(std::string_view table, int id, std::string_view label, double kl = 1,
                           double tons = 1, double mw = 1, double cr = 1000, int tl = 10) {
    ComponentRecord row;
    row.TABLE = table;
    row.IDNUM = static_cast<std::int16_t>(id);
    row.LABEL = label;
    row.NUMBER = 1;
    row.KL = kl;
    row.TONS = tons;
    row.MW = mw;
    row.CR = cr;
    row.TL = static_cast<std::int16_t>(tl);
    return row;
}

// The design file a design makes, for comparing designs byte for byte.
inline std::string DesignFileText(const Design& design) {
    std::ostringstream out;
    WriteDesign(out, design);
    return out.str();
}

// Whether two designs make the same design file; where they differ, the
// first line that does.
inline ::testing::AssertionResult SameDesignFile(const Design& actual, const Design& expected) {
    const std::string a = DesignFileText(actual);
    const std::string b = DesignFileText(expected);
    if (a == b) {
        return ::testing::AssertionSuccess();
    }
    const auto differ = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first;
    return ::testing::AssertionFailure()
           << "the design files differ from line " << 1 + std::count(a.begin(), differ, '\n');
}

// Counts the design-changed notices.
class NoticeCounter final : public ui::DesignObserver {
public:
    explicit NoticeCounter(ui::DesignDocument& document)
        : subscription_(document.Subscribe(*this)) {}
    void DesignUpdated(const Design&, const ui::DesignChange&) override { ++notices; }
    int notices = 0;

private:
    ui::DesignSubscription subscription_;
};

class ListEditorFixture : public ::testing::Test {
protected:
    // Opens a catalog of `rows` and starts the new design at `tech_level`.
    void OpenCatalog(const std::vector<ComponentRecord>& rows, int tech_level = 12) {
        session_.CatalogDir = dir_.path().string() + "/";
        ASSERT_TRUE(CreateCatalogFile(session_.CatalogPath(), rows).ok());
        auto store = CatalogStore::Open(session_.CatalogPath());
        ASSERT_TRUE(store) << store.message();
        session_.catalog = std::move(*store);
        NewDesign(session_.design, session_.catalog->Features());
        session_.design.DesignTL() = static_cast<std::int16_t>(tech_level);
        session_.design.DesignChanged = false;
    }

    Design& design() { return session_.design; }

    testing::TempDir dir_;
    Session session_;
    ui::DesignDocument document_{session_};
    NoticeCounter notices_{document_};
    testing::ScriptedPrompter prompter_;
};

}  // namespace korvane::ui_test
