#include "gui/about_box_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/control_binding.h"
#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

// Long notices wrap at about this many characters.
constexpr int kNoticeColumns = 60;
constexpr double kTitleType = 1.5;  // times the default font size

QLabel* NewNotice(QWidget* parent, const ui::Label& label) {
    auto* widget = new QLabel(parent);
    ShowLabel(*widget, label);
    widget->setWordWrap(true);
    widget->setMinimumWidth(widget->fontMetrics().averageCharWidth() * kNoticeColumns);
    return widget;
}

}  // namespace

AboutBoxView::AboutBoxView(ui::AboutBox& logic, ui::Disclaimer& disclaimer, ui::Desktop& desktop,
                           Prompter& prompter, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QtText(logic_.Caption));
    auto* title = new QLabel(this);
    ShowLabel(*title, logic_.title);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * kTitleType);
    large.setBold(true);
    title->setFont(large);

    auto* ok = new QPushButton(this);
    ShowButton(*ok, logic_.ok);
    ok->setDefault(true);
    auto* system_info = new QPushButton(this);
    ShowButton(*system_info, logic_.system_info);
    system_info->setAutoDefault(false);
    auto* show_disclaimer = new QPushButton(QStringLiteral("&Disclaimer..."), this);
    show_disclaimer->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(system_info);
    buttons->addWidget(show_disclaimer);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(NewNotice(this, logic_.description));
    layout->addWidget(NewNotice(this, logic_.warranty));
    layout->addSpacing(fontMetrics().height());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(system_info, &QPushButton::clicked, this,
            [this, &desktop, &prompter] { logic_.SystemInfo(desktop, prompter); });
    connect(show_disclaimer, &QPushButton::clicked, this, [this, &disclaimer] {
        DisclaimerView window(disclaimer, this);
        window.Run();
    });
}

void AboutBoxView::Run() {
    logic_.Show();
    exec();
    logic_.Ok();
}

DisclaimerView::DisclaimerView(ui::Disclaimer& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("Disclaimer"));
    setWindowTitle(QtText(logic_.Caption));
    auto* ok = new QPushButton(this);
    ShowButton(*ok, logic_.ok);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NewNotice(this, logic_.notice));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void DisclaimerView::Run() {
    logic_.Show();
    exec();
    logic_.Ok();
}

}  // namespace korvane::gui
