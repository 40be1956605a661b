#pragma once

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

class QWidget;

namespace korvane::gui {

// The program's texts are Windows-1252 bytes; widgets speak QString. Line
// breaks inside a text (carriage return + line feed) become "\n" on the way in
// and go back as carriage return + line feed on the way out.
QString QtText(std::string_view cp1252);
std::string Cp1252Text(const QString& text);

// A caption as a plain label shows it, without access-key marks ("Hull &&
// basic data" reads "Hull & basic data"). Buttons, frames and labels that
// are a button's buddy take the caption as it stands: Qt reads "&" and "&&"
// there the same way.
QString LabelText(std::string_view caption);

// A tooltip that shows its text as it stands, line breaks included, even
// when the text looks like markup.
QString PlainToolTip(const QString& text);

// A text as a button shows it: "&" is no access-key mark.
QString LiteralButtonText(const QString& text);

// Paths are the platform's bytes, not Windows-1252.
QString QtPath(const std::string& path);
std::string NativePath(const QString& path);

// A colour as the window logic gives it, RGB in one number (255 red, 65280
// green), and the shade of it that text is written in: two thirds as bright,
// so that green stays readable on a light window.
QColor QtColour(int rgb);
QColor TextColour(int rgb);

// A length in twips (1/1440 inch) in pixels at the widget's screen resolution.
int PixelsFromTwips(int twips, const QWidget& widget);

}  // namespace korvane::gui
