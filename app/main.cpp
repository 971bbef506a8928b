// Promille: wires the real services and starts the program.
#include "app/application.h"
#include "app/realservices.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("promille"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    RealServices services;
    Application app(services.services());
    QObject::connect(&app, &Application::ended, &qapp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    app.start();
    return qapp.exec();
}
