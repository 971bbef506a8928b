// CPU time of a program that sits open for a while, as a share of one core.
// Usage: promille_idle_bench bare|main|behind-calculator [seconds]
//   bare               a bare Qt window, the baseline
//   main               the program at rest: the main window and its endless still life
//   behind-calculator  the calculator open, the main window hidden (its still life goes on)
#include "firstpaint.h"

#include "app/application.h"
#include "app/realservices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {
double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList args = qapp.arguments();
    const QString mode = args.value(1, QStringLiteral("main"));
    const int seconds = args.value(2, QStringLiteral("30")).toInt();

    QTemporaryDir folder;
    RealServices services(folder.path(), folder.path());
    std::unique_ptr<Application> app;
    std::unique_ptr<QWidget> bare;
    if (mode == QStringLiteral("bare")) {
        bare = std::make_unique<QWidget>();
        bare->resize(654, 416);
        bare->show();
    } else {
        app = std::make_unique<Application>(services.services());
        app->start();
        if (mode == QStringLiteral("behind-calculator")) {
            QWidget* main = app->windows().existing(QStringLiteral("Form1"));
            QWidget* link = main->findChild<QWidget*>(QStringLiteral("Label87"));
            QMetaObject::invokeMethod(link, "clicked");
        }
    }

    // Measure from a settled state: start-up work is not idle cost.
    double startCpu = 0;
    QElapsedTimer wall;
    QTimer::singleShot(1000, [&] {
        startCpu = cpuSeconds();
        wall.start();
        QTimer::singleShot(seconds * 1000, &qapp, &QCoreApplication::quit);
    });
    qapp.exec();
    const double cpu = cpuSeconds() - startCpu;
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("%s %.4f %.3f\n", qPrintable(mode), cpu, elapsed);
    return 0;
}
