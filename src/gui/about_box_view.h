#pragma once

#include <QDialog>

#include "ui/about_box.h"
#include "ui/desktop.h"
#include "ui/disclaimer.h"
#include "ui/prompter.h"

namespace korvane::gui {

// The about box: the program's title, what it is and a notice; "OK",
// "&System Info..." and "&Disclaimer...", which shows the disclaimer window.
class AboutBoxView final : public QDialog {
    Q_OBJECT

public:
    AboutBoxView(ui::AboutBox& logic, ui::Disclaimer& disclaimer, ui::Desktop& desktop,
                 Prompter& prompter, QWidget* parent = nullptr);

    // Shows the box modally; closing it in any way is "OK".
    void Run();

private:
    ui::AboutBox& logic_;
};

// The disclaimer window: the notice about the game system's trademarks and "Ok".
class DisclaimerView final : public QDialog {
    Q_OBJECT

public:
    explicit DisclaimerView(ui::Disclaimer& logic, QWidget* parent = nullptr);

    void Run();

private:
    ui::Disclaimer& logic_;
};

}  // namespace korvane::gui
