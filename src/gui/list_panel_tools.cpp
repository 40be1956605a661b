#include "gui/list_panel_tools.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/qt_text.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/typed_number.h"

namespace korvane::gui {

namespace {

constexpr int kQuickCounts = 10;

void ShowInError(QLineEdit& box, bool error) {
    box.setStyleSheet(error ? QStringLiteral("QLineEdit { border: 2px solid red; }") : QString());
}

}  // namespace

ListPanelTools::ListPanelTools(ui::ListEditor& logic, QWidget* parent)
    : QWidget(parent),
      logic_(logic),
      count_(new QComboBox(this)),
      install_(new QPushButton(QStringLiteral("I&nstall"), this)),
      number_(new QLineEdit(this)),
      remove_(new QPushButton(QStringLiteral("&Remove"), this)),
      modify_(new QPushButton(QStringLiteral("&Modify..."), this)),
      failure_(new QLabel(this)) {
    setObjectName(QStringLiteral("PanelTools"));
    count_->setObjectName(QStringLiteral("Count"));
    count_->setEditable(true);
    for (int count = 1; count <= kQuickCounts; ++count) {
        count_->addItem(QString::number(count));
    }
    install_->setObjectName(QStringLiteral("Install"));
    install_->setToolTip(QStringLiteral("Install the chosen available row, as many as the count"));
    number_->setObjectName(QStringLiteral("Number"));
    number_->setToolTip(QStringLiteral("The number of the chosen installed entry"));
    remove_->setObjectName(QStringLiteral("Remove"));
    modify_->setObjectName(QStringLiteral("Modify"));
    failure_->setObjectName(QStringLiteral("Failure"));
    failure_->setWordWrap(true);
    QPalette red = failure_->palette();
    red.setColor(QPalette::WindowText, QtColour(ui::kColourRed));
    failure_->setPalette(red);

    auto* count_caption = new QLabel(QStringLiteral("C&ount:"), this);
    count_caption->setBuddy(count_);
    auto* number_caption = new QLabel(QStringLiteral("N&umber:"), this);
    number_caption->setBuddy(number_);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(QMargins());
    grid->addWidget(count_caption, 0, 0);
    grid->addWidget(count_, 0, 1);
    grid->addWidget(install_, 0, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(number_caption, 0, 4);
    grid->addWidget(number_, 0, 5);
    grid->addWidget(remove_, 0, 6);
    grid->addWidget(modify_, 0, 7);
    grid->addWidget(failure_, 1, 0, 1, -1);

    connect(install_, &QPushButton::clicked, this, &ListPanelTools::Install);
    connect(count_->lineEdit(), &QLineEdit::returnPressed, this, &ListPanelTools::Install);
    connect(number_, &QLineEdit::editingFinished, this, &ListPanelTools::SetNumber);
    connect(remove_, &QPushButton::clicked, this, &ListPanelTools::Remove);
    connect(modify_, &QPushButton::clicked, this, [this] {
        failure_->clear();
        logic_.ModifySelected();
        emit handled();
    });
    Refresh();
}

void ListPanelTools::Refresh() {
    install_->setEnabled(logic_.available.SelectedKey() != nullptr);
    const std::optional<int> row = logic_.installed.Selected();
    const std::optional<int> entry = row ? logic_.EntryOfInstalledRow(*row) : std::nullopt;
    for (QWidget* tool : {static_cast<QWidget*>(number_), static_cast<QWidget*>(remove_),
                          static_cast<QWidget*>(modify_)}) {
        tool->setEnabled(entry.has_value());
    }
    // The box keeps what is being typed into it; another entry, or a new
    // number of the same one, shows anew.
    const std::optional<double> number = entry ? logic_.NumberOf(*entry) : std::nullopt;
    const QString shown = number ? QtText(PlainNumber(*number)) : QString();
    if (entry != shown_entry_ || !number_->hasFocus()) {
        number_->setText(shown);
        ShowInError(*number_, false);
        shown_entry_ = entry;
    }
}

std::optional<double> ListPanelTools::NumberIn(QLineEdit& box) {
    const std::string text = Cp1252Text(box.text());
    const bool number = ui::StartsWithNumber(text);
    ShowInError(box, !number);
    if (!number) {
        return std::nullopt;
    }
    return LeadingNumber(text);
}

void ListPanelTools::Install() {
    const ui::CatalogKey* row = logic_.available.SelectedKey();
    const std::optional<double> count = NumberIn(*count_->lineEdit());
    if (row == nullptr || !count) {
        return;
    }
    Report(logic_.Install(*row, *count));
}

void ListPanelTools::SetNumber() {
    if (!shown_entry_) {
        return;
    }
    if (const std::optional<double> number = NumberIn(*number_)) {
        Report(logic_.SetNumber(*shown_entry_, *number));
    }
}

void ListPanelTools::Remove() {
    if (shown_entry_) {
        Report(logic_.Remove(*shown_entry_));
    }
}

void ListPanelTools::Report(const Status& status) {
    failure_->setText(status ? QString() : QtText(status.message()));
    emit handled();
}

}  // namespace korvane::gui
