#pragma once

#include <QWidget>

#include <array>

#include "ui/design_document.h"
#include "ui/main_window.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace korvane::gui {

class TotalsWindowView;

// The main window: the program's title over two frames of picture buttons,
// "Design Options" and "Post-design Options", each button with its label
// beside it and its shortcut, then "Undo" and "Redo" (their tooltips name the
// step) and "About". A click runs the main window's
// logic; what the logic asks for next (the text window, the batch window,
// the about box, the compare window, the end of the program) is signalled. After every command
// and every design-changed notice the title shows the design as it now
// stands; the totals window follows the design itself, and the main window's
// minimise state.
class MainWindowView final : public QWidget, public ui::DesignObserver {
    Q_OBJECT

public:
    MainWindowView(ui::MainWindow& logic, TotalsWindowView& totals, ui::DesignDocument& document);
    ~MainWindowView() override { logic_.SetLateRequestHandler(nullptr); }

    void DesignUpdated(const Design&, const ui::DesignChange&) override { Refresh(); }

    // Copies the logic's state to the widgets: title, buttons, labels.
    void Refresh();

    QAbstractButton* Button(ui::MainWindowCommand command) const;
    // "Designer", beside the section buttons, which opens the one-window designer.
    QAbstractButton* DesignerButton() const { return designer_; }

    // Runs a command as its button does (the designer's menus run them too).
    void Run(ui::MainWindowCommand command);

signals:
    void sectionEditorRequested(ui::Section section);
    void textWindowRequested();
    void batchWindowRequested();
    void aboutRequested();
    void compareWindowRequested();
    void quitRequested();
    void designerRequested();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A design file dropped on the window is loaded.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Carry(ui::MainWindowRequest request);
    void FollowWindowState();
    void FitPicturesToScreen();
    void AddDesignerButton(QGroupBox& frame);

    ui::MainWindow& logic_;
    TotalsWindowView& totals_;
    // Every command's button: a picture button with its caption beside it, or
    // a plain one ("Undo", "Redo", "About").
    std::array<QAbstractButton*, ui::kMainWindowCommandCount> buttons_{};
    QAbstractButton* designer_ = nullptr;
    ui::DesignSubscription subscription_;
};

}  // namespace korvane::gui
