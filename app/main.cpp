// Promille: wires the real services and starts the program.
#include "app/application.h"
#include "app/desktopshell.h"
#include "app/qtclock.h"
#include "app/qtdialogs.h"
#include "app/services.h"
#include "settings/settingslocation.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("promille"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    QtClock clock;
    QtDialogs dialogs(clock);
    DesktopShell shell;
    Services services{clock, dialogs, shell, QCoreApplication::applicationDirPath(),
                      defaultUserConfigHome()};

    Application app(services);
    QObject::connect(&app, &Application::ended, &qapp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    app.start();
    return qapp.exec();
}
