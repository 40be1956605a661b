#include "gui/compare_window_view.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/breakdown_chart_view.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"
#include "ui/controls.h"

namespace korvane::gui {

namespace {

QLabel* NewLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QGroupBox* NewGroup(QWidget* parent, const QString& title, QWidget* content) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

}  // namespace

CompareWindowView::CompareWindowView(ui::CompareWindow& logic, ui::DesignDocument& document)
    : QWidget(nullptr, Qt::Window),
      logic_(logic),
      a_heading_(NewLabel(this, QStringLiteral("AHeading"))),
      b_heading_(NewLabel(this, QStringLiteral("BHeading"))),
      totals_grid_(new QGridLayout),
      a_chart_(new BreakdownChartView(this)),
      b_chart_(new BreakdownChartView(this)),
      verdict_(NewLabel(this, QStringLiteral("Verdict"))),
      changed_sections_(new QListWidget(this)),
      differences_(new QListWidget(this)) {
    setObjectName(QStringLiteral("CompareWindow"));
    a_chart_->setObjectName(QStringLiteral("ABreakdown"));
    b_chart_->setObjectName(QStringLiteral("BBreakdown"));
    changed_sections_->setObjectName(QStringLiteral("ChangedSections"));
    differences_->setObjectName(QStringLiteral("Differences"));
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);

    auto* totals = new QWidget(this);
    totals->setObjectName(QStringLiteral("Totals"));
    totals->setLayout(totals_grid_);
    totals_grid_->setHorizontalSpacing(fontMetrics().averageCharWidth() * 3);
    totals_grid_->addWidget(a_heading_, 0, 2);
    totals_grid_->addWidget(b_heading_, 0, 3);
    for (std::size_t r = 0; r < logic_.totals.size(); ++r) {
        std::array<QLabel*, 4> row{};
        for (int c = 0; c < 4; ++c) {
            row[static_cast<std::size_t>(c)] = NewLabel(totals, {});
            totals_grid_->addWidget(row[static_cast<std::size_t>(c)], static_cast<int>(r) + 1, c,
                                    c >= 2 ? Qt::AlignRight : Qt::AlignLeft);
        }
        totals_rows_.push_back(row);
    }
    totals_grid_->setColumnStretch(1, 1);

    auto* charts = new QHBoxLayout;
    charts->addWidget(NewGroup(this, QStringLiteral("A: breakdown"), a_chart_));
    charts->addWidget(NewGroup(this, QStringLiteral("B: breakdown"), b_chart_));

    auto* lists = new QHBoxLayout;
    auto* sections = NewGroup(this, QStringLiteral("Changed sections"), changed_sections_);
    lists->addWidget(sections);
    lists->addWidget(NewGroup(this, QStringLiteral("Differences"), differences_), 1);
    differences_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Room for the longest section name and for a screen of differences.
    changed_sections_->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("Crew and accommodation")) +
        fontMetrics().averageCharWidth() * 6);
    differences_->setMinimumSize(QFontMetrics(differences_->font()).averageCharWidth() * 60,
                                 fontMetrics().height() * 12);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::hide);

    QScrollArea* scroll = NewScreenSizedScrollArea(this);
    auto* contents = new QVBoxLayout(scroll->widget());
    contents->setContentsMargins(QMargins());
    contents->addWidget(NewGroup(this, QStringLiteral("Totals"), totals));
    contents->addLayout(charts);
    contents->addWidget(verdict_);
    contents->addLayout(lists, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);

    bindings_.Bind(*a_heading_, logic_.a_heading);
    bindings_.Bind(*b_heading_, logic_.b_heading);
    bindings_.Bind(*verdict_, logic_.verdict);
    bindings_.Bind(*changed_sections_, logic_.changed_sections);
    connect(changed_sections_, &QListWidget::itemActivated, this, [this] {
        if (const std::optional<ui::Section> section = logic_.ChosenSection()) {
            emit sectionChosen(*section);
        }
    });
    changed_sections_->setToolTip(QStringLiteral("Double-click a section to open its editor"));
    bindings_.Bind(*differences_, logic_.differences);
    subscription_ = document.Subscribe(*this);
    Refresh();
}

void CompareWindowView::Refresh() {
    setWindowTitle(QtText(logic_.Caption));
    bindings_.Show();
    const QColor marked = TextColour(ui::kColourRed);
    for (std::size_t r = 0; r < totals_rows_.size() && r < logic_.totals.size(); ++r) {
        const ui::CompareWindow::TotalsRow& row = logic_.totals[r];
        const std::array<QLabel*, 4>& labels = totals_rows_[r];
        labels[0]->setText(row.differs ? QStringLiteral("\u2260") : QString());
        labels[0]->setToolTip(row.differs ? QStringLiteral("A and B differ") : QString());
        labels[1]->setText(QtText(row.name));
        labels[2]->setText(QtText(row.a));
        labels[3]->setText(QtText(row.b));
        for (QLabel* label : labels) {
            QFont font = label->font();
            font.setBold(row.differs);
            label->setFont(font);
            QPalette palette;
            if (row.differs) {
                palette.setColor(QPalette::WindowText, marked);
            }
            label->setPalette(palette);
        }
    }
    a_chart_->SetChart(logic_.a_breakdown);
    b_chart_->SetChart(logic_.b_breakdown);
}

}  // namespace korvane::gui
