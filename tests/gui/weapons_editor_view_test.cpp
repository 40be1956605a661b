#include "gui/weapons_editor_view.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "editor_view_fixture.h"
#include "engine/recalculate.h"

namespace korvane::gui_test {
namespace {

class WeaponsEditorViewTest : public EditorViewTest<ui::WeaponsEditor, gui::WeaponsEditorView> {
protected:
    // Turrets of TR row `id` in the first turret entry, as the turrets editor
    // leaves them.
    void FitTurrets(int id, double number, std::string_view batteries) {
        Catalog& catalog = session_.catalog->Features();
        ComponentRecord& turrets = design().Turrets[1];
        turrets = catalog.LookupComponent("TR", id);
        turrets.NUMBER = number;
        turrets.MISCSTR[2] = batteries;
        Recalculate(design(), catalog);
    }
};

TEST_F(WeaponsEditorViewTest, DoneStoresTheSpinalMountAndTheRounds) {
    view_->Open();
    ExpectTitleAndFrame(QStringLiteral("Weapon Systems"));
    EXPECT_EQ(ComboBox("spinal_mount").currentText(), QStringLiteral("No spinal mount weapon"));
    EXPECT_FALSE(Find<QPushButton>("cancel").isVisibleTo(view_.get())) << "the hub has no Cancel";
    EXPECT_EQ(Find<QPushButton>("accept").text(), QStringLiteral("&Done"));
    Choose("spinal_mount", 1);
    Type("he_rounds", QStringLiteral("12"));
    Press("he_rounds", Qt::Key_Return);
    EXPECT_EQ(design().Slots[Slot::SpinalMount].NUMBER, 1);
    EXPECT_EQ(design().Slots[Slot::Magazine].MISCNUM[1], 12);
    EXPECT_EQ(closed_, 1);
    EXPECT_EQ(notices_.notices, 1);
    EXPECT_FALSE(view_->isVisible());
}

TEST_F(WeaponsEditorViewTest, EscapeClosesWithoutStoring) {
    view_->Open();
    Choose("spinal_mount", 1);
    Press("spinal_mount", Qt::Key_Escape);
    EXPECT_EQ(design().Slots[Slot::SpinalMount].NUMBER, 0);
    EXPECT_FALSE(view_->isVisible());
}

TEST_F(WeaponsEditorViewTest, CheckShowsTheSpinalFactorAndStaysOpen) {
    view_->Open();
    Choose("spinal_mount", 1);
    Find<QPushButton>("check").click();
    EXPECT_TRUE(view_->isVisible());
    EXPECT_EQ(closed_, 0);
    EXPECT_FALSE(Find<QLabel>("weapon_names").text().isEmpty());
    EXPECT_TRUE(Find<QLabel>("spinal_factors").text().endsWith(QStringLiteral("/1")));
}

TEST_F(WeaponsEditorViewTest, TypedRoundsShowTheMagazineTotalAtOnce) {
    FitTurrets(7, 12, "1");  // single missile racks
    view_->Open();
    Type("atomic_rounds", QStringLiteral("100"));
    EXPECT_EQ(Find<QLabel>("magazine_total").text(), QStringLiteral("Total: 1,200 missiles"));
    EXPECT_EQ(design().Slots[Slot::Magazine].MISCNUM[2], 0) << "stored only by Done";
}

// Leading on to a list editor hides the hub without storing; shown again, it
// shows the factors the list editor's changes gave.
TEST_F(WeaponsEditorViewTest, ListEditorsAreLedOnToAndTheFactorsFollowOnReturn) {
    int turrets = 0;
    QObject::connect(view_.get(), &gui::WeaponsEditorView::turretsRequested,
                     [&turrets] { ++turrets; });
    view_->Open();
    Find<QToolButton>("turrets").click();
    EXPECT_EQ(turrets, 1);
    EXPECT_FALSE(view_->isVisible());
    EXPECT_EQ(closed_, 0);

    FitTurrets(3, 2, "2");  // triple pulse lasers
    view_->show();
    EXPECT_EQ(Find<QLabel>("weapon_names").text(), QStringLiteral("Laser"));
    EXPECT_EQ(Find<QLabel>("turret_factors").text(), QStringLiteral("3/2"));
}

TEST_F(WeaponsEditorViewTest, TabReachesEveryControlRowByRow) {
    view_->Open();
    EXPECT_EQ(TabChain("spinal_mount"),
              "spinal_mount he_rounds atomic_rounds antimatter_rounds turrets bays screens check "
              "accept ");
}

}  // namespace
}  // namespace korvane::gui_test
