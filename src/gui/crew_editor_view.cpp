#include "gui/crew_editor_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/list_pair_frame.h"
#include "gui/list_panel_tools.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"

namespace korvane::gui {

namespace {

// The value lines are laid out in columns of characters.
QLabel* NewLineLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return label;
}

}  // namespace

CrewEditorView::CrewEditorView(ui::CrewEditor& logic, EditorPlace place)
    : QWidget(nullptr, place == EditorPlace::Window ? Qt::Window : Qt::Widget),
      logic_(logic),
      place_(place),
      accommodation_(new ListPairFrame(logic.accommodation, this)) {
    if (place_ == EditorPlace::Panel) {
        logic_.SetCommitPolicy(ui::CommitPolicy::Immediate);
    }
    setObjectName(QStringLiteral("CrewEditor"));
    setWindowTitle(QtText(logic_.Caption));
    accommodation_->setObjectName(QStringLiteral("Accommodation"));
    QObject::connect(accommodation_, &ListPairFrame::handled, this,
                     [this] { accommodation_->Refresh(); });

    auto* right = new QVBoxLayout;
    right->addWidget(accommodation_, 1);
    if (place_ == EditorPlace::Panel) {
        accommodation_tools_ = new ListPanelTools(logic_.accommodation, this);
        right->addWidget(accommodation_tools_);
        connect(accommodation_tools_, &ListPanelTools::handled, this, [this] { Refresh(); });
        connect(accommodation_, &ListPairFrame::handled, accommodation_tools_,
                &ListPanelTools::Refresh);
    }
    right->addWidget(NewEnvironmentFrame());
    QScrollArea* scroll = NewScreenSizedScrollArea(this);
    auto* frames = new QHBoxLayout(scroll->widget());
    frames->setContentsMargins(QMargins());
    frames->addWidget(NewCrewFrame());
    frames->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    if (place_ == EditorPlace::Window) {
        auto* done = new QPushButton(this);
        done->setObjectName(QStringLiteral("Done"));
        bindings_.Bind(*done, logic_.done, [this] { Done(); });
        layout->addWidget(done, 0, Qt::AlignRight);
    }
    Refresh();
}

QWidget* CrewEditorView::NewCrewFrame() {
    auto* frame = new QGroupBox(QtText(logic_.crew_frame.caption), this);
    frame->setObjectName(QStringLiteral("CrewFrame"));
    auto* grid = new QGridLayout(frame);
    auto* heading = NewLineLabel(frame, QStringLiteral("Heading"));
    bindings_.Bind(*heading, logic_.heading);
    grid->addWidget(heading, 0, 1);
    for (int position = 1; position <= ui::kCrewPositions; ++position) {
        auto* button = new QPushButton(frame);
        button->setObjectName(QStringLiteral("Position%1").arg(position));
        bindings_.Bind(*button, logic_.positions[position],
                       [this, position] { logic_.SetPosition(position); });
        auto* value = NewLineLabel(frame, QStringLiteral("Value%1").arg(position));
        bindings_.Bind(*value, logic_.values[position]);
        grid->addWidget(button, position, 0);
        grid->addWidget(value, position, 1);
    }
    auto* total = NewLineLabel(frame, QStringLiteral("Total"));
    bindings_.Bind(*total, logic_.total);
    grid->addWidget(total, ui::kCrewPositions + 1, 1);
    auto* accept_defaults = new QPushButton(frame);
    accept_defaults->setObjectName(QStringLiteral("AcceptDefaults"));
    bindings_.Bind(*accept_defaults, logic_.accept_defaults, [this] { logic_.AcceptDefaults(); });
    grid->addWidget(accept_defaults, ui::kCrewPositions + 2, 0, 1, 2);
    grid->setRowStretch(ui::kCrewPositions + 3, 1);
    return frame;
}

QWidget* CrewEditorView::NewEnvironmentFrame() {
    auto* frame = new QGroupBox(QtText(logic_.environment_frame.caption), this);
    frame->setObjectName(QStringLiteral("EnvironmentFrame"));
    auto* grid = new QGridLayout(frame);
    const auto edited = [this] { logic_.EnvironmentEdited(); };
    int row = 0;
    for (auto [box, name] : {std::pair{&logic_.heat_and_light, "HeatAndLight"},
                             std::pair{&logic_.air_and_water, "AirAndWater"},
                             std::pair{&logic_.food_and_recycling, "FoodAndRecycling"},
                             std::pair{&logic_.grav_plates, "GravPlates"},
                             std::pair{&logic_.inertial_compensation, "InertialCompensation"}}) {
        auto* check = new QCheckBox(QtText(box->caption), frame);
        check->setObjectName(QString::fromLatin1(name));
        bindings_.Bind(*check, *box, edited);
        grid->addWidget(check, row / 2, row % 2);
        ++row;
    }
    auto* airlocks_caption = new QLabel(QtText(logic_.airlocks_caption.caption), frame);
    auto* airlocks = new QLineEdit(frame);
    airlocks->setObjectName(QStringLiteral("Airlocks"));
    airlocks_caption->setBuddy(airlocks);
    bindings_.Bind(*airlocks, logic_.airlocks, edited);
    if (place_ == EditorPlace::Panel) {
        connect(airlocks, &QLineEdit::editingFinished, this,
                [this] { logic_.Commit(logic_.airlocks); });
    }
    auto* airlocks_row = new QHBoxLayout;
    airlocks_row->addWidget(airlocks_caption);
    airlocks_row->addWidget(airlocks);
    grid->addLayout(airlocks_row, row / 2, row % 2);
    return frame;
}

void CrewEditorView::Open() {
    ShowInPanel();
    show();
    raise();
    activateWindow();
}

void CrewEditorView::ShowInPanel() {
    logic_.Fill();
    Refresh();
}

void CrewEditorView::Refresh() {
    bindings_.Show();
    accommodation_->Refresh();
    if (accommodation_tools_) {
        accommodation_tools_->Refresh();
    }
}

void CrewEditorView::Done() {
    hide();
    logic_.Done();
    emit done();
}

void CrewEditorView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible()) {
        emit minimisedChanged(isMinimized());
    }
}

// The close box is "Done".
void CrewEditorView::closeEvent(QCloseEvent* event) {
    event->accept();
    logic_.Done();
    emit done();
}

void CrewEditorView::keyPressEvent(QKeyEvent* event) {
    if (place_ == EditorPlace::Panel) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            Done();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace korvane::gui
