#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

#include "app/configuration.h"
#include "app/session.h"
#include "engine/breakdown.h"
#include "gui/editor_instance.h"
#include "ui/design_document.h"
#include "ui/designer_outline.h"
#include "ui/editor_table.h"
#include "ui/main_window.h"
#include "ui/main_window_command.h"
#include "ui/prompter.h"
#include "ui/totals_window.h"

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QSplitter;
class QStackedWidget;

namespace korvane::gui {

class DesignerOutlineView;
class TotalsWindowView;

// The one-window designer: the outline of the design's sections on the left,
// the chosen section's editor in the middle (the same content as its separate
// window, each committed field a step of the design document), and the
// totals with the breakdown, the problems (each a link to its section) on the
// right, or under the editor when the window is narrow. A menu bar carries
// the file commands, the history and the way back to the classic windows; the
// status bar names the last step and whether the design is saved.
class DesignerWindow final : public QMainWindow {
    Q_OBJECT

public:
    // `run` runs a command of the main window (the file commands), whose
    // requests the program carries out as it does for the main window.
    DesignerWindow(Session& session, ui::DesignDocument& document, Prompter& prompter,
                   ui::MainWindow& commands, ConfigurationPlaces places,
                   std::function<void(ui::MainWindowCommand)> run);
    ~DesignerWindow() override;

    // Shows editor `id` in the panel, filled from the design, and selects its node.
    void Choose(ui::EditorId id);
    ui::EditorId Chosen() const { return chosen_; }
    // The content of editor `id` in the panel, made on first use.
    QWidget& Panel(ui::EditorId id);

    // "Revert section": back to the design as it was when the section was chosen.
    void RevertSection();

    // Copies the design's state to the title, the outline, the totals, the
    // problems and the status bar.
    void Refresh();

signals:
    void classicWindowsRequested();
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void AddFileMenu();
    void AddEditMenu();
    void AddViewMenu();
    void AddHelpMenu();
    QAction* AddCommand(QMenu& menu, const QString& text, ui::MainWindowCommand command,
                        const QKeySequence& keys = {});
    void FillRecentMenu(QMenu& menu);
    void ShowManual();
    EditorInstance& Made(ui::EditorId id);
    // The totals beside the editor on a wide window, under it on a narrow one.
    void FitToWidth();
    // A list whose lines are links to the sections they concern.
    QListWidget* NewLinkList(const char* name, QWidget* parent);
    void ShowLinks(QListWidget& list, const std::vector<ui::SectionLink>& links, const QIcon& icon);

    Session& session_;
    ui::DesignDocument& document_;
    Prompter& prompter_;
    ui::MainWindow& commands_;
    ConfigurationPlaces places_;
    std::function<void(ui::MainWindowCommand)> run_;
    ui::TotalsWindow totals_logic_;

    DesignerOutlineView* outline_;
    QLabel* heading_;
    QPushButton* revert_;
    QStackedWidget* pages_;
    std::array<QWidget*, ui::kEditorCount> pages_of_{};  // each editor's page, once made
    QSplitter* work_;
    QListWidget* problems_;
    QListWidget* advice_;
    QLabel* last_step_;
    QLabel* saved_state_;
    QAction* undo_;
    QAction* redo_;
    QAction* revert_action_;

    BreakdownQuantity quantity_ = BreakdownQuantity::Volume;
    ui::EditorId chosen_ = ui::EditorId::Hull;
    long chosen_at_ = 0;  // the document's position when the section was chosen

    std::unique_ptr<TotalsWindowView> totals_;
    std::array<std::unique_ptr<EditorInstance>, ui::kEditorCount> editors_;
    ui::DesignFollower follower_{document_, [this] { Refresh(); }};
};

}  // namespace korvane::gui
