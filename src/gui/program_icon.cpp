#include "gui/program_icon.h"

#include <QDirIterator>

namespace korvane::gui {

QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/program-icon"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    return icon;
}

}  // namespace korvane::gui
