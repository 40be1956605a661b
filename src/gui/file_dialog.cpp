#include "gui/file_dialog.h"

#include <QFileDialog>
#include <QStringList>

#include "gui/qt_text.h"

namespace korvane::gui {

QString CaseInsensitivePattern(const QString& pattern) {
    QString matched;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            matched += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            matched += c;
        }
    }
    return matched;
}

std::optional<std::string> AskForFile(const FileDialogRequest& request, FileDialogKind kind,
                                      QWidget* parent) {
    QFileDialog dialog(parent, QtText(request.title));
    // The platform's own dialog may read patterns case-sensitively.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                      : QFileDialog::AcceptOpen);
    dialog.setFileMode(kind == FileDialogKind::Save ? QFileDialog::AnyFile
                                                    : QFileDialog::ExistingFile);
    const QString pattern = QtText(request.pattern);
    dialog.setNameFilters({QtText(request.filter_description) + QStringLiteral(" (") +
                               CaseInsensitivePattern(pattern) + QLatin1Char(')'),
                           QStringLiteral("All files (*)")});
    if (kind == FileDialogKind::Save && pattern.startsWith(QStringLiteral("*.")) &&
        !pattern.mid(2).contains(QLatin1Char('*'))) {
        dialog.setDefaultSuffix(pattern.mid(2));
    }
    if (!request.initial_folder.empty()) {
        dialog.setDirectory(QtPath(request.initial_folder));
    }
    const QString name = QtPath(request.initial_name);
    if (!name.isEmpty() && !name.contains(QLatin1Char('*'))) {
        dialog.selectFile(name);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return NativePath(dialog.selectedFiles().constFirst());
}

}  // namespace korvane::gui
