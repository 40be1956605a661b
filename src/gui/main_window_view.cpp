#include "gui/main_window_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/screen_placement.h"
#include "gui/totals_window_view.h"

namespace korvane::gui {

namespace {

struct Picture {
    const char* theme_name;
    QStyle::StandardPixmap fallback;
};

constexpr std::array<Picture, 13> kDesignButtonPictures = {{
    {"document-properties", QStyle::SP_FileDialogDetailedView},  // Hull & basic data
    {"battery", QStyle::SP_DriveHDIcon},                         // Power
    {"go-jump", QStyle::SP_ArrowForward},                        // Drives
    {"network-wireless", QStyle::SP_DriveNetIcon},               // Electronics
    {"security-high", QStyle::SP_MessageBoxWarning},             // Weapons & screens
    {"computer", QStyle::SP_ComputerIcon},                       // Control & computers
    {"system-users", QStyle::SP_DirHomeIcon},                    // Crew & accomodation
    {"applications-engineering", QStyle::SP_DesktopIcon},        // Subordinate craft
    {"system-run", QStyle::SP_BrowserReload},                    // Reset
    {"application-exit", QStyle::SP_DialogCloseButton},          // Exit
    {"view-refresh", QStyle::SP_BrowserReload},                  // Recalculate
    {"document-save", QStyle::SP_DialogSaveButton},              // Fast resave
    {"list-add", QStyle::SP_FileDialogNewFolder},                // Other
}};

constexpr std::array<Picture, 8> kPostDesignButtonPictures = {{
    {"document-open", QStyle::SP_DialogOpenButton},          // Load Design
    {"document-save-as", QStyle::SP_DialogSaveButton},       // Save As...
    {"accessories-text-editor", QStyle::SP_FileIcon},        // Edit notes
    {"text-x-generic", QStyle::SP_FileDialogContentsView},   // View Profile
    {"document-open-recent", QStyle::SP_FileDialogBack},     // Last x edits...
    {"folder", QStyle::SP_DirIcon},                          // Bulk save options
    {"document-print", QStyle::SP_ComputerIcon},             // Posh Print!
    {"format-justify-fill", QStyle::SP_FileDialogListView},  // List features
}};

// The order of the buttons in their frames: the section editors first, then
// the commands; the file commands in the order of their use.
constexpr std::array<int, 11> kDesignOptions = {0, 1, 2, 3, 4, 5, 6, 7, 12, 10, 9};
struct Placed {
    ui::ButtonArray array;
    int index;
};
constexpr std::array<Placed, 10> kPostDesignOptions = {{
    {ui::ButtonArray::PostDesign, 0},
    {ui::ButtonArray::PostDesign, 1},
    {ui::ButtonArray::Design, 11},
    {ui::ButtonArray::PostDesign, 2},
    {ui::ButtonArray::PostDesign, 3},
    {ui::ButtonArray::PostDesign, 4},
    {ui::ButtonArray::PostDesign, 5},
    {ui::ButtonArray::PostDesign, 6},
    {ui::ButtonArray::PostDesign, 7},
    {ui::ButtonArray::Design, 8},
}};

QString ButtonName(ui::ButtonArray array, int index) {
    return QStringLiteral("%1_%2")
        .arg(array == ui::ButtonArray::Design ? QStringLiteral("DesignButton")
                                              : QStringLiteral("PostDesignButton"))
        .arg(index);
}

QString ShortcutOf(ui::ButtonArray array, int index) {
    for (const ui::Shortcut& shortcut : ui::kMainWindowShortcuts) {
        if (shortcut.array == array && shortcut.index == index) {
            return QString::fromLatin1(shortcut.keys.data(),
                                       static_cast<qsizetype>(shortcut.keys.size()));
        }
    }
    return {};
}

QToolButton* NewPictureButton(QWidget* parent, const Picture& picture) {
    auto* button = new QToolButton(parent);
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(picture.theme_name));
    if (icon.isNull()) {
        icon = parent->style()->standardIcon(picture.fallback);
    }
    button->setIcon(icon);
    const int size = parent->style()->pixelMetric(QStyle::PM_LargeIconSize);
    button->setIconSize(QSize(size, size));
    return button;
}

QWidget* NewTitlePanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("TitlePanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Base);
    auto* title = new QLabel(QString::fromStdString(AppTitle()), panel);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    title->setFont(large);
    auto* subtitle =
        new QLabel(QStringLiteral("Starship design calculator for the Zarnoth rules"), panel);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(subtitle, 0, Qt::AlignHCenter);
    return panel;
}

}  // namespace

MainWindowView::MainWindowView(ui::MainWindow& logic, TotalsWindowView& totals)
    : logic_(logic), totals_(totals) {
    setObjectName(QStringLiteral("MainWindow"));
    auto* design_options = new QGroupBox(this);
    design_options->setObjectName(QStringLiteral("DesignOptions"));
    auto* post_design_options = new QGroupBox(this);
    post_design_options->setObjectName(QStringLiteral("PostDesignOptions"));

    const auto add_button = [this](QGroupBox* frame, QGridLayout* grid, ui::ButtonArray array,
                                   int index) {
        const bool first_array = array == ui::ButtonArray::Design;
        const Picture& picture =
            first_array ? kDesignButtonPictures.at(index) : kPostDesignButtonPictures.at(index);
        QToolButton* button = NewPictureButton(frame, picture);
        button->setObjectName(ButtonName(array, index));
        auto* label = new QLabel(frame);
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(button);
        const int row = grid->rowCount();
        grid->addWidget(button, row, 0);
        grid->addWidget(label, row, 1);
        connect(button, &QToolButton::clicked, this, [this, array, index] { Click(array, index); });
        const auto at = static_cast<std::size_t>(index);
        if (first_array) {
            design_buttons_[at] = button;
            design_labels_[at] = label;
        } else {
            post_design_buttons_[at] = button;
            post_design_labels_[at] = label;
        }
    };
    auto* design_grid = new QGridLayout(design_options);
    for (const int index : kDesignOptions) {
        add_button(design_options, design_grid, ui::ButtonArray::Design, index);
    }
    design_grid->setRowStretch(design_grid->rowCount(), 1);
    auto* post_design_grid = new QGridLayout(post_design_options);
    for (const Placed& placed : kPostDesignOptions) {
        add_button(post_design_options, post_design_grid, placed.array, placed.index);
    }
    post_design_grid->setRowStretch(post_design_grid->rowCount(), 1);
    for (QGridLayout* grid : {design_grid, post_design_grid}) {
        grid->setColumnStretch(1, 1);
        grid->setVerticalSpacing(2);
    }
    design_options->setTitle(QtText(logic_.design_options.caption));
    post_design_options->setTitle(QtText(logic_.post_design_options.caption));

    auto* about = new QPushButton(QtText(logic_.about.caption), this);
    about->setObjectName(QStringLiteral("About"));
    about->setIcon(QIcon::fromTheme(QStringLiteral("help-about")));
    connect(about, &QPushButton::clicked, this, [this] { Carry(logic_.AboutCommand()); });

    auto* frames = new QHBoxLayout;
    frames->addWidget(design_options);
    frames->addWidget(post_design_options);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(about);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NewTitlePanel(this));
    layout->addLayout(frames, 1);
    layout->addLayout(bottom);

    for (const ui::Shortcut& shortcut : ui::kMainWindowShortcuts) {
        auto* key = new QShortcut(QKeySequence(ShortcutOf(shortcut.array, shortcut.index)), this);
        connect(key, &QShortcut::activated, this,
                [this, shortcut] { Click(shortcut.array, shortcut.index); });
    }
    Refresh();
}

QToolButton* MainWindowView::Button(ui::ButtonArray array, int index) const {
    return array == ui::ButtonArray::Design
               ? design_buttons_.at(static_cast<std::size_t>(index))
               : post_design_buttons_.at(static_cast<std::size_t>(index));
}

void MainWindowView::Refresh() {
    setWindowTitle(QtText(logic_.Caption()));
    const auto show = [](QToolButton* button, QLabel* label, const ui::Button& state,
                         const QString& shortcut) {
        // The label is the button's buddy, so it reads "&&" as one "&" itself.
        label->setText(QtText(state.caption));
        const QString caption = LabelText(state.caption);
        button->setToolTip(shortcut.isEmpty()
                               ? caption
                               : caption + QStringLiteral(" (") +
                                     QKeySequence(shortcut).toString(QKeySequence::NativeText) +
                                     QLatin1Char(')'));
        for (QWidget* widget : {static_cast<QWidget*>(button), static_cast<QWidget*>(label)}) {
            widget->setEnabled(state.enabled);
            widget->setVisible(state.visible);
        }
    };
    for (std::size_t i = 0; i < design_buttons_.size(); ++i) {
        show(design_buttons_[i], design_labels_[i], logic_.design_buttons[i],
             ShortcutOf(ui::ButtonArray::Design, static_cast<int>(i)));
    }
    for (std::size_t i = 0; i < post_design_buttons_.size(); ++i) {
        show(post_design_buttons_[i], post_design_labels_[i], logic_.post_design_buttons[i],
             ShortcutOf(ui::ButtonArray::PostDesign, static_cast<int>(i)));
    }
    totals_.Refresh();
}

void MainWindowView::Click(ui::ButtonArray array, int index) {
    Carry(array == ui::ButtonArray::Design ? logic_.ClickDesignButton(index)
                                           : logic_.ClickPostDesignButton(index));
}

void MainWindowView::Carry(ui::MainWindowRequest request) {
    Refresh();
    switch (request) {
        case ui::MainWindowRequest::None:
            break;
        case ui::MainWindowRequest::ShowTextWindow:
            emit textWindowRequested();
            break;
        case ui::MainWindowRequest::ShowBatchWindow:
            emit batchWindowRequested();
            break;
        case ui::MainWindowRequest::ShowAbout:
            emit aboutRequested();
            break;
        case ui::MainWindowRequest::Quit:
            emit quitRequested();
            break;
    }
}

void MainWindowView::FollowWindowState() {
    logic_.Resized(isMinimized());
    totals_.Refresh();
}

void MainWindowView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        FollowWindowState();
    }
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FollowWindowState();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    const ui::MainWindowRequest request = logic_.CloseRequested();
    Refresh();
    if (request != ui::MainWindowRequest::Quit) {
        event->ignore();
        return;
    }
    event->accept();
    emit quitRequested();
}

// The window is centred on the screen when it is first shown.
void MainWindowView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    PlaceNowAndWhenFramed(*this, [this] {
        const QRect area = AvailableScreenArea();
        MoveFrameTo(
            *this, QPoint(area.left() + ui::MainWindow::Left(area.width(), frameGeometry().width()),
                          area.top() + ui::Centred(area.height(), frameGeometry().height())));
    });
}

}  // namespace korvane::gui
