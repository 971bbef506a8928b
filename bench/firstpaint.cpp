#include "firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

FirstPaint::FirstPaint(QWidget* window)
    : QObject(window) {
    window->installEventFilter(this);
}

bool FirstPaint::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        // Quit once this paint has been handled and flushed; exit, since quit would ask the
        // windows to close first, and a window may refuse.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return false;
}

void FirstPaint::reportPeakMemory() {
    if (!std::getenv("PROMILLE_BENCH_RSS"))
        return;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "peak_rss_kib %ld\n", usage.ru_maxrss);
}
