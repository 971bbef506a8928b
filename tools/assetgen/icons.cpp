// The program icon at the sizes of the desktop's icon theme, for installation. They go beside
// the assets folder, into packaging/icons/, named by size ("48x48.png"); the install step gives
// them the application id. Small sizes use the miniature drawing, as the window icon does.
#include "generator.h"
#include "stilllifepainter.h"

#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

struct IconSize {
    int pixels;
    bool miniature;
    qreal margin; // design units around the objects
};

// 32 and 256 match the program's own icons in assets/chrome.
constexpr IconSize sizes[] = {
    {16, true, 4},   {32, true, 6},    {48, true, 6},
    {64, false, 10}, {128, false, 10}, {256, false, 10},
};

QImage icon(const IconSize& size) {
    const QSize square(size.pixels, size.pixels);
    QImage image(square, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    const StillLifePainter stillLife({StillLifePainter::Backdrop::Blue, 0, size.miniature});
    stillLife.paint(p, QRectF(QPointF(0, 0), QSizeF(square)),
                    stillLife.framing(square, size.margin));
    return image;
}

} // namespace

static Generator icons("icons", [](const QDir& assets) {
    const QString folder = assets.absoluteFilePath(QStringLiteral("../packaging/icons"));
    if (!QDir().mkpath(folder))
        return false;
    const QDir dir(folder);
    bool ok = true;
    for (const IconSize& size : sizes) {
        const QString path = dir.filePath(QStringLiteral("%1x%1.png").arg(size.pixels));
        if (!icon(size).save(path, "PNG")) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            ok = false;
        }
    }
    return ok;
});
