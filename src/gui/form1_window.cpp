#include "gui/form1_window.h"

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

#include "gui/formh_window.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"

namespace korvane::gui {

namespace {

struct Picture {
    const char* theme_name;
    QStyle::StandardPixmap fallback;
};

constexpr std::array<Picture, 13> kCommand3D1Pictures = {{
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

constexpr std::array<Picture, 8> kCommand3D2Pictures = {{
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
    {ui::ButtonArray::Command3D2, 0},
    {ui::ButtonArray::Command3D2, 1},
    {ui::ButtonArray::Command3D1, 11},
    {ui::ButtonArray::Command3D2, 2},
    {ui::ButtonArray::Command3D2, 3},
    {ui::ButtonArray::Command3D2, 4},
    {ui::ButtonArray::Command3D2, 5},
    {ui::ButtonArray::Command3D2, 6},
    {ui::ButtonArray::Command3D2, 7},
    {ui::ButtonArray::Command3D1, 8},
}};

QString ButtonName(ui::ButtonArray array, int index) {
    return QStringLiteral("%1_%2")
        .arg(array == ui::ButtonArray::Command3D1 ? QStringLiteral("Command3D1")
                                                  : QStringLiteral("Command3D2"))
        .arg(index);
}

QString ShortcutOf(ui::ButtonArray array, int index) {
    for (const ui::Shortcut& shortcut : ui::kForm1Shortcuts) {
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

Form1Window::Form1Window(ui::Form1& logic, FormhWindow& totals) : logic_(logic), totals_(totals) {
    setObjectName(QStringLiteral("Form1"));
    auto* design_options = new QGroupBox(this);
    design_options->setObjectName(QStringLiteral("Frame1"));
    auto* post_design_options = new QGroupBox(this);
    post_design_options->setObjectName(QStringLiteral("Frame2"));

    const auto add_button = [this](QGroupBox* frame, QGridLayout* grid, ui::ButtonArray array,
                                   int index) {
        const bool first_array = array == ui::ButtonArray::Command3D1;
        const Picture& picture =
            first_array ? kCommand3D1Pictures.at(index) : kCommand3D2Pictures.at(index);
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
            command3d1_[at] = button;
            command3d1_labels_[at] = label;
        } else {
            command3d2_[at] = button;
            command3d2_labels_[at] = label;
        }
    };
    auto* design_grid = new QGridLayout(design_options);
    for (const int index : kDesignOptions) {
        add_button(design_options, design_grid, ui::ButtonArray::Command3D1, index);
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
    design_options->setTitle(QtText(logic_.Frame1.caption));
    post_design_options->setTitle(QtText(logic_.Frame2.caption));

    auto* about = new QPushButton(QtText(logic_.Command1.caption), this);
    about->setObjectName(QStringLiteral("Command1"));
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

    for (const ui::Shortcut& shortcut : ui::kForm1Shortcuts) {
        auto* key = new QShortcut(QKeySequence(ShortcutOf(shortcut.array, shortcut.index)), this);
        connect(key, &QShortcut::activated, this,
                [this, shortcut] { Click(shortcut.array, shortcut.index); });
    }
    Refresh();
}

QToolButton* Form1Window::Button(ui::ButtonArray array, int index) const {
    return array == ui::ButtonArray::Command3D1 ? command3d1_.at(static_cast<std::size_t>(index))
                                                : command3d2_.at(static_cast<std::size_t>(index));
}

void Form1Window::Refresh() {
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
    for (std::size_t i = 0; i < command3d1_.size(); ++i) {
        show(command3d1_[i], command3d1_labels_[i], logic_.Command3D1[i],
             ShortcutOf(ui::ButtonArray::Command3D1, static_cast<int>(i)));
    }
    for (std::size_t i = 0; i < command3d2_.size(); ++i) {
        show(command3d2_[i], command3d2_labels_[i], logic_.Command3D2[i],
             ShortcutOf(ui::ButtonArray::Command3D2, static_cast<int>(i)));
    }
    totals_.Refresh();
}

void Form1Window::Click(ui::ButtonArray array, int index) {
    Carry(array == ui::ButtonArray::Command3D1 ? logic_.ClickCommand3D1(index)
                                               : logic_.ClickCommand3D2(index));
}

void Form1Window::Carry(ui::Form1Request request) {
    Refresh();
    switch (request) {
        case ui::Form1Request::None:
            break;
        case ui::Form1Request::ShowTextWindow:
            emit textWindowRequested();
            break;
        case ui::Form1Request::ShowBatchWindow:
            emit batchWindowRequested();
            break;
        case ui::Form1Request::ShowAbout:
            emit aboutRequested();
            break;
        case ui::Form1Request::Quit:
            emit quitRequested();
            break;
    }
}

void Form1Window::FollowWindowState() {
    logic_.Resized(isMinimized());
    totals_.Refresh();
}

void Form1Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        FollowWindowState();
    }
}

void Form1Window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FollowWindowState();
}

void Form1Window::closeEvent(QCloseEvent* event) {
    const ui::Form1Request request = logic_.CloseRequested();
    Refresh();
    if (request != ui::Form1Request::Quit) {
        event->ignore();
        return;
    }
    event->accept();
    emit quitRequested();
}

// The window is centred on the screen when it is first shown.
void Form1Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    PlaceNowAndWhenFramed(*this, [this] {
        const QRect area = AvailableScreenArea();
        MoveFrameTo(*this,
                    QPoint(area.left() + ui::Form1::Left(area.width(), frameGeometry().width()),
                           area.top() + ui::Centred(area.height(), frameGeometry().height())));
    });
}

}  // namespace korvane::gui
