#include "gui/qt_text.h"

#include <QFile>
#include <QWidget>

#include <cmath>

#include "model/cp1252.h"
#include "ui/controls.h"

namespace korvane::gui {

namespace {

constexpr double kTwipsPerInch = 1440;

}  // namespace

QString QtText(std::string_view cp1252) {
    QString text = QString::fromStdString(Utf8FromCp1252(cp1252));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string Cp1252Text(const QString& text) {
    QString windows_text = text;
    windows_text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    windows_text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    windows_text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return Cp1252FromUtf8(windows_text.toStdString());
}

QString LabelText(std::string_view caption) {
    return QtText(ui::DisplayText(caption));
}

QString PlainToolTip(const QString& text) {
    if (text.isEmpty()) {
        return text;
    }
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

QString LiteralButtonText(const QString& text) {
    QString literal = text;
    return literal.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString QtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QColor QtColour(int rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QColor TextColour(int rgb) {
    const QColor colour = QtColour(rgb);
    return QColor(colour.red() * 2 / 3, colour.green() * 2 / 3, colour.blue() * 2 / 3);
}

int PixelsFromTwips(int twips, const QWidget& widget) {
    return static_cast<int>(std::lround(twips * widget.logicalDpiX() / kTwipsPerInch));
}

}  // namespace korvane::gui
