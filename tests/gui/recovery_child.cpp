// The desktop program for the recovery tests, built as `korvane` builds it,
// which changes its design through the hull editor's own controls and then
// runs until it is killed: the ship's name at once, and the displacement a
// moment later, when the first copy has been written; each accepted with Enter.
// Usage: korvane_recovery_child SHIP_NAME TONS [DESIGN_FILE]

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "gui/hull_editor_view.h"
#include "gui/korvane_program.h"
#include "gui/main_window_view.h"
#include "gui/section_editor_host.h"

namespace {

void Accept(korvane::gui::KorvaneProgram& program, const char* box_name, const char* text) {
    program.MainWindow().Button(korvane::ui::MainWindowCommand::Hull)->click();
    auto* box = program.SectionEditors().HullEditor().findChild<QLineEdit*>(box_name);
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(text));
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        return 2;
    }
    korvane::gui::KorvaneProgram program;
    if (!program.Start(std::vector<std::string>(argv + 3, argv + argc))) {
        return 1;
    }
    Accept(program, "description", argv[1]);
    QTimer::singleShot(200, &application,
                       [&program, tons = argv[2]] { Accept(program, "displacement", tons); });
    return QApplication::exec();
}
