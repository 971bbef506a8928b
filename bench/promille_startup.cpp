// The program as it starts for a user, quitting on the main window's first frame.
#include "firstpaint.h"

#include "app/application.h"
#include "app/desktopshell.h"
#include "app/qtclock.h"
#include "app/qtdialogs.h"
#include "app/services.h"
#include "settings/settingslocation.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QtClock clock;
    QtDialogs dialogs(clock);
    DesktopShell shell;
    Services services{clock, dialogs, shell, QCoreApplication::applicationDirPath(),
                      defaultUserConfigHome()};
    Application app(services);
    app.start();
    new FirstPaint(app.windows().existing(QStringLiteral("Form1")));
    const int rc = qapp.exec();
    FirstPaint::reportPeakMemory();
    return rc;
}
