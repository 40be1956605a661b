#include "gui/totals_window_view.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/breakdown_chart_view.h"
#include "gui/control_binding.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"

namespace korvane::gui {

namespace {

// The validity lamp: a disc in its palette's window colour.
class Lamp final : public QWidget {
public:
    explicit Lamp(QWidget* parent) : QWidget(parent) {
        const int size = fontMetrics().height();
        setFixedSize(size, size);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(palette().color(QPalette::Window));
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

QLabel* NewLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A list of lines under the totals (the problems, the advice): they wrap within
// the width the totals take, rather than widen the window, and scroll when
// they would take more than their share of the screen.
void SetUpList(QScrollArea& area, QLabel& lines, const char* name) {
    area.setObjectName(QString::fromLatin1(name));
    lines.setWordWrap(true);
    lines.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lines.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area.setWidget(&lines);
    area.setWidgetResizable(true);
    area.setFrameShape(QFrame::NoFrame);
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

}  // namespace

TotalsWindowView::TotalsWindowView(ui::TotalsWindow& logic, const Design& design,
                                   Prompter& prompter, EditorPlace place)
    : QWidget(nullptr, place == EditorPlace::Window ? Qt::Tool : Qt::Widget),
      logic_(logic),
      place_(place),
      design_(design),
      prompter_(prompter),
      frame_(new QGroupBox(this)),
      name_(NewLabel(frame_, "Name")),
      legend_{NewLabel(frame_, "Legend"), NewLabel(frame_, "Legend2")},
      volume_(NewLabel(frame_, "Volume")),
      power_(NewLabel(frame_, "Power")),
      hardpoints_(NewLabel(frame_, "Hardpoints")),
      displacement_(NewLabel(frame_, "Displacement")),
      tech_level_(NewLabel(frame_, "TechLevel")),
      mass_(NewLabel(frame_, "Mass")),
      cost_(NewLabel(frame_, "Cost")),
      agility_(NewLabel(frame_, "Agility")),
      cargo_(NewLabel(frame_, "Cargo")),
      changed_(NewLabel(frame_, "ChangedMark")),
      lamp_(new Lamp(frame_)),
      problems_(NewLabel(frame_, "ProblemLine")),
      problems_area_(new QScrollArea(frame_)),
      advice_(NewLabel(frame_, "AdviceLines")),
      advice_area_(new QScrollArea(frame_)),
      utilization_(new QPushButton(frame_)),
      breakdown_button_(new QPushButton(frame_)),
      breakdown_(new BreakdownChartView(this)) {
    setObjectName(QStringLiteral("TotalsWindow"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    lamp_->setObjectName(QStringLiteral("Lamp"));
    utilization_->setObjectName(QStringLiteral("Utilization"));
    utilization_->setToolTip(QStringLiteral("Utilization of volume, power and hardpoints"));
    breakdown_button_->setObjectName(QStringLiteral("BreakdownButton"));
    breakdown_button_->setToolTip(
        QStringLiteral("Where the volume, power and cost go, section by section"));
    // A long ship name wraps too.
    name_->setWordWrap(true);
    name_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont bold = name_->font();
    bold.setBold(true);
    name_->setFont(bold);
    changed_->setFont(bold);

    auto* grid = new QGridLayout(frame_);
    grid->setHorizontalSpacing(fontMetrics().averageCharWidth() * 3);
    grid->addWidget(name_, 0, 0, 1, 3);
    grid->addWidget(legend_[0], 1, 0);
    grid->addWidget(volume_, 1, 1);
    grid->addWidget(displacement_, 1, 2);
    grid->addWidget(legend_[1], 2, 0);
    grid->addWidget(power_, 2, 1);
    grid->addWidget(hardpoints_, 2, 2);
    grid->addWidget(tech_level_, 3, 0);
    grid->addWidget(mass_, 3, 1);
    grid->addWidget(cost_, 3, 2);
    grid->addWidget(agility_, 4, 0);
    grid->addWidget(cargo_, 4, 1);
    // Beside the cargo, where the grid has room, so that the window keeps its width.
    grid->addWidget(breakdown_button_, 4, 2);
    auto* mark = new QHBoxLayout;
    mark->addWidget(lamp_);
    mark->addWidget(changed_);
    mark->addStretch();
    mark->addWidget(utilization_);
    grid->addLayout(mark, 5, 0, 1, 3);
    SetUpList(*problems_area_, *problems_, "ProblemList");
    grid->addWidget(problems_area_, 6, 0, 1, 3);
    SetUpList(*advice_area_, *advice_, "AdviceList");
    grid->addWidget(advice_area_, 7, 0, 1, 3);
    for (QLabel* label : {legend_[0], legend_[1], volume_, power_, hardpoints_, displacement_}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addWidget(breakdown_);

    bindings_.Bind(*utilization_, logic_.utilization,
                   [this] { logic_.ShowUtilization(design_, prompter_); });
    bindings_.Bind(*breakdown_button_, logic_.breakdown_button, [this] {
        logic_.ToggleBreakdown();
        Refresh();
        FitWidth();
        if (place_ == EditorPlace::Window) {
            adjustSize();  // hiding the breakdown gives its room back
        }
    });
    bindings_.Bind(*name_, logic_.name);
    bindings_.Bind(*volume_, logic_.volume);
    bindings_.Bind(*power_, logic_.power);
    bindings_.Bind(*hardpoints_, logic_.hardpoints);
    bindings_.Bind(*displacement_, logic_.displacement);
    bindings_.Bind(*tech_level_, logic_.tech_level);
    bindings_.Bind(*mass_, logic_.mass);
    bindings_.Bind(*cost_, logic_.cost);
    bindings_.Bind(*agility_, logic_.agility);
    bindings_.Bind(*cargo_, logic_.cargo);
    bindings_.Bind(*changed_, logic_.changed_mark);
    bindings_.Bind(*problems_, logic_.problem_line);
    bindings_.Bind(*advice_, logic_.advice_lines);
    for (QLabel* legend : legend_) {
        bindings_.Bind(*legend, logic_.legend);
    }
    Refresh();
    // As wide as the longest figures take (the labels' first captions),
    // whatever the design: the window does not widen as the design grows.
    totals_width_ = sizeHint().width();
    FitWidth();
}

void TotalsWindowView::FitWidth() {
    if (place_ == EditorPlace::Panel) {
        setMinimumWidth(totals_width_);
        return;
    }
    const QMargins margins = layout()->contentsMargins();
    const int breakdown_width =
        breakdown_->isHidden() ? 0
                               : breakdown_->sizeHint().width() + margins.left() + margins.right();
    setFixedWidth(std::max(totals_width_, breakdown_width));
}

void TotalsWindowView::Refresh() {
    setWindowTitle(QtText(logic_.Caption));
    frame_->setTitle(QtText(logic_.frame.caption));
    bindings_.Show();
    name_->setText(name_->text().trimmed());
    // The legend names the two lines of each pair: what is available, what is used.
    for (QLabel* legend : legend_) {
        legend->setText(legend->text().trimmed().replace(QLatin1Char(' '), QLatin1Char('\n')));
    }
    // The pairs end in a line break that would leave an empty third line.
    for (QLabel* pair : {volume_, power_, hardpoints_, displacement_}) {
        pair->setText(pair->text().trimmed());
    }

    QPalette lamp_colours = lamp_->palette();
    lamp_colours.setColor(QPalette::Window, QtColour(logic_.lamp_colour));
    lamp_->setPalette(lamp_colours);
    lamp_->setToolTip(PlainToolTip(QtText(logic_.lamp_tooltip)));
    lamp_->update();

    breakdown_->SetChart(logic_.breakdown);
    breakdown_->setVisible(logic_.breakdown_shown);

    FitLists();
    if (place_ == EditorPlace::Window && isVisible() != logic_.Visible) {
        setVisible(logic_.Visible);
    }
}

void TotalsWindowView::FitLists() {
    FitList(*problems_area_, *problems_);
    FitList(*advice_area_, *advice_);
}

// The ship's name wraps at the window's width, so the height the contents
// take depends on it: the layout's least size does not follow that.
void TotalsWindowView::FitHeight() {
    if (place_ != EditorPlace::Window) {
        return;
    }
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : sizeHint().height();
    if (height != this->height()) {
        resize(width(), height);
    }
}

void TotalsWindowView::FitList(QScrollArea& area, QLabel& lines) {
    area.setVisible(place_ == EditorPlace::Window && !lines.isHidden());
    if (area.isHidden()) {
        return;
    }
    // Before the window has its width, the totals above set it.
    const int width = area.isVisible() && area.viewport()->width() > 0 ? area.viewport()->width()
                                                                       : frame_->sizeHint().width();
    const int needed = lines.heightForWidth(width);
    const int highest = std::max(fontMetrics().lineSpacing(), AvailableScreenArea().height() / 3);
    const int height = std::min(needed, highest);
    if (area.height() != height || area.minimumHeight() != height) {
        area.setFixedHeight(height);
    }
}

void TotalsWindowView::closeEvent(QCloseEvent* event) {
    event->ignore();
}

// Once the layout has taken in a change (a name that wraps otherwise, a
// list of another height), or the window is shown.
bool TotalsWindowView::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) {
        FitHeight();
    }
    return handled;
}

void TotalsWindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitLists();
    FitHeight();
}

}  // namespace korvane::gui
