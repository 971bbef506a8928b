// Cost of one animation tick: load a frame from the resources and show it, painted, in the
// main window. Printed beside the cost of showing an already loaded frame (the baseline).
#include "app/application.h"
#include "app/realservices.h"
#include "app/stilllife.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>

namespace {
// Shows a picture and paints what it changed, as a tick does before the next event.
double perTickMs(QLabel* image, int ticks, const std::function<QPixmap(int)>& picture) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < ticks; ++i) {
        image->setPixmap(picture(i));
        image->window()->repaint(image->geometry());
    }
    return timer.nsecsElapsed() / 1e6 / ticks;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int ticks = qapp.arguments().value(1, QStringLiteral("400")).toInt();
    QTemporaryDir folder;
    RealServices services(folder.path(), folder.path());
    Application app(services.services());
    app.start();
    QWidget* main = app.windows().existing(QStringLiteral("Form1"));
    auto* image = main->findChild<QLabel*>(QStringLiteral("Image2"));
    QCoreApplication::processEvents();

    const int frames[] = {300, 301, 300, 302};
    const QPixmap loaded[] = {StillLife::frame(300), StillLife::frame(301), StillLife::frame(300),
                              StillLife::frame(302)};
    perTickMs(image, 20, [&](int i) { return StillLife::frame(frames[i % 4]); }); // warm up
    const double baseline = perTickMs(image, ticks, [&](int i) { return loaded[i % 4]; });
    const double tick =
        perTickMs(image, ticks, [&](int i) { return StillLife::frame(frames[i % 4]); });
    std::printf("tick %.4f baseline %.4f\n", tick, baseline);
    return 0;
}
