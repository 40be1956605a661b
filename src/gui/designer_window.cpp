#include "gui/designer_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <string>

#include "gui/designer_outline_view.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"
#include "gui/totals_window_view.h"
#include "model/cp1252.h"
#include "ui/designer_start.h"

namespace korvane::gui {

using ui::EditorId;
using ui::MainWindowCommand;

namespace {

// Below this width the totals go under the editor.
constexpr int kWideEnough = 1200;
constexpr int kProblemRole = Qt::UserRole;

QString FileNameOf(const std::string& path) {
    const QString whole = QtPath(path);
    return whole.mid(whole.lastIndexOf(QLatin1Char('/')) + 1);
}

QString CaptionOf(EditorId id) {
    const std::string_view caption = ui::EntryOf(id).caption;
    return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

QLabel* NewHeading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

}  // namespace

DesignerWindow::DesignerWindow(Session& session, ui::DesignDocument& document, Prompter& prompter,
                               ui::MainWindow& commands, ConfigurationPlaces places,
                               std::function<void(MainWindowCommand)> run)
    : session_(session),
      document_(document),
      prompter_(prompter),
      commands_(commands),
      places_(std::move(places)),
      run_(std::move(run)),
      totals_logic_(document) {
    setObjectName(QStringLiteral("Designer"));

    outline_ = new DesignerOutlineView(this);
    connect(outline_, &DesignerOutlineView::editorChosen, this, &DesignerWindow::Choose);

    auto* editor_area = new QWidget(this);
    heading_ = NewHeading({}, editor_area);
    heading_->setObjectName(QStringLiteral("SectionHeading"));
    revert_ = new QPushButton(QStringLiteral("&Revert section"), editor_area);
    revert_->setObjectName(QStringLiteral("RevertSection"));
    revert_->setToolTip(QStringLiteral("Undo every change made since this section was chosen"));
    connect(revert_, &QPushButton::clicked, this, &DesignerWindow::RevertSection);
    pages_ = new QStackedWidget(editor_area);
    pages_->setObjectName(QStringLiteral("EditorPanel"));
    auto* heading_row = new QHBoxLayout;
    heading_row->addWidget(heading_, 1);
    heading_row->addWidget(revert_);
    auto* editor_layout = new QVBoxLayout(editor_area);
    editor_layout->addLayout(heading_row);
    editor_layout->addWidget(pages_, 1);

    totals_logic_.ToggleBreakdown();
    totals_ = std::make_unique<TotalsWindowView>(totals_logic_, session_.design, prompter_,
                                                 EditorPlace::Panel);
    auto* summary = new QWidget(this);
    summary->setObjectName(QStringLiteral("Summary"));
    problems_ = NewLinkList("Problems", summary);
    advice_ = NewLinkList("Advice", summary);
    auto* problems_heading = NewHeading(QStringLiteral("&Problems"), summary);
    problems_heading->setBuddy(problems_);
    auto* advice_heading = NewHeading(QStringLiteral("A&dvice"), summary);
    advice_heading->setBuddy(advice_);
    auto* summary_layout = new QVBoxLayout(summary);
    summary_layout->setContentsMargins(QMargins());
    summary_layout->addWidget(totals_.get());
    summary_layout->addWidget(problems_heading);
    summary_layout->addWidget(problems_, 1);
    summary_layout->addWidget(advice_heading);
    summary_layout->addWidget(advice_, 1);

    work_ = new QSplitter(Qt::Horizontal, this);
    work_->addWidget(editor_area);
    work_->addWidget(summary);
    work_->setStretchFactor(0, 1);
    work_->setChildrenCollapsible(false);
    auto* whole = new QSplitter(Qt::Horizontal, this);
    whole->addWidget(outline_);
    whole->addWidget(work_);
    whole->setStretchFactor(1, 1);
    whole->setChildrenCollapsible(false);
    setCentralWidget(whole);

    last_step_ = new QLabel(this);
    last_step_->setObjectName(QStringLiteral("LastStep"));
    saved_state_ = new QLabel(this);
    saved_state_->setObjectName(QStringLiteral("SavedState"));
    statusBar()->addWidget(last_step_, 1);
    statusBar()->addPermanentWidget(saved_state_);

    AddFileMenu();
    AddEditMenu();
    AddViewMenu();
    AddHelpMenu();

    const QRect screen = AvailableScreenArea();
    resize(std::min(1600, screen.width() * 9 / 10), std::min(1000, screen.height() * 9 / 10));
    Choose(EditorId::Hull);
    Refresh();
}

DesignerWindow::~DesignerWindow() = default;

QListWidget* DesignerWindow::NewLinkList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString::fromLatin1(name));
    list->setWordWrap(true);
    list->setToolTip(QStringLiteral("Activate a line to open its section"));
    const auto choose = [this](QListWidgetItem* item) {
        Choose(static_cast<EditorId>(item->data(kProblemRole).toInt()));
    };
    connect(list, &QListWidget::itemActivated, this, choose);
    connect(list, &QListWidget::itemClicked, this, choose);
    return list;
}

void DesignerWindow::ShowLinks(QListWidget& list, const std::vector<ui::SectionLink>& links,
                               const QIcon& icon) {
    list.clear();
    for (const ui::SectionLink& link : links) {
        auto* item = new QListWidgetItem(
            icon, CaptionOf(link.editor) + QStringLiteral(": ") + QtText(link.text), &list);
        item->setData(kProblemRole, static_cast<int>(link.editor));
    }
}

void DesignerWindow::AddFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* new_design = file->addAction(QStringLiteral("&New"));
    new_design->setShortcut(QKeySequence::New);
    connect(new_design, &QAction::triggered, this, [this] { commands_.NewDesignCommand(); });
    AddCommand(*file, QStringLiteral("&Open..."), MainWindowCommand::LoadDesign,
               QKeySequence::Open);
    QMenu* recent = file->addMenu(QStringLiteral("Open &Recent"));
    recent->setObjectName(QStringLiteral("OpenRecent"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { FillRecentMenu(*recent); });
    file->addSeparator();
    AddCommand(*file, QStringLiteral("&Save"), MainWindowCommand::FastResave, QKeySequence::Save);
    AddCommand(*file, QStringLiteral("Save &As..."), MainWindowCommand::SaveAs,
               QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    file->addSeparator();
    AddCommand(*file, QStringLiteral("&Compare with..."), MainWindowCommand::CompareWith);
    AddCommand(*file, QStringLiteral("&Print..."), MainWindowCommand::PoshPrint,
               QKeySequence::Print);
    AddCommand(*file, QStringLiteral("&Batch resave..."), MainWindowCommand::BulkSave);
    file->addSeparator();
    AddCommand(*file, QStringLiteral("E&xit"), MainWindowCommand::Exit,
               QKeySequence(QStringLiteral("Ctrl+Q")));
}

QAction* DesignerWindow::AddCommand(QMenu& menu, const QString& text, MainWindowCommand command,
                                    const QKeySequence& keys) {
    QAction* action = menu.addAction(text);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, [this, command] { run_(command); });
    return action;
}

void DesignerWindow::FillRecentMenu(QMenu& menu) {
    menu.clear();
    const std::vector<std::string> files = commands_.RecentFiles();
    for (const std::string& path : files) {
        QAction* action = menu.addAction(QtPath(path));
        connect(action, &QAction::triggered, this,
                [this, path] { commands_.LoadDroppedFile(path); });
    }
    if (files.empty()) {
        menu.addAction(QStringLiteral("No design loaded or saved yet"))->setEnabled(false);
    }
}

void DesignerWindow::AddEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    undo_ = edit->addAction(QIcon::fromTheme(QStringLiteral("edit-undo")), QStringLiteral("&Undo"));
    undo_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    connect(undo_, &QAction::triggered, this, [this] { document_.Undo(); });
    redo_ = edit->addAction(QIcon::fromTheme(QStringLiteral("edit-redo")), QStringLiteral("&Redo"));
    redo_->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    connect(redo_, &QAction::triggered, this, [this] { document_.Redo(); });
    edit->addSeparator();
    revert_action_ = edit->addAction(QStringLiteral("Re&vert section"));
    connect(revert_action_, &QAction::triggered, this, &DesignerWindow::RevertSection);
}

void DesignerWindow::AddViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* classic = view->addAction(QStringLiteral("&Classic windows"));
    classic->setObjectName(QStringLiteral("ClassicWindows"));
    connect(classic, &QAction::triggered, this, [this] { emit classicWindowsRequested(); });

    QAction* breakdown = view->addAction(QStringLiteral("&Breakdown"));
    breakdown->setCheckable(true);
    breakdown->setChecked(totals_logic_.breakdown_shown);
    connect(breakdown, &QAction::toggled, this, [this] {
        totals_logic_.ToggleBreakdown();
        totals_->Refresh();
    });

    QMenu* shares = view->addMenu(QStringLiteral("&Shares in the outline"));
    auto* quantities = new QActionGroup(this);
    for (const auto& [quantity, text] : {std::pair{BreakdownQuantity::Volume, "&Volume"},
                                         std::pair{BreakdownQuantity::Power, "&Power"},
                                         std::pair{BreakdownQuantity::Cost, "&Cost"}}) {
        QAction* share = shares->addAction(QString::fromLatin1(text));
        share->setCheckable(true);
        share->setChecked(quantity == quantity_);
        quantities->addAction(share);
        connect(share, &QAction::triggered, this, [this, quantity] {
            quantity_ = quantity;
            outline_->ShowDesign(session_.design, quantity_);
        });
    }

    view->addSeparator();
    QAction* at_start = view->addAction(QStringLiteral("&Open the designer at start"));
    at_start->setObjectName(QStringLiteral("DesignerAtStart"));
    at_start->setCheckable(true);
    at_start->setChecked(ui::DesignerAtStart(places_));
    connect(at_start, &QAction::toggled, this, [this, at_start](bool on) {
        if (const Status kept = ui::SetDesignerAtStart(places_, on); !kept) {
            prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(kept.message()), MessageIcon::Warning);
            const QSignalBlocker quiet(at_start);
            at_start->setChecked(!on);
        }
    });
}

void DesignerWindow::AddHelpMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* manual = help->addAction(QStringLiteral("&Manual"));
    manual->setShortcut(QKeySequence::HelpContents);
    connect(manual, &QAction::triggered, this, &DesignerWindow::ShowManual);
    QAction* about = help->addAction(QStringLiteral("&About"));
    connect(about, &QAction::triggered, this, [this] { emit aboutRequested(); });
}

// The README, which the program carries, says how the program is used.
void DesignerWindow::ShowManual() {
    QDialog manual(this);
    manual.setWindowTitle(QStringLiteral("Korvane Manual"));
    auto* text = new QTextBrowser(&manual);
    text->setObjectName(QStringLiteral("Manual"));
    text->setOpenExternalLinks(true);
    QFile readme(QStringLiteral(":/manual/README.md"));
    if (readme.open(QIODevice::ReadOnly)) {
        text->setMarkdown(QString::fromUtf8(readme.readAll()));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &manual);
    connect(buttons, &QDialogButtonBox::rejected, &manual, &QDialog::reject);
    auto* layout = new QVBoxLayout(&manual);
    layout->addWidget(text);
    layout->addWidget(buttons);
    manual.resize(size() * 3 / 4);
    manual.exec();
}

EditorInstance& DesignerWindow::Made(EditorId id) {
    std::unique_ptr<EditorInstance>& editor = editors_[static_cast<std::size_t>(id)];
    if (!editor) {
        editor = MakeEditor(id, session_, document_, prompter_, EditorPlace::Panel);
        editor->closed = [] {};
        editor->minimised = [](bool) {};
        editor->leads_on = [this](EditorId next) { Choose(next); };
        auto* page = new QScrollArea(pages_);
        page->setObjectName(QString::fromLatin1(ui::EntryOf(id).name.data()) +
                            QStringLiteral("Page"));
        page->setWidgetResizable(true);
        page->setFrameShape(QFrame::NoFrame);
        page->setWidget(&editor->View());
        pages_->addWidget(page);
        pages_of_[static_cast<std::size_t>(id)] = page;
    }
    return *editor;
}

QWidget& DesignerWindow::Panel(EditorId id) {
    return Made(id).View();
}

void DesignerWindow::Choose(EditorId id) {
    EditorInstance& editor = Made(id);
    chosen_ = id;
    chosen_at_ = document_.Position();
    editor.FillPanel();
    pages_->setCurrentWidget(pages_of_[static_cast<std::size_t>(id)]);
    heading_->setText(CaptionOf(id));
    outline_->Select(id);
    Refresh();
}

void DesignerWindow::RevertSection() {
    document_.UndoTo(chosen_at_);
}

void DesignerWindow::Refresh() {
    const QString changed = document_.HasUnsavedChanges() ? QStringLiteral("*") : QString();
    const QString name =
        document_.Path().empty() ? QStringLiteral("Untitled") : FileNameOf(document_.Path());
    setWindowTitle(name + changed + QStringLiteral(" \u2014 Korvane Designer"));

    outline_->ShowDesign(session_.design, quantity_);
    ShowLinks(*problems_, ui::ProblemLinks(session_.design),
              style()->standardIcon(QStyle::SP_MessageBoxWarning));
    ShowLinks(*advice_, ui::AdviceLinks(session_.design),
              style()->standardIcon(QStyle::SP_MessageBoxInformation));

    const std::optional<std::string> undo = document_.UndoStep();
    const std::optional<std::string> redo = document_.RedoStep();
    undo_->setEnabled(undo.has_value());
    undo_->setText(undo ? QStringLiteral("&Undo ") + QtText(*undo) : QStringLiteral("&Undo"));
    redo_->setEnabled(redo.has_value());
    redo_->setText(redo ? QStringLiteral("&Redo ") + QtText(*redo) : QStringLiteral("&Redo"));
    const bool revertible = document_.Position() != chosen_at_;
    revert_->setEnabled(revertible);
    revert_action_->setEnabled(revertible);
    last_step_->setText(undo ? QtText(*undo) + QStringLiteral(" \u2014 Undo (") +
                                   undo_->shortcut().toString(QKeySequence::NativeText) +
                                   QLatin1Char(')')
                             : QString());
    saved_state_->setText(document_.HasUnsavedChanges() ? QStringLiteral("Unsaved changes")
                                                        : QStringLiteral("Saved"));
}

// Closing the designer ends the program as "Exit" does, with its question.
void DesignerWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    run_(MainWindowCommand::Exit);
}

void DesignerWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitToWidth();
}

void DesignerWindow::FitToWidth() {
    const Qt::Orientation wanted = width() >= kWideEnough ? Qt::Horizontal : Qt::Vertical;
    if (work_->orientation() != wanted) {
        work_->setOrientation(wanted);
    }
}

}  // namespace korvane::gui
