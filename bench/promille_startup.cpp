// The program as it starts for a user, quitting on the main window's first frame.
#include "firstpaint.h"

#include "app/application.h"
#include "app/realservices.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    RealServices services;
    Application app(services.services());
    app.start();
    new FirstPaint(app.windows().existing(QStringLiteral("Form1")));
    const int rc = qapp.exec();
    FirstPaint::reportPeakMemory();
    return rc;
}
