// The window chrome: title strip, window icon, close and minimise marks, the pointing-hand
// cursor of the links, and the program icon. GIF pictures are written as PNG first and turned
// into GIF afterwards, as Qt has no GIF writer.
#include "generator.h"
#include "stilllifepainter.h"

#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QTextStream>

#include <array>
#include <cmath>

namespace {

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

QColor lerp(const QColor& a, const QColor& b, qreal t) {
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// Dark blue at the top to a lighter blue at the bottom, like an active title bar; the window
// title is white on it. Every column is the same, as the strip is stretched sideways.
QImage titleStrip() {
    QImage image(54, 24, QImage::Format_RGB32);
    const QColor top(6, 32, 110);
    const QColor bottom(60, 116, 226);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb row = lerp(top, bottom, y / qreal(image.height() - 1)).rgb();
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, row);
    }
    return image;
}

// A 21 × 21 button face: a dark one-pixel border, a vertical gradient inside with a lighter
// top-left edge, as the marks sit on the title strip like title-bar buttons.
QImage buttonFace(const QColor& border, const QColor& top, const QColor& bottom,
                  const QColor& light) {
    QImage image(21, 21, QImage::Format_RGB32);
    image.fill(border);
    QPainter p(&image);
    QLinearGradient g(0, 1, 0, 20);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRect(1, 1, 19, 19), g);
    p.fillRect(QRect(1, 1, 19, 1), light);
    p.fillRect(QRect(1, 1, 1, 19), light);
    return image;
}

QImage closeMark() {
    QImage image = buttonFace({150, 34, 12}, {240, 124, 84}, {206, 56, 24}, {250, 176, 146});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(6.5, 6.5), QPointF(14.5, 14.5));
    p.drawLine(QPointF(14.5, 6.5), QPointF(6.5, 14.5));
    return image;
}

QImage minimiseMark() {
    QImage image = buttonFace({0, 34, 128}, {84, 146, 248}, {28, 82, 214}, {150, 190, 255});
    QPainter p(&image);
    p.fillRect(QRect(5, 13, 7, 3), Qt::white);
    return image;
}

// The links' pointing hand: the back of a fist with the index finger up, its tip at (1, 3),
// the cursor's hot spot. '#' is black, '.' white, anything else transparent.
QImage pointingHand() {
    static constexpr std::array<const char*, 32> rows = {
        "",
        "",
        "",
        " ####",
        "#....#",
        "#....#",
        "#....#",
        "#....#",
        "#....#",
        "#....####",
        "#....#...####",
        "#....#...#...####",
        "#....#...#...#...#",
        "#....#...#...#...#",
        "#....#...........#",
        "#................#",
        "#................#",
        "#................#",
        "#................#",
        "#................#",
        "#...............#",
        " #..............#",
        " #.............#",
        "  #............#",
        "  #............#",
        "  ##############",
        "  #............#",
        "  #............#",
        "  ##############",
        "",
        "",
        "",
    };
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; rows[y][x] != '\0'; ++x) {
            if (rows[y][x] == '#')
                image.setPixel(x, y, 1);
            else if (rows[y][x] == '.')
                image.setPixel(x, y, 2);
        }
    return image;
}

// The still life on blue, framed square, for the window's title strip and the program icon.
QImage stillLifeIcon(const QSize& size, bool miniature, qreal margin) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    const StillLifePainter stillLife({StillLifePainter::Backdrop::Blue, 0, miniature});
    stillLife.paint(p, QRectF(QPointF(0, 0), QSizeF(size)), stillLife.framing(size, margin));
    return image;
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0 &&
        file.flush())
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

} // namespace

static Generator chrome("chrome", [](const QDir& assets) {
    if (!assets.mkpath(QStringLiteral("chrome")))
        return false;
    const QDir dir(assets.filePath(QStringLiteral("chrome")));
    auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };

    bool ok = true;
    ok = save(titleStrip(), path("titlestrip.gif.png")) && ok;
    ok = save(stillLifeIcon({26, 20}, true, 4), path("icon.gif.png")) && ok;
    ok = save(closeMark(), path("close.gif.png")) && ok;
    ok = save(minimiseMark(), path("minimize.gif.png")) && ok;
    ok = save(pointingHand(), path("hand.png")) && ok;
    ok = save(stillLifeIcon({32, 32}, true, 6), path("promille.png")) && ok;
    ok = save(stillLifeIcon({256, 256}, false, 10), path("promille-256.png")) && ok;
    const StillLifePainter svgIcon({StillLifePainter::Backdrop::Blue, 0, false});
    ok =
        writeText(path("promille.svg"), svgIcon.svg({256, 256}, svgIcon.framing({256, 256}, 10))) &&
        ok;
    return ok;
});
