#include "gui/option_question_view.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "gui/qt_text.h"
#include "gui/screen_placement.h"

namespace korvane::gui {

namespace {

// The space the dialog leaves above its first button and between buttons.
constexpr int kTopTwips = 120;
constexpr int kStepTwips = 480;

// What the title bar takes: its text in bold (as window managers draw it) and
// room for the window's icon and its three buttons, each about a title bar high.
int TitleBarWidth(const QWidget& window) {
    QFont bold = window.font();
    bold.setBold(true);
    const int bar_height = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + 4 * bar_height +
           2 * window.style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
}

}  // namespace

OptionQuestionView::OptionQuestionView(ui::OptionQuestion& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), question_(new QLabel(this)) {
    setObjectName(QStringLiteral("OptionQuestion"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(PixelsFromTwips(kStepTwips - ui::OptionQuestion::kButtonHeight, *this));
    QFont bold = question_->font();
    bold.setBold(true);
    question_->setFont(bold);
    question_->setAlignment(Qt::AlignCenter);
    question_->setTextFormat(Qt::PlainText);
    layout->addWidget(question_);
    layout->addSpacing(PixelsFromTwips(kTopTwips, *this));
    for (int i = 0; i < ui::OptionQuestion::kButtonCount; ++i) {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        button->setObjectName(QStringLiteral("Option_%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { Choose(i); });
        layout->addWidget(button, 0, Qt::AlignHCenter);
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    layout->addStretch();
}

std::optional<int> OptionQuestionView::Ask(const std::string& question,
                                           const std::vector<std::string>& options,
                                           std::optional<int> default_option,
                                           const QWidget* asking_window) {
    logic_.Ask(question, options, default_option);
    Lay(asking_window);
    exec();
    return logic_.ChosenOption();
}

void OptionQuestionView::Lay(const QWidget* asking_window) {
    setWindowTitle(QtText(logic_.Caption));
    question_->setText(QtText(logic_.Caption));
    const int button_height = PixelsFromTwips(ui::OptionQuestion::kButtonHeight, *this);
    // The window takes nine tenths of the screen's width at most, which leaves
    // its frame room, and no button is wider than that leaves: a longer text (a
    // long path among the previous edits) is cut in its middle and shown whole
    // in the button's tooltip.
    const int widest_window = AvailableScreenArea().width() * 9 / 10;
    const QMargins margins = layout()->contentsMargins();
    const int widest_button = widest_window - margins.left() - margins.right() -
                              2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    int button_width = std::min(PixelsFromTwips(logic_.ButtonWidth, *this), widest_button);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QPushButton& button = *buttons_[i];
        const QString caption = QtText(logic_.option_buttons[i].caption);
        button.setText(LiteralButtonText(caption));
        button.setToolTip(QString());
        const int room = widest_button - (button.sizeHint().width() -
                                          button.fontMetrics().horizontalAdvance(caption));
        if (button.sizeHint().width() > widest_button) {
            button.setText(
                LiteralButtonText(button.fontMetrics().elidedText(caption, Qt::ElideMiddle, room)));
            button.setToolTip(PlainToolTip(caption));
        }
        button.setVisible(logic_.option_buttons[i].visible);
        if (logic_.option_buttons[i].visible) {
            button_width =
                std::max(button_width, std::min(button.sizeHint().width(), widest_button));
        }
    }
    // With a default, Enter presses the button that has the focus, which is the
    // default's until the user moves it; without one, Enter presses nothing.
    const std::optional<int> default_button = logic_.DefaultButton();
    for (QPushButton* button : buttons_) {
        button->setFixedWidth(button_width);
        button->setMinimumHeight(std::max(button_height, button->sizeHint().height()));
        button->setAutoDefault(default_button.has_value());
        button->setDefault(false);
    }
    // The rules' size is the least the dialog takes; longer texts in a larger
    // font, or a title bar that needs more for its whole title, make it larger.
    adjustSize();
    resize(std::min(std::max({width(), PixelsFromTwips(logic_.WindowWidth, *this),
                              TitleBarWidth(*this)}),
                    widest_window),
           std::max(height(), PixelsFromTwips(logic_.WindowHeight, *this)));
    CentreOver(*this, asking_window);
    // The dialog is reused: the focus starts afresh, on the default button, else on the first.
    QPushButton* focused = buttons_.front();
    if (default_button) {
        focused = buttons_[static_cast<std::size_t>(*default_button)];
        focused->setDefault(true);
    }
    focused->setFocus();
    // The window system keeps the question with the window that asks.
    if (asking_window != nullptr && asking_window->window()->windowHandle() != nullptr) {
        winId();
        windowHandle()->setTransientParent(asking_window->window()->windowHandle());
    }
}

void OptionQuestionView::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool is_enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!is_enter && typed.size() == 1 && typed.front().unicode() < 0x80 &&
        logic_.Type(typed.front().toLatin1())) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void OptionQuestionView::Choose(int index) {
    logic_.Click(index);
    accept();
}

void OptionQuestionView::reject() {
    logic_.Close();
    QDialog::reject();
}

}  // namespace korvane::gui
