// CPU time of a program that sits open for a while, as a share of one core.
// Usage: promille_idle_bench bare|bare-ticking|main|behind-calculator [seconds [server pid]]
//   bare               a bare Qt window, the baseline
//   bare-ticking       a bare Qt window woken by a 100 ms timer that does nothing: the floor
//                      for anything that animates at the still life's pace
//   bare-swapping      a bare Qt window that swaps two of the still life's frames every 100 ms
//                      where the main window shows them, repainting only where they differ:
//                      the still life's own work and nothing else
//   main               the program at rest: the main window and its endless still life
//   behind-calculator  the calculator open, the main window hidden (its still life goes on)
// Prints "mode cpu wall" in seconds; given the X server's pid it appends the server's CPU
// seconds over the very same span, since under X11 every frame costs the server work too.
#include "firstpaint.h"

#include "app/application.h"
#include "app/realservices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {
double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// CPU seconds another process has used, summed over its threads. schedstat counts nanoseconds;
// utime + stime in stat count clock ticks (10 ms), too coarse for a few seconds of idling, so
// they are only the fallback.
double cpuSecondsOf(long pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    double total = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        unsigned long long runNs = 0;
        if (schedstat >> runNs) {
            total += runNs / 1e9;
            continue;
        }
        std::ifstream stat(task.path() / "stat");
        std::string field;
        std::getline(stat, field, ')'); // the command name may hold spaces
        unsigned long long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && stat >> field; ++i) {
            if (i == 14)
                utime = std::stoull(field);
            if (i == 15)
                stime = std::stoull(field);
        }
        total += double(utime + stime) / sysconf(_SC_CLK_TCK);
    }
    return total;
}

// The smallest rectangle holding every pixel where two pictures of one size differ.
QRect differingPixels(const QImage& a, const QImage& b) {
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed;
}

// Two pictures shown in turn, one swap per 100 ms, each repainting the rectangle where the two
// differ, measured once; a paint draws the shown picture within what it is asked to paint.
class SwappingPicture : public QWidget {
public:
    SwappingPicture(const QPixmap& first, const QPixmap& second, QWidget* parent)
        : QWidget(parent)
        , m_pictures{first, second}
        , m_changed(differingPixels(first.toImage(), second.toImage())) {
        resize(first.size());
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_shown = 1 - m_shown;
            update(m_changed);
        });
        m_timer.start(100);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawPixmap(event->rect(), m_pictures[m_shown], event->rect());
    }

private:
    QPixmap m_pictures[2];
    QRect m_changed;
    int m_shown = 0;
    QTimer m_timer;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList args = qapp.arguments();
    const QString mode = args.value(1, QStringLiteral("main"));
    const int seconds = args.value(2, QStringLiteral("30")).toInt();
    const long server = args.value(3, QStringLiteral("0")).toLong();

    QTemporaryDir folder;
    RealServices services(folder.path(), folder.path());
    std::unique_ptr<Application> app;
    std::unique_ptr<QWidget> bare;
    QTimer ticking;
    if (mode.startsWith(QStringLiteral("bare"))) {
        bare = std::make_unique<QWidget>();
        bare->resize(654, 416);
        bare->show();
        if (mode == QStringLiteral("bare-ticking")) {
            QObject::connect(&ticking, &QTimer::timeout, [] {});
            ticking.start(100);
        } else if (mode == QStringLiteral("bare-swapping")) {
            // Two frames of the main window's still life, 240 × 187, from the program's own
            // resources, placed where the main window shows them.
            Q_INIT_RESOURCE(stilllife);
            const QPixmap first(QStringLiteral(":/bitmaps/300.bmp"));
            const QPixmap second(QStringLiteral(":/bitmaps/301.bmp"));
            if (first.isNull() || second.isNull() || first.size() != second.size()) {
                std::fprintf(stderr, "promille_idle_bench: no still-life frames\n");
                return 1;
            }
            auto* picture = new SwappingPicture(first, second, bare.get());
            picture->move(264, 168);
            picture->show();
        }
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
    double startServerCpu = 0;
    QElapsedTimer wall;
    QTimer::singleShot(1000, [&] {
        startCpu = cpuSeconds();
        startServerCpu = server ? cpuSecondsOf(server) : 0;
        wall.start();
        // exit, not quit: quit asks the windows to close first, and a window may refuse.
        QTimer::singleShot(seconds * 1000, &qapp, [] { QCoreApplication::exit(0); });
    });
    qapp.exec();
    const double cpu = cpuSeconds() - startCpu;
    const double serverCpu = server ? cpuSecondsOf(server) - startServerCpu : 0;
    const double elapsed = wall.elapsed() / 1000.0;
    if (server)
        std::printf("%s %.4f %.3f %.4f\n", qPrintable(mode), cpu, elapsed, serverCpu);
    else
        std::printf("%s %.4f %.3f\n", qPrintable(mode), cpu, elapsed);
    return 0;
}
