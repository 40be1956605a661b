// The baseline of the start-up benchmark: a Qt Widgets program that shows one
// window with a label and, like `korvane` under KORVANE_EXIT_WHEN_SHOWN=1,
// ends as soon as the window has been shown.

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.show();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
