#pragma once

#include <QIcon>

namespace korvane::gui {

// The program's own icon in every size made of its drawing, for its windows.
QIcon ProgramIcon();

}  // namespace korvane::gui
