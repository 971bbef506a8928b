// The baseline: a bare Qt window of the main window's size, quitting on its first frame.
#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.resize(654, 416);
    new FirstPaint(&window);
    window.show();
    const int rc = qapp.exec();
    FirstPaint::reportPeakMemory();
    return rc;
}
