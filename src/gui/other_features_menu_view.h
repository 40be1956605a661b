#pragma once

#include <QWidget>

#include "ui/editors/other_features_menu.h"

class QPushButton;

namespace korvane::gui {

// The other-features menu: "Anti-Hijack" and "Custom Features" lead to their
// editors, "Done" (or the close box) back to the main window. Each hides the
// menu first.
class OtherFeaturesMenuView final : public QWidget {
    Q_OBJECT

public:
    explicit OtherFeaturesMenuView(ui::OtherFeaturesMenu& logic);

signals:
    void antiHijack();
    void customFeatures();
    void done(ui::ParentWindow back_to);
    void minimisedChanged(bool minimised);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ui::OtherFeaturesMenu& logic_;
};

}  // namespace korvane::gui
