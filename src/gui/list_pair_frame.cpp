#include "gui/list_pair_frame.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

#include "gui/control_binding.h"
#include "gui/qt_text.h"
#include "model/text_helpers.h"

namespace korvane::gui {

namespace {

// A list is at least this many average characters wide: a 20-character label
// and its count.
constexpr int kListColumns = 26;

// What a row shows: an available row carries its table code after 100 blanks,
// out of sight, as the logic reads it back on install. A text field never set
// holds NUL bytes, shown as blanks.
QString ShownRowText(const std::string& row) {
    std::string shown = row.substr(0, row.find(std::string(100, ' ')));
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

    // The logic's events are called by name, not through member pointers,
    // which the sanitizers' type check misreads.
    const auto handled_after = [this](void (*event)(ui::ListEditor&)) {
        return [this, event] {
            event(logic_);
            emit handled();
        };
    };
    bindings_.Bind(*available_caption_, logic_.available_caption);
    bindings_.Bind(*available_, logic_.available,
                   handled_after([](ui::ListEditor& logic) { logic.ShowAvailableDetails(); }),
                   handled_after([](ui::ListEditor& logic) { logic.InstallSelected(); }),
                   ShownRowText);
    bindings_.Bind(*available_details_, logic_.available_details);
    bindings_.Bind(*installed_caption_, logic_.installed_caption);
    bindings_.Bind(*installed_, logic_.installed,
                   handled_after([](ui::ListEditor& logic) { logic.ShowInstalledDetails(); }),
                   handled_after([](ui::ListEditor& logic) { logic.ModifySelected(); }),
                   ShownRowText);
    bindings_.Bind(*installed_details_, logic_.installed_details);
    available_->installEventFilter(this);
    installed_->installEventFilter(this);
}

void ListPairFrame::Refresh() {
    setTitle(QtText(logic_.frame.caption));
    bindings_.Show();
    // An editor without catalog rows (custom features) hides its "Available:" list.
    available_->setVisible(logic_.available_caption.visible);
    FitWidthToRows(*available_);
    FitWidthToRows(*installed_);
}

// Enter on a row does what a double-click does.
bool ListPairFrame::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnter(event) && (watched == available_ || watched == installed_)) {
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
