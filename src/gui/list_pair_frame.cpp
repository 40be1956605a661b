#include "gui/list_pair_frame.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

#include "gui/control_binding.h"
#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

// A list is at least this many average characters wide: a 20-character label
// and its count.
constexpr int kListColumns = 26;

// What a row shows: an available row carries its table code after 100 blanks,
// out of sight, as the logic reads it back on install.
QString ShownRowText(const std::string& row) {
    std::string shown = row.substr(0, row.find(std::string(100, ' ')));
    shown.erase(shown.find_last_not_of(' ') + 1);
    return QtText(shown);
}

// Copies the rows and the selection of `list` to `widget`, rebuilding the
// rows only when they differ, so that a refresh keeps the scroll position.
void ShowList(QListWidget& widget, const ui::ListBox& list) {
    const QSignalBlocker quiet(widget);
    bool same = widget.count() == list.Count();
    for (int row = 0; same && row < list.Count(); ++row) {
        same = widget.item(row)->text() == ShownRowText(list.Text(row));
    }
    if (!same) {
        widget.clear();
        for (int row = 0; row < list.Count(); ++row) {
            widget.addItem(ShownRowText(list.Text(row)));
        }
        const int text_width = std::max(widget.sizeHintForColumn(0),
                                        widget.fontMetrics().averageCharWidth() * kListColumns);
        widget.setMinimumWidth(text_width + 2 * widget.frameWidth() +
                               widget.verticalScrollBar()->sizeHint().width());
    }
    widget.setCurrentRow(list.Selected().value_or(-1));
}

void Select(ui::ListBox& list, int row) {
    list.Select(row >= 0 ? std::optional<int>(row) : std::nullopt);
}

QListWidget* NewList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QLabel* NewLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

bool IsEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

ListPairFrame::ListPairFrame(ui::ListEditor& logic, QWidget* parent)
    : QGroupBox(parent),
      logic_(logic),
      available_caption_(NewLabel(this, "AvailableCaption")),
      available_(NewList(this, "Available")),
      available_details_(NewLabel(this, "AvailableDetails")),
      installed_caption_(NewLabel(this, "InstalledCaption")),
      installed_(NewList(this, "Installed")),
      installed_details_(NewLabel(this, "InstalledDetails")) {
    setObjectName(QStringLiteral("Frame"));
    available_caption_->setBuddy(available_);
    installed_caption_->setBuddy(installed_);
    for (QLabel* details : {available_details_, installed_details_}) {
        details->setWordWrap(true);
        details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto* lists = new QGridLayout(this);
    lists->addWidget(available_caption_, 0, 0);
    lists->addWidget(available_, 1, 0);
    lists->addWidget(available_details_, 2, 0);
    lists->addWidget(installed_caption_, 0, 1);
    lists->addWidget(installed_, 1, 1);
    lists->addWidget(installed_details_, 2, 1);
    lists->setRowStretch(1, 1);

    connect(available_, &QListWidget::currentRowChanged, this, [this](int row) {
        Select(logic_.available, row);
        logic_.ShowAvailableDetails();
        emit handled();
    });
    connect(available_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { InstallRow(available_->row(item)); });
    connect(installed_, &QListWidget::currentRowChanged, this, [this](int row) {
        Select(logic_.installed, row);
        logic_.ShowInstalledDetails();
        emit handled();
    });
    connect(installed_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ModifyRow(installed_->row(item)); });
    available_->installEventFilter(this);
    installed_->installEventFilter(this);
}

void ListPairFrame::Refresh() {
    setTitle(QtText(logic_.frame.caption));
    available_caption_->setText(QtText(logic_.available_caption.caption));
    installed_caption_->setText(QtText(logic_.installed_caption.caption));
    ShowList(*available_, logic_.available);
    ShowList(*installed_, logic_.installed);
    ShowLabel(*available_details_, logic_.available_details);
    ShowLabel(*installed_details_, logic_.installed_details);
}

void ListPairFrame::InstallRow(int row) {
    Select(logic_.available, row);
    logic_.InstallSelected();
    emit handled();
}

void ListPairFrame::ModifyRow(int row) {
    Select(logic_.installed, row);
    logic_.ModifySelected();
    emit handled();
}

// Enter on a row does what a double-click does.
bool ListPairFrame::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnter(event) && watched == available_) {
        InstallRow(available_->currentRow());
        return true;
    }
    if (IsEnter(event) && watched == installed_) {
        ModifyRow(installed_->currentRow());
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace korvane::gui
