#pragma once

#include "ui/controls.h"

class QAbstractButton;
class QLabel;

namespace korvane::gui {

// Copies a control of the window logic to its widget: the caption, the
// colour (black is the style's own text colour), enabled and visible. A
// label's caption is shown as it stands, since labels carry the design's
// texts (a ship named "Harrow & Vane" keeps its "&"); a button's "&" marks its
// access key.
void ShowLabel(QLabel& widget, const ui::Label& label);
void ShowButton(QAbstractButton& widget, const ui::Button& button);

}  // namespace korvane::gui
