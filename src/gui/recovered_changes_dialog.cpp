#include "gui/recovered_changes_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/qt_text.h"

namespace korvane::gui {

RecoveredChangesDialog::RecoveredChangesDialog(const std::string& title, const std::string& text,
                                               const std::vector<std::string>& copies,
                                               QWidget* parent)
    : QDialog(parent), copies_(new QListWidget(this)) {
    setObjectName(QStringLiteral("RecoveredChangesDialog"));
    setWindowTitle(QtText(title));
    auto* question = new QLabel(QtText(text), this);
    question->setObjectName(QStringLiteral("question"));
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);

    copies_->setObjectName(QStringLiteral("copies"));
    copies_->setAccessibleName(QStringLiteral("Recovered changes"));
    copies_->setTextElideMode(Qt::ElideMiddle);
    for (const std::string& copy : copies) {
        auto* item = new QListWidgetItem(QtText(copy), copies_);
        item->setToolTip(PlainToolTip(item->text()));
    }
    copies_->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(this);
    const auto add = [this, buttons](const QString& caption, const char* name,
                                     RecoveredAction action) {
        QPushButton* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, action] { Answer(action); });
        return button;
    };
    add(tr("&Restore"), "restore", RecoveredAction::Restore);
    add(tr("&Delete"), "remove", RecoveredAction::Delete);
    add(tr("&Keep"), "keep", RecoveredAction::Keep);
    add(tr("Delete A&ll"), "removeAll", RecoveredAction::DeleteAll);
    add(tr("Keep &All"), "keepAll", RecoveredAction::KeepAll)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(copies_);
    layout->addWidget(buttons);
}

RecoveredChoice RecoveredChangesDialog::Ask() {
    choice_ = {};
    exec();
    return choice_;
}

void RecoveredChangesDialog::Answer(RecoveredAction action) {
    choice_ = {action, static_cast<std::size_t>(std::max(copies_->currentRow(), 0))};
    accept();
}

}  // namespace korvane::gui
