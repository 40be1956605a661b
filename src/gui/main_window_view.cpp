#include "gui/main_window_view.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <optional>
#include <vector>

#include "gui/control_binding.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"
#include "gui/totals_window_view.h"

namespace korvane::gui {

namespace {

// A theme's picture, by a name the common themes have: a name the theme
// lacks is looked for through every theme it builds on, hicolor's catalogue
// of all programs' icons last, which costs the start more than all the others.
struct Picture {
    const char* theme_name;
    QStyle::StandardPixmap fallback;
};

// A picture button in one of the frames: its command, the object name the
// button goes by and its picture.
struct Placed {
    ui::MainWindowCommand command;
    const char* name;
    Picture picture;
};

// The section editors' buttons (ui::kSections names them and their icons):
// the style's pictures where the desktop theme has none.
constexpr std::array<QStyle::StandardPixmap, ui::kSectionCount> kSectionFallbacks = {
    QStyle::SP_FileDialogDetailedView,
    QStyle::SP_DriveHDIcon,
    QStyle::SP_ArrowForward,
    QStyle::SP_DriveNetIcon,
    QStyle::SP_MessageBoxWarning,
    QStyle::SP_ComputerIcon,
    QStyle::SP_DirHomeIcon,
    QStyle::SP_DesktopIcon,
    QStyle::SP_FileDialogNewFolder,
};

// Under the section editors, the commands of the design as a whole.
constexpr std::array<Placed, 2> kDesignCommands = {{
    {ui::MainWindowCommand::Recalculate, "Recalculate", {"view-refresh", QStyle::SP_BrowserReload}},
    {ui::MainWindowCommand::Exit, "Exit", {"application-exit", QStyle::SP_DialogCloseButton}},
}};

// The file commands in the order of their use.
constexpr std::array<Placed, 11> kPostDesignOptions = {{
    {ui::MainWindowCommand::LoadDesign,
     "LoadDesign",
     {"document-open", QStyle::SP_DialogOpenButton}},
    {ui::MainWindowCommand::SaveAs, "SaveAs", {"document-save-as", QStyle::SP_DialogSaveButton}},
    {ui::MainWindowCommand::FastResave,
     "FastResave",
     {"document-save", QStyle::SP_DialogSaveButton}},
    {ui::MainWindowCommand::EditNotes,
     "EditNotes",
     {"accessories-text-editor", QStyle::SP_FileIcon}},
    {ui::MainWindowCommand::ViewProfile,
     "ViewProfile",
     {"text-x-generic", QStyle::SP_FileDialogContentsView}},
    {ui::MainWindowCommand::LastEdits,
     "LastEdits",
     {"document-open-recent", QStyle::SP_FileDialogBack}},
    {ui::MainWindowCommand::BulkSave, "BulkSave", {"folder", QStyle::SP_DirIcon}},
    {ui::MainWindowCommand::PoshPrint, "PoshPrint", {"document-print", QStyle::SP_ComputerIcon}},
    {ui::MainWindowCommand::ListFeatures,
     "ListFeatures",
     {"format-justify-fill", QStyle::SP_FileDialogListView}},
    {ui::MainWindowCommand::CompareWith,
     "CompareWith",
     {"object-flip-horizontal", QStyle::SP_FileDialogContentsView}},
    {ui::MainWindowCommand::Reset, "Reset", {"system-run", QStyle::SP_BrowserReload}},
}};

// "Undo" and "Redo" at the bottom left, "About" at the bottom right.
constexpr std::array<Placed, 3> kPlainButtons = {{
    {ui::MainWindowCommand::Undo, "Undo", {"edit-undo", QStyle::SP_ArrowBack}},
    {ui::MainWindowCommand::Redo, "Redo", {"edit-redo", QStyle::SP_ArrowForward}},
    {ui::MainWindowCommand::About, "About", {"help-about", QStyle::SP_MessageBoxQuestion}},
}};

// Every command has its button: a picture button in one of the frames, or a plain one.
// The section editors first, then the commands.
constexpr std::array<Placed, ui::kSectionCount + kDesignCommands.size()> DesignOptions() {
    std::array<Placed, ui::kSectionCount + kDesignCommands.size()> placed{};
    for (std::size_t i = 0; i < ui::kSectionCount; ++i) {
        const ui::SectionName& section = ui::kSections[i];
        placed[i] = {ui::CommandOf(section.section),
                     section.name.data(),
                     {section.icon.data(), kSectionFallbacks[i]}};
    }
    for (std::size_t i = 0; i < kDesignCommands.size(); ++i) {
        placed[ui::kSectionCount + i] = kDesignCommands[i];
    }
    return placed;
}

static_assert(ui::kSectionCount + kDesignCommands.size() + kPostDesignOptions.size() +
                  kPlainButtons.size() ==
              ui::kMainWindowCommandCount);

QKeySequence KeysOf(const ui::Shortcut& shortcut) {
    return QKeySequence(QtText(shortcut.keys));
}

// The keys of every shortcut of the command as the platform writes them
// ("Ctrl+Shift+Z, Ctrl+Y"); empty for a command without one.
QString ShortcutsOf(ui::MainWindowCommand command) {
    QStringList keys;
    for (const ui::Shortcut& shortcut : ui::kMainWindowShortcuts) {
        if (shortcut.command == command) {
            keys << KeysOf(shortcut).toString(QKeySequence::NativeText);
        }
    }
    return keys.join(QStringLiteral(", "));
}

// A command's whole row, its picture and its caption, is one button, which
// shows itself raised under the pointer.
QToolButton* NewPictureButton(QWidget* parent, const Picture& picture) {
    auto* button = new QToolButton(parent);
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(picture.theme_name));
    if (icon.isNull()) {
        icon = parent->style()->standardIcon(picture.fallback);
    }
    button->setIcon(icon);
    const int size = parent->style()->pixelMetric(QStyle::PM_LargeIconSize);
    button->setIconSize(QSize(size, size));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
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

MainWindowView::MainWindowView(ui::MainWindow& logic, TotalsWindowView& totals,
                               ui::DesignDocument& document)
    : logic_(logic), totals_(totals), subscription_(document.Subscribe(*this)) {
    setObjectName(QStringLiteral("MainWindow"));
    auto* design_options = new QGroupBox(this);
    design_options->setObjectName(QStringLiteral("DesignOptions"));
    auto* post_design_options = new QGroupBox(this);
    post_design_options->setObjectName(QStringLiteral("PostDesignOptions"));

    const auto add_frame = [this](QGroupBox* frame, const auto& placed_buttons) {
        auto* rows = new QVBoxLayout(frame);
        for (const Placed& placed : placed_buttons) {
            QToolButton* button = NewPictureButton(frame, placed.picture);
            button->setObjectName(QString::fromLatin1(placed.name));
            rows->addWidget(button, 0, Qt::AlignLeft);
            const ui::MainWindowCommand command = placed.command;
            connect(button, &QToolButton::clicked, this, [this, command] { Run(command); });
            buttons_[static_cast<std::size_t>(command)] = button;
        }
        rows->addStretch(1);
        rows->setSpacing(2);
    };
    add_frame(design_options, DesignOptions());
    AddDesignerButton(*design_options);
    add_frame(post_design_options, kPostDesignOptions);
    design_options->setTitle(QtText(logic_.design_options.caption));
    post_design_options->setTitle(QtText(logic_.post_design_options.caption));

    auto* frames = new QHBoxLayout;
    frames->addWidget(design_options);
    frames->addWidget(post_design_options);
    auto* bottom = new QHBoxLayout;
    for (const Placed& placed : kPlainButtons) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(placed.name));
        button->setIcon(QIcon::fromTheme(QString::fromLatin1(placed.picture.theme_name)));
        const ui::MainWindowCommand command = placed.command;
        connect(button, &QPushButton::clicked, this, [this, command] { Run(command); });
        buttons_[static_cast<std::size_t>(command)] = button;
        if (command == ui::MainWindowCommand::About) {
            bottom->addStretch();
        }
        bottom->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NewTitlePanel(this));
    layout->addLayout(frames, 1);
    layout->addLayout(bottom);

    setAcceptDrops(true);
    logic_.SetLateRequestHandler([this](ui::MainWindowRequest request) { Carry(request); });
    for (const ui::Shortcut& shortcut : ui::kMainWindowShortcuts) {
        const ui::MainWindowCommand command = shortcut.command;
        auto* key = new QShortcut(KeysOf(shortcut), this);
        connect(key, &QShortcut::activated, this, [this, command] { Run(command); });
    }
    Refresh();
    FitPicturesToScreen();
}

// The designer's button goes under the section editors' buttons, before the
// design's commands; it is no command of the described window, so it has its
// key (Ctrl+D) and no letter of its own.
void MainWindowView::AddDesignerButton(QGroupBox& frame) {
    auto* rows = static_cast<QVBoxLayout*>(frame.layout());
    auto* button = NewPictureButton(&frame, {"window-new", QStyle::SP_TitleBarMaxButton});
    button->setObjectName(QStringLiteral("Designer"));
    const QKeySequence keys(QStringLiteral("Ctrl+D"));
    button->setText(QStringLiteral("Designer"));
    button->setToolTip(QStringLiteral("Design the ship in one window (") +
                       keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    rows->insertWidget(static_cast<int>(ui::kSectionCount), button, 0, Qt::AlignLeft);
    connect(button, &QToolButton::clicked, this, [this] { emit designerRequested(); });
    auto* key = new QShortcut(keys, this);
    connect(key, &QShortcut::activated, this, [this] { emit designerRequested(); });
    designer_ = button;
}

// A screen too low for the window with its large pictures (a small screen at
// a large scale) gets it with small ones.
void MainWindowView::FitPicturesToScreen() {
    const int title_bar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    if (sizeHint().height() + title_bar <= AvailableScreenArea().height()) {
        return;
    }
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    std::vector<QAbstractButton*> buttons(buttons_.begin(), buttons_.end());
    buttons.push_back(designer_);
    for (QAbstractButton* button : buttons) {
        if (auto* picture = qobject_cast<QToolButton*>(button)) {
            picture->setIconSize(QSize(size, size));
            picture->parentWidget()->updateGeometry();  // the frame's height, once shown
        }
    }
}

QAbstractButton* MainWindowView::Button(ui::MainWindowCommand command) const {
    return buttons_[static_cast<std::size_t>(command)];
}

void MainWindowView::Refresh() {
    setWindowTitle(QtText(logic_.Caption()));
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const auto command = static_cast<ui::MainWindowCommand>(i);
        QAbstractButton* button = buttons_[i];
        ShowButton(*button, logic_.ButtonOf(command));
        const QString tooltip = QtText(logic_.ToolTipOf(command));
        const QString shortcuts = ShortcutsOf(command);
        button->setToolTip(shortcuts.isEmpty()
                               ? tooltip
                               : tooltip + QStringLiteral(" (") + shortcuts + QLatin1Char(')'));
    }
}

void MainWindowView::Run(ui::MainWindowCommand command) {
    Carry(logic_.Click(command));
}

void MainWindowView::Carry(ui::MainWindowRequest request) {
    switch (request.kind) {
        case ui::MainWindowRequest::None:
            break;
        case ui::MainWindowRequest::OpenSectionEditor:
            emit sectionEditorRequested(request.section);
            break;
        case ui::MainWindowRequest::ShowTextWindow:
            emit textWindowRequested();  // modal: it is closed when this returns
            logic_.TextWindowClosed();
            break;
        case ui::MainWindowRequest::ShowBatchWindow:
            emit batchWindowRequested();
            break;
        case ui::MainWindowRequest::ShowAbout:
            emit aboutRequested();
            break;
        case ui::MainWindowRequest::ShowCompareWindow:
            emit compareWindowRequested();
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
    if (request != ui::MainWindowRequest::Quit) {
        event->ignore();
        return;
    }
    event->accept();
    emit quitRequested();
}

namespace {

// The one local file a drop carries, if it is a design file.
std::optional<QString> DroppedDesignFile(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = data->urls().front().toLocalFile();
    if (!path.endsWith(QStringLiteral(".k2d"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

void MainWindowView::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedDesignFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindowView::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = DroppedDesignFile(event->mimeData());
    if (!path) {
        return;
    }
    event->acceptProposedAction();
    logic_.LoadDroppedFile(NativePath(*path));
}

}  // namespace korvane::gui
