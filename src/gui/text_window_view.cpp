#include "gui/text_window_view.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/session.h"
#include "gui/control_binding.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"

namespace korvane::gui {

namespace {

// Room for a line of the feature list and a screenful of its entries.
constexpr int kTextColumns = 88;
constexpr int kTextLines = 28;

}  // namespace

TextWindowView::TextWindowView(ui::TextWindow& logic, QWidget* parent)
    : QDialog(parent),
      logic_(logic),
      heading_(new QLabel(this)),
      text_(new QPlainTextEdit(this)),
      ok_(new QPushButton(this)),
      print_all_(new QPushButton(this)),
      print_selection_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setObjectName(QStringLiteral("TextWindow"));
    heading_->setObjectName(QStringLiteral("Heading"));
    text_->setObjectName(QStringLiteral("Text"));
    ok_->setObjectName(QStringLiteral("Ok"));
    cancel_->setObjectName(QStringLiteral("Cancel"));
    print_all_->setObjectName(QStringLiteral("PrintAll"));
    print_selection_->setObjectName(QStringLiteral("PrintSelection"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->installEventFilter(this);
    const QFontMetrics metrics(text_->font());
    text_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('M')) * kTextColumns,
                          metrics.lineSpacing() * kTextLines);
    print_all_->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    print_selection_->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    for (QPushButton* button : {ok_, print_all_, print_selection_, cancel_}) {
        button->setAutoDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addStretch();
    buttons->addWidget(print_all_);
    buttons->addWidget(print_selection_);
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);

    bindings_.Bind(*heading_, logic_.heading);
    bindings_.Bind(*text_, logic_.text);
    bindings_.Bind(*ok_, logic_.ok, [this] { Ok(); });
    bindings_.Bind(*cancel_, logic_.cancel, [this] { reject(); });
    bindings_.Bind(*print_all_, logic_.print_all, [this] { logic_.PrintAll(); });
    bindings_.Bind(*print_selection_, logic_.print_selection, [this] { logic_.PrintSelection(); });
    connect(text_, &QPlainTextEdit::selectionChanged, this,
            [this] { logic_.selection = Cp1252Text(text_->textCursor().selectedText()); });
    Refresh();
}

bool TextWindowView::Run() {
    Refresh();
    text_->moveCursor(QTextCursor::Start);
    adjustSize();
    CentreOnScreen(*this);
    text_->setFocus();
    exec();
    return logic_.Accepted();
}

void TextWindowView::Refresh() {
    setWindowTitle(QtText(logic_.Caption));
    bindings_.Show();
}

void TextWindowView::Ok() {
    logic_.Ok();
    accept();
}

void TextWindowView::reject() {
    logic_.Cancel();
    QDialog::reject();
}

bool TextWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text_ || event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && key->modifiers().testFlag(Qt::ControlModifier)) {
        if (logic_.KeyTyped('\n')) {
            accept();
        }
        return true;
    }
    if (key->key() == Qt::Key_F5) {
        logic_.StampTime();
        Refresh();
        text_->moveCursor(QTextCursor::End);
        text_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace korvane::gui
