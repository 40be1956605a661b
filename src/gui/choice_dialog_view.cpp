#include "gui/choice_dialog_view.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/qt_text.h"
#include "gui/screen_placement.h"

namespace korvane::gui {

namespace {

// The space the dialog leaves above its first button and between buttons.
constexpr int kTopTwips = 120;
constexpr int kStepTwips = 480;

}  // namespace

ChoiceDialogView::ChoiceDialogView(ui::ChoiceDialog& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), question_(new QLabel(this)) {
    setObjectName(QStringLiteral("ChoiceDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(PixelsFromTwips(kStepTwips - ui::ChoiceDialog::kButtonHeight, *this));
    QFont bold = question_->font();
    bold.setBold(true);
    question_->setFont(bold);
    question_->setAlignment(Qt::AlignCenter);
    question_->setTextFormat(Qt::PlainText);
    layout->addWidget(question_);
    layout->addSpacing(PixelsFromTwips(kTopTwips, *this));
    for (int i = 0; i < ui::ChoiceDialog::kButtonCount; ++i) {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        button->setObjectName(QStringLiteral("Option_%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { Choose(i); });
        layout->addWidget(button, 0, Qt::AlignHCenter);
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    layout->addStretch();
}

std::optional<int> ChoiceDialogView::Ask(const std::string& question,
                                         const std::vector<std::string>& options, int focus_index) {
    logic_.Ask(question, options, focus_index);
    Lay();
    exec();
    return logic_.Choice();
}

void ChoiceDialogView::Lay() {
    setWindowTitle(QtText(logic_.Caption));
    question_->setText(QtText(logic_.Caption));
    const int button_height = PixelsFromTwips(ui::ChoiceDialog::kButtonHeight, *this);
    int button_width = PixelsFromTwips(logic_.ButtonWidth, *this);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setText(LiteralButtonText(QtText(logic_.option_buttons[i].caption)));
        buttons_[i]->setVisible(logic_.option_buttons[i].visible);
        if (logic_.option_buttons[i].visible) {
            button_width = std::max(button_width, buttons_[i]->sizeHint().width());
        }
    }
    for (QPushButton* button : buttons_) {
        button->setFixedWidth(button_width);
        button->setMinimumHeight(std::max(button_height, button->sizeHint().height()));
        button->setDefault(false);
    }
    // The rules' size is the least the dialog takes; longer texts in a larger
    // font make it larger.
    adjustSize();
    resize(std::max(width(), PixelsFromTwips(logic_.WindowWidth, *this)),
           std::max(height(), PixelsFromTwips(logic_.WindowHeight, *this)));
    // Centred across the screen; the top is kept from one question to the
    // next, and at first the dialog stands in the middle of the screen.
    const QRect area = AvailableScreenArea();
    const int top =
        placed_ ? frameGeometry().top() : area.top() + ui::Centred(area.height(), height());
    MoveFrameTo(*this, QPoint(area.left() + ui::Centred(area.width(), width()), top));
    placed_ = true;
    if (const std::optional<int> focus = logic_.FocusButton()) {
        QPushButton* button = buttons_[static_cast<std::size_t>(*focus)];
        button->setDefault(true);
        button->setFocus();
    }
}

void ChoiceDialogView::Choose(int index) {
    logic_.Click(index);
    accept();
}

void ChoiceDialogView::reject() {
    logic_.Close();
    QDialog::reject();
}

}  // namespace korvane::gui
