#pragma once

#include <QDialog>

#include "app/prompter.h"
#include "ui/desktop.h"
#include "ui/frmabout.h"
#include "ui/zarnpp.h"

namespace korvane::gui {

// The about box: the program's title, what it is and a notice; "OK",
// "&System Info..." and "&Disclaimer...", which shows the disclaimer window.
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    AboutDialog(ui::FrmAbout& logic, ui::ZarnPP& disclaimer, ui::Desktop& desktop,
                Prompter& prompter, QWidget* parent = nullptr);

    // Shows the box modally; closing it in any way is "OK".
    void Run();

private:
    ui::FrmAbout& logic_;
};

// The disclaimer window: the notice about the game system's trademarks and "Ok".
class DisclaimerDialog final : public QDialog {
    Q_OBJECT

public:
    explicit DisclaimerDialog(ui::ZarnPP& logic, QWidget* parent = nullptr);

    void Run();

private:
    ui::ZarnPP& logic_;
};

}  // namespace korvane::gui
