#include "ui/editors/electronics_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "form_editor_test_support.h"
#include "model/standard_catalog.h"

namespace korvane::ui {
namespace {

using ui_test::SameDesignFile;

class ElectronicsEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        editor_.Fill();
    }

    ElectronicsEditor editor_{session_, document_, prompter_};
};

TEST_F(ElectronicsEditorTest, ListsTheAvionicsAfterNoAvionics) {
    EXPECT_EQ(DisplayText(editor_.Frame().caption), "Electronics");
    ASSERT_EQ(editor_.avionics.Count(), 6);
    EXPECT_EQ(editor_.avionics.Text(0), "No avionics");
    EXPECT_EQ(editor_.avionics.Text(3), "Avionics-Advanced   ");
    EXPECT_EQ(editor_.avionics.Selected(), 0) << "the new design has none";
    EXPECT_FALSE(editor_.em_mask.checked);
}

TEST_F(ElectronicsEditorTest, AvionicsAndTheEmMaskAreStored) {
    editor_.avionics.Select(3);
    editor_.em_mask.checked = true;
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);
    const ComponentRecord& avionics = design().Slots[Slot::Avionics];
    EXPECT_EQ(avionics.LABEL.trimmed(), "Avionics-Advanced");
    EXPECT_EQ(avionics.NUMBER, 1);
    EXPECT_EQ(avionics.IDNUM, 3);
    EXPECT_EQ(design().Slots[Slot::EmMask].NUMBER, 1);

    editor_.Fill();
    EXPECT_EQ(editor_.avionics.Selected(), 3);
    EXPECT_TRUE(editor_.em_mask.checked);
}

TEST_F(ElectronicsEditorTest, NoAvionicsEmptiesTheSlotAndIsShownAgain) {
    editor_.avionics.Select(2);
    editor_.Accept();
    editor_.Fill();
    editor_.avionics.Select(0);
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::Avionics], BlankRecord);
    editor_.Fill();
    EXPECT_EQ(editor_.avionics.Selected(), 0);
}

TEST_F(ElectronicsEditorTest, NoSelectionKeepsTheAvionics) {
    editor_.avionics.Select(4);
    editor_.Accept();
    editor_.Fill();
    editor_.avionics.Select(std::nullopt);
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::Avionics].LABEL.trimmed(), "Avionics-Superior");
}

// "No avionics" stores the blank record every time, so the new design's
// "No avionics" label goes on the first Accept; after that nothing changes.
TEST_F(ElectronicsEditorTest, AcceptWithoutChangesKeepsTheDesignFileOnceNoAvionicsIsBlank) {
    ASSERT_EQ(design().Slots[Slot::Avionics].LABEL.trimmed(), "No avionics");
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::Avionics], BlankRecord);
    editor_.Fill();
    const Design blank = design();
    editor_.Accept();
    EXPECT_TRUE(SameDesignFile(design(), blank));

    editor_.avionics.Select(1);
    editor_.Accept();
    editor_.Fill();
    const Design fitted = design();
    editor_.Accept();
    EXPECT_TRUE(SameDesignFile(design(), fitted));
}

using ElectronicsCatalogTest = ui_test::ListEditorFixture;

TEST_F(ElectronicsCatalogTest, TheAvionicsListEndsAtTheFirstRowWithoutADash) {
    std::vector<ComponentRecord> rows = StandardCatalogRows();
    for (ComponentRecord& row : rows) {
        if (row.TABLE == "AV" && row.IDNUM == 3) {
            row.LABEL = "Advanced Avionics";
        }
    }
    OpenCatalog(rows);
    ElectronicsEditor editor{session_, document_, prompter_};
    editor.Fill();
    ASSERT_EQ(editor.avionics.Count(), 3);
    EXPECT_EQ(editor.avionics.Text(2), "Avionics-Standard   ");
}

}  // namespace
}  // namespace korvane::ui
