// The baseline: a bare Qt window of the main window's size, quitting on its first frame.
// With --text it also shows one line of Cyrillic text, which is what every window with text
// pays on top: starting the font configuration and loading one face. The face is the
// program's own, set as the program sets it (the application font, taken from the installed
// faces), so both load the same font.
#include "firstpaint.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const bool text = qapp.arguments().contains(QStringLiteral("--text"));
    if (text) {
        const QString liberation = QStringLiteral("Liberation Sans");
        QFont font(QFontDatabase::families().contains(liberation) ? liberation
                                                                  : QStringLiteral("Sans Serif"));
        font.setPixelSize(11);
        font.setStyleStrategy(QFont::PreferAntialias);
        QApplication::setFont(font);
    }
    QWidget window;
    window.resize(654, 416);
    if (text)
        (new QLabel(QStringLiteral("Период полного выведения алкоголя"), &window))->move(10, 10);
    new FirstPaint(&window);
    window.show();
    const int rc = qapp.exec();
    FirstPaint::reportPeakMemory();
    return rc;
}
