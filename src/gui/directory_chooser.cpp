#include "gui/directory_chooser.h"

#include <QFileDialog>

#include "gui/qt_text.h"

namespace korvane::gui {

std::optional<std::string> ChooseDirectory(ui::FolderChooser& logic, const std::string& start,
                                           QWidget* parent) {
    logic.Load(start);
    QFileDialog dialog(parent, QtText(logic.Caption));
    dialog.setObjectName(QStringLiteral("FolderChooser"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setDirectory(QtPath(logic.Directory));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        logic.ChangeDirectory(NativePath(dialog.selectedFiles().constFirst()));
        logic.Ok();
    } else {
        logic.Cancel();
    }
    return logic.Result();
}

}  // namespace korvane::gui
