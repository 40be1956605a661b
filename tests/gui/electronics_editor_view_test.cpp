#include "gui/electronics_editor_view.h"

#include <QCheckBox>
#include <QToolButton>

#include "editor_view_fixture.h"

namespace korvane::gui_test {
namespace {

using ElectronicsEditorViewTest = EditorViewTest<ui::ElectronicsEditor, gui::ElectronicsEditorView>;

TEST_F(ElectronicsEditorViewTest, EnterAcceptsTheAvionicsAndTheMask) {
    view_->Open();
    ExpectTitleAndFrame(QStringLiteral("Electronics"));
    EXPECT_EQ(ComboBox("avionics").currentText(), QStringLiteral("No avionics"));
    Choose("avionics", 2);
    Find<QCheckBox>("em_mask").setChecked(true);
    Press("avionics", Qt::Key_Return);
    EXPECT_EQ(design().Slots[Slot::Avionics].LABEL.trimmed(), "Avionics-Standard");
    EXPECT_EQ(design().Slots[Slot::EmMask].NUMBER, 1);
    EXPECT_EQ(closed_, 1);
}

TEST_F(ElectronicsEditorViewTest, EscapeCancels) {
    view_->Open();
    Choose("avionics", 2);
    Press("avionics", Qt::Key_Escape);
    EXPECT_EQ(design().Slots[Slot::Avionics].LABEL.trimmed(), "No avionics");
    EXPECT_FALSE(view_->isVisible());
}

// Leading on to a list editor hides this window without closing it: what
// was chosen here stays, unstored, for when it shows again.
TEST_F(ElectronicsEditorViewTest, SensorsAndCommunicatorsLeadOnWithoutStoring) {
    int sensors = 0;
    int communicators = 0;
    QObject::connect(view_.get(), &gui::ElectronicsEditorView::sensorsRequested,
                     [&sensors] { ++sensors; });
    QObject::connect(view_.get(), &gui::ElectronicsEditorView::communicatorsRequested,
                     [&communicators] { ++communicators; });
    view_->Open();
    Choose("avionics", 3);
    Find<QToolButton>("sensors").click();
    EXPECT_EQ(sensors, 1);
    EXPECT_FALSE(view_->isVisible());
    EXPECT_EQ(closed_, 0);
    EXPECT_EQ(design().Slots[Slot::Avionics].LABEL.trimmed(), "No avionics");
    view_->show();
    EXPECT_EQ(ComboBox("avionics").currentIndex(), 3);
    Find<QToolButton>("communicators").click();
    EXPECT_EQ(communicators, 1);
}

// Another editor changes the design while this window is open (the sensors
// editor opened from it, an undo): the window keeps what the user chose.
TEST_F(ElectronicsEditorViewTest, AChangeOfTheDesignKeepsTheChosenAvionicsAndMask) {
    view_->Open();
    Choose("avionics", 3);
    Find<QCheckBox>("em_mask").setChecked(true);
    ASSERT_TRUE(document_.Change("Resize hull",
                                 [](Design& design) { design.Slots[Slot::Hull].KL = 2700; }));
    EXPECT_EQ(ComboBox("avionics").currentIndex(), 3);
    EXPECT_TRUE(Find<QCheckBox>("em_mask").isChecked());
    Press("avionics", Qt::Key_Return);
    EXPECT_EQ(design().Slots[Slot::Avionics].LABEL.trimmed(), "Avionics-Advanced");
    EXPECT_EQ(design().Slots[Slot::EmMask].NUMBER, 1);
}

TEST_F(ElectronicsEditorViewTest, TabReachesEveryControlRowByRowAndAccessKeysAreDistinct) {
    view_->Open();
    EXPECT_TRUE(DistinctAccessKeys());
    EXPECT_EQ(TabChain("avionics"), "avionics em_mask sensors communicators accept cancel ");
}

}  // namespace
}  // namespace korvane::gui_test
