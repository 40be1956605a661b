#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "gui/control_binding.h"
#include "ui/compare_window.h"
#include "ui/design_document.h"

class QGridLayout;
class QLabel;
class QListWidget;

namespace korvane::gui {

class BreakdownChartView;

// The compare window: design A (the open one) and design B (a file) side by
// side, their totals in three columns with the rows that differ in bold red
// and marked "≠", the two breakdown charts, the verdict, the changed sections
// and the list of differences. It shows the comparison anew at every
// design-changed notice, after its logic has compared.
class CompareWindowView final : public QWidget, public ui::DesignObserver {
    Q_OBJECT

public:
    CompareWindowView(ui::CompareWindow& logic, ui::DesignDocument& document);

    void DesignUpdated(const Design&, const ui::DesignChange&) override { Refresh(); }
    void Refresh();

signals:
    // A changed section was activated (double-click or Enter): its editor should open.
    void sectionChosen(ui::Section section);

private:
    ui::CompareWindow& logic_;
    QLabel* a_heading_;
    QLabel* b_heading_;
    QGridLayout* totals_grid_;
    std::vector<std::array<QLabel*, 4>> totals_rows_;  // marker, name, A, B
    BreakdownChartView* a_chart_;
    BreakdownChartView* b_chart_;
    QLabel* verdict_;
    QListWidget* changed_sections_;
    QListWidget* differences_;
    ControlBindings bindings_;
    ui::DesignSubscription subscription_;
};

}  // namespace korvane::gui
