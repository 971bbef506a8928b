// Promille: wires the real services and starts the program.
#include "app/application.h"
#include "app/readypicture.h"
#include "app/realservices.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("promille"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Ties the windows to the installed desktop entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(PROMILLE_APP_ID));

    RealServices services;
    Application app(services.services());
    // The pictures are registered by Application, so the icon is read after it.
    QApplication::setWindowIcon(
        QIcon(readypicture::pixmap(QStringLiteral(":/chrome/promille.png"))));
    QObject::connect(&app, &Application::ended, &qapp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    app.start();
    return qapp.exec();
}
