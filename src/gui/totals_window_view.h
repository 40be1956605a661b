#pragma once

#include <QWidget>

#include "gui/control_binding.h"
#include "gui/editor_place.h"
#include "model/design.h"
#include "ui/prompter.h"
#include "ui/totals_window.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace korvane::gui {

class BreakdownChartView;

// The totals window: the status summary of the current design in a frame,
// the validity lamp with the design's problems as its tooltip and on a line
// under the totals, the advice under them, the changed mark, "%" for the
// utilization message and the breakdown chart under the totals, behind its
// button. It stands beside the window in use (see WindowPlacer) and follows
// the main window's minimise state; its own close box does nothing. In the
// designer the same content is a panel that is always shown, and the
// designer lists the problems and the advice itself.
class TotalsWindowView final : public QWidget {
    Q_OBJECT

public:
    TotalsWindowView(ui::TotalsWindow& logic, const Design& design, Prompter& prompter,
                     EditorPlace place = EditorPlace::Window);

    // Copies the logic's captions, colours and visibility to the widgets.
    void Refresh();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Gives the problem list and the advice the height their lines take at
    // the window's width; beyond a third of the screen a list scrolls.
    void FitLists();
    void FitList(QScrollArea& area, QLabel& lines);
    // The window as tall as its contents at its width, wrapped name and
    // lists included.
    void FitHeight();
    // The width of the totals, or of the breakdown while it is shown.
    void FitWidth();

    ui::TotalsWindow& logic_;
    EditorPlace place_;
    const Design& design_;
    Prompter& prompter_;
    QGroupBox* frame_;
    QLabel* name_;
    QLabel* legend_[2];
    QLabel* volume_;
    QLabel* power_;
    QLabel* hardpoints_;
    QLabel* displacement_;
    QLabel* tech_level_;
    QLabel* mass_;
    QLabel* cost_;
    QLabel* agility_;
    QLabel* cargo_;
    QLabel* changed_;
    QWidget* lamp_;
    QLabel* problems_;
    QScrollArea* problems_area_;  // as tall as every problem takes, within a third of the screen
    QLabel* advice_;
    QScrollArea* advice_area_;  // likewise
    QPushButton* utilization_;
    QPushButton* breakdown_button_;
    BreakdownChartView* breakdown_;
    ControlBindings bindings_;
    int totals_width_ = 0;
    ui::DesignFollower follower_{logic_.Document(), [this] { Refresh(); }};
};

}  // namespace korvane::gui
