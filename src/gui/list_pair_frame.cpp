#include "gui/list_pair_frame.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>

#include "gui/catalog_table_model.h"
#include "gui/control_binding.h"
#include "gui/qt_text.h"
#include "model/text_helpers.h"

namespace korvane::gui {

namespace {

// A list is at least this many average characters wide: a 20-character label
// and its count.
constexpr int kListColumns = 26;

// A text field never set holds NUL bytes, shown as blanks.
QString ShownRowText(const std::string& row) {
    std::string shown = row;
    std::replace(shown.begin(), shown.end(), '\0', ' ');
    return QtText(std::string(TrimmedEnd(shown)));
}

// Wide enough for the longest row, and for at least kListColumns characters.
void FitWidthToRows(QListWidget& widget) {
    const int text_width = std::max(widget.sizeHintForColumn(0),
                                    widget.fontMetrics().averageCharWidth() * kListColumns);
    widget.setMinimumWidth(text_width + 2 * widget.frameWidth() +
                           widget.verticalScrollBar()->sizeHint().width());
}

QListWidget* NewList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// A table of whole rows, one selected at a time, read only; Tab leaves it.
QTableView* NewTable(QWidget* parent, const char* name) {
    auto* table = new QTableView(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionsClickable(true);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

QLabel* NewLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

int PressedKey(QEvent* event) {
    return event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

ListPairFrame::ListPairFrame(ui::ListEditor& logic, QWidget* parent)
    : QGroupBox(parent),
      logic_(logic),
      available_caption_(NewLabel(this, "AvailableCaption")),
      available_filter_(new QLineEdit(this)),
      available_(NewTable(this, "Available")),
      available_rows_(new CatalogTableModel(logic.available, this)),
      available_details_(NewLabel(this, "AvailableDetails")),
      installed_caption_(NewLabel(this, "InstalledCaption")),
      installed_(NewList(this, "Installed")),
      installed_details_(NewLabel(this, "InstalledDetails")) {
    setObjectName(QStringLiteral("Frame"));
    available_filter_->setObjectName(QStringLiteral("AvailableFilter"));
    available_filter_->setPlaceholderText(QStringLiteral("Filter by label (Ctrl+F)"));
    available_filter_->setClearButtonEnabled(true);
    available_->setModel(available_rows_);
    available_caption_->setBuddy(available_);
    installed_caption_->setBuddy(installed_);
    for (QLabel* details : {available_details_, installed_details_}) {
        details->setWordWrap(true);
        details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto* lists = new QGridLayout(this);
    lists->addWidget(available_caption_, 0, 0);
    lists->addWidget(available_filter_, 1, 0);
    lists->addWidget(available_, 2, 0);
    lists->addWidget(available_details_, 3, 0);
    lists->addWidget(installed_caption_, 0, 1);
    lists->addWidget(installed_, 1, 1, 2, 1);
    lists->addWidget(installed_details_, 3, 1);
    lists->setRowStretch(2, 1);
    lists->setColumnStretch(0, 1);

    // The logic's events are called by name, not through member pointers,
    // which the sanitizers' type check misreads.
    const auto handled_after = [this](void (*event)(ui::ListEditor&)) {
        return [this, event] {
            event(logic_);
            emit handled();
        };
    };
    bindings_.Bind(*available_caption_, logic_.available_caption);
    bindings_.Bind(*available_details_, logic_.available_details);
    bindings_.Bind(*installed_caption_, logic_.installed_caption);
    bindings_.Bind(*installed_, logic_.installed,
                   handled_after([](ui::ListEditor& logic) { logic.ShowInstalledDetails(); }),
                   handled_after([](ui::ListEditor& logic) { logic.ModifySelected(); }),
                   ShownRowText);
    bindings_.Bind(*installed_details_, logic_.installed_details);
    BindAvailable();
    available_filter_->installEventFilter(this);
    available_->installEventFilter(this);
    installed_->installEventFilter(this);
}

void ListPairFrame::BindAvailable() {
    connect(available_filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        logic_.available_filter.text = Cp1252Text(text);
        logic_.FilterAvailable();
        emit handled();
    });
    connect(available_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (showing_selection_) {
                    return;
                }
                if (current.isValid()) {
                    logic_.available.SelectKey(available_rows_->Key(current));
                } else {
                    logic_.available.Select(std::nullopt);
                }
                logic_.ShowAvailableDetails();
                emit handled();
            });
    connect(available_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        logic_.available.SelectKey(available_rows_->Key(index));
        logic_.InstallSelected();
        emit handled();
    });
    connect(available_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) {
                logic_.available.SortBy(static_cast<ui::CatalogColumn>(section));
                emit handled();
            });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        available_filter_->setFocus(Qt::ShortcutFocusReason);
        available_filter_->selectAll();
    });
}

void ListPairFrame::Refresh() {
    setTitle(QtText(logic_.frame.caption));
    bindings_.Show();
    if (Cp1252Text(available_filter_->text()) != logic_.available_filter.text) {
        const QSignalBlocker quiet(available_filter_);
        available_filter_->setText(QtText(logic_.available_filter.text));
    }
    available_rows_->Update();
    ShowAvailableSelection();
    QHeaderView& header = *available_->horizontalHeader();
    const ui::SortOrder order = logic_.available.Order();
    header.setSortIndicatorShown(order != ui::SortOrder::Catalog);
    header.setSortIndicator(
        order == ui::SortOrder::Catalog ? -1 : static_cast<int>(logic_.available.SortColumn()),
        order == ui::SortOrder::Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    // An editor without catalog rows (custom features) hides its "Available:" list.
    available_->setVisible(logic_.available_caption.visible);
    available_filter_->setVisible(logic_.available_caption.visible);
    FitAvailableColumns();
    FitWidthToRows(*installed_);
}

void ListPairFrame::ShowAvailableSelection() {
    const std::optional<int> row = logic_.available.Selected();
    const QModelIndex current = available_->currentIndex();
    if (row ? current.isValid() && current.row() == *row : !current.isValid()) {
        return;
    }
    showing_selection_ = true;
    if (row) {
        const QModelIndex index = available_rows_->index(*row, 0);
        available_->setCurrentIndex(index);
        available_->scrollTo(index);
    } else {
        available_->selectionModel()->clear();
    }
    showing_selection_ = false;
}

void ListPairFrame::FitAvailableColumns() {
    if (columns_fitted_ || available_rows_->rowCount() == 0) {
        return;
    }
    columns_fitted_ = true;
    QHeaderView& header = *available_->horizontalHeader();
    available_->resizeColumnsToContents();
    header.resizeSection(0, std::max(header.sectionSize(0),
                                     available_->fontMetrics().averageCharWidth() * kListColumns));
    int width = 0;
    for (int column = 0; column < ui::kCatalogColumns; ++column) {
        width += header.sectionSize(column);
    }
    available_->setMinimumWidth(width + 2 * available_->frameWidth() +
                                available_->verticalScrollBar()->sizeHint().width());
    header.setSectionResizeMode(0, QHeaderView::Stretch);
}

// Enter on a row does what a double-click does; Home and End go to the first
// and last row of the table, as in a list. In the filter box, Escape empties
// it (and only then is taken: an empty box leaves Escape to the window), and
// Down or Enter moves on to the table's rows.
bool ListPairFrame::eventFilter(QObject* watched, QEvent* event) {
    const int key = PressedKey(event);
    const int rows = available_rows_->rowCount();
    if (watched == available_ && (key == Qt::Key_Home || key == Qt::Key_End) && rows > 0) {
        available_->setCurrentIndex(available_rows_->index(key == Qt::Key_Home ? 0 : rows - 1, 0));
        return true;
    }
    if (watched == available_filter_) {
        if (key == Qt::Key_Escape && logic_.ClearAvailableFilter()) {
            emit handled();
            return true;
        }
        if ((key == Qt::Key_Down || IsEnter(key)) && rows > 0) {
            available_->setFocus(Qt::OtherFocusReason);
            if (!available_->currentIndex().isValid()) {
                available_->setCurrentIndex(available_rows_->index(0, 0));
            }
            return true;
        }
    } else if (IsEnter(key) && (watched == available_ || watched == installed_)) {
        if (watched == available_) {
            logic_.InstallSelected();
        } else {
            logic_.ModifySelected();
        }
        emit handled();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace korvane::gui
