#include "gui/control_binding.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPalette>

#include "engine/status_summary.h"
#include "gui/qt_text.h"

namespace korvane::gui {

void ShowLabel(QLabel& widget, const ui::Label& label) {
    widget.setTextFormat(Qt::PlainText);
    widget.setText(QtText(label.caption));
    QPalette palette;  // no colour of its own: the window's
    if (label.colour != kColourBlack) {
        palette.setColor(QPalette::WindowText, TextColour(label.colour));
    }
    widget.setPalette(palette);
    widget.setVisible(label.visible);
}

void ShowButton(QAbstractButton& widget, const ui::Button& button) {
    widget.setText(QtText(button.caption));
    widget.setEnabled(button.enabled);
    widget.setVisible(button.visible);
}

}  // namespace korvane::gui
