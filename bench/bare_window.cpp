// The baseline: a bare Qt window of the main window's size, quitting on its first frame.
// With --text it also shows one line of Cyrillic text, which is what every window with text
// pays on top: starting the font configuration and loading one face.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.resize(654, 416);
    if (qapp.arguments().contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("Период полного выведения алкоголя"), &window))->move(10, 10);
    new FirstPaint(&window);
    window.show();
    const int rc = qapp.exec();
    FirstPaint::reportPeakMemory();
    return rc;
}
