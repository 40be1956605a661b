#include "gui/hull_editor_view.h"

#include <QCheckBox>
#include <QPushButton>

#include "editor_view_fixture.h"

namespace korvane::gui_test {
namespace {

using HullEditorViewTest = EditorViewTest<ui::HullEditor, gui::HullEditorView>;

TEST_F(HullEditorViewTest, OpensWithTheDesignsValues) {
    view_->Open();
    EXPECT_TRUE(view_->isVisible());
    ExpectTitleAndFrame(QStringLiteral("Hull && Basic Data"));
    EXPECT_EQ(TextBox("displacement").text(), QStringLiteral("100"));
    EXPECT_EQ(ComboBox("configuration").currentText().trimmed(),
              QStringLiteral("Flattened Sphere"));
    EXPECT_EQ(ComboBox("streamlining").currentText(), QStringLiteral("Streamlined"));
    EXPECT_EQ(ComboBox("tech_level").currentText(), QStringLiteral("F"));
    EXPECT_TRUE(Find<QCheckBox>("free_armour").isChecked());
    EXPECT_EQ(Find<QCheckBox>("free_armour").text(), QStringLiteral("'&Free' armour"));
    EXPECT_EQ(closed_, 0);
}

TEST_F(HullEditorViewTest, EnterAcceptsWhatWasTypedAndChosen) {
    view_->Open();
    Type("displacement", QStringLiteral("200"));
    Choose("tech_level", 0);
    Type("description", QStringLiteral("Kestrel & Co"));
    Press("displacement", Qt::Key_Return);
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 2700);
    EXPECT_EQ(design().Environment[4].NUMBER, 2);
    EXPECT_EQ(design().DesignTL(), 9);
    EXPECT_EQ(design().ShipName1().trimmed(), "Kestrel & Co");
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_FALSE(view_->isVisible());
    EXPECT_EQ(closed_, 1);
    EXPECT_EQ(notices_.notices, 1);
}

TEST_F(HullEditorViewTest, EscapeCancelsAndTheNextOpeningShowsTheDesignAgain) {
    view_->Open();
    Type("displacement", QStringLiteral("5000"));
    Press("displacement", Qt::Key_Escape);
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 1350);
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_FALSE(view_->isVisible());
    EXPECT_EQ(closed_, 1);
    EXPECT_EQ(notices_.notices, 0);
    view_->Open();
    EXPECT_EQ(TextBox("displacement").text(), QStringLiteral("100"));
}

TEST_F(HullEditorViewTest, TabReachesEveryControlRowByRowAndAccessKeysAreDistinct) {
    view_->Open();
    EXPECT_TRUE(DistinctAccessKeys());
    EXPECT_EQ(TabChain("displacement"),
              "displacement configuration streamlining armour_type armour_value free_armour "
              "free_armour_help description classification tech_level accept cancel ");
}

TEST_F(HullEditorViewTest, TheDescriptionTakesNoMoreThanTheNameKeeps) {
    view_->Open();
    Type("description", QString(60, QLatin1Char('x')));
    EXPECT_EQ(TextBox("description").text().size(), 50);
    Press("description", Qt::Key_Return);
    EXPECT_EQ(design().ShipName(), std::string(50, 'x'));
}

TEST_F(HullEditorViewTest, AClickInTheNameBoxAndTypingExtendTheName) {
    design().SetShipName("Kestrel");
    view_->Open();
    QLineEdit& name = TextBox("description");
    QTest::mouseClick(&name, Qt::LeftButton, {}, name.rect().center());
    QTest::keyClicks(&name, QStringLiteral(" II"));
    QTest::keyClick(&name, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(name.selectedText(), QStringLiteral("Kestrel II")) << "no invisible blanks";
    Press("description", Qt::Key_Return);
    EXPECT_EQ(design().ShipName(), "Kestrel II" + std::string(40, ' '));
}

TEST_F(HullEditorViewTest, QuestionMarkExplainsTheHouseRule) {
    view_->Open();
    Find<QPushButton>("free_armour_help").click();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_NE(prompter_.questions()[0].text.find("House Rule"), std::string::npos);
}

}  // namespace
}  // namespace korvane::gui_test
