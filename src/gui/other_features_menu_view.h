#pragma once

#include <QWidget>

#include "gui/editor_place.h"
#include "ui/editors/other_features_menu.h"

class QPushButton;

namespace korvane::gui {

// The other-features menu: "Anti-Hijack" and "Custom Features" lead to their
// editors, "Done" (or the close box) back to the main window. Each hides the
// menu first. As the designer's panel the two buttons lead on to their
// sections, and there is no "Done".
class OtherFeaturesMenuView final : public QWidget {
    Q_OBJECT

public:
    explicit OtherFeaturesMenuView(ui::OtherFeaturesMenu& logic,
                                   EditorPlace place = EditorPlace::Window);

signals:
    void antiHijack();
    void customFeatures();
    void done();
    void minimisedChanged(bool minimised);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ui::OtherFeaturesMenu& logic_;
};

}  // namespace korvane::gui
