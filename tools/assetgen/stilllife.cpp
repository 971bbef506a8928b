// The still life of the main and About windows: the pictures laid out with the windows (GIF)
// and the animation frames (24-bit BMP), in which only the glass changes.
#include "generator.h"
#include "stilllifepainter.h"

#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int frameCount = 3;

// The main window's driving advice is black text over the picture; no pixel may be darker
// than this grey, or the text stops standing out.
constexpr int darkestGrey = 128;

QImage render(const QSize& size, int shimmer) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    StillLifePainter({StillLifePainter::Backdrop::Pale, shimmer, false})
        .paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

bool save(const QImage& image, const QString& path, const char* format) {
    if (image.save(path, format))
        return true;
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
}

bool complain(const QString& what) {
    QTextStream(stderr) << what << '\n';
    return false;
}

// The animation must only make the glass shimmer: a frame may differ from the resting one
// inside the glass's pixels and must differ somewhere.
bool onlyGlassShimmers(const QImage& rest, const QImage& frame, const QRect& glass) {
    bool differs = false;
    for (int y = 0; y < rest.height(); ++y)
        for (int x = 0; x < rest.width(); ++x)
            if (rest.pixel(x, y) != frame.pixel(x, y)) {
                if (!glass.contains(x, y))
                    return false;
                differs = true;
            }
    return differs;
}

bool lightEnough(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < darkestGrey)
                return false;
    return true;
}

} // namespace

static Generator stilllife("stilllife", [](const QDir& assets) {
    if (!assets.mkpath(QStringLiteral("stilllife")))
        return false;
    const QDir dir(assets.filePath(QStringLiteral("stilllife")));

    struct Size {
        QSize size;
        int firstFrame;
        const char* picture;
    };
    const Size sizes[] = {
        {{240, 187}, 300, "stilllife-main"},
        {{134, 104}, 200, "stilllife-about"},
    };
    const QRectF glassArea =
        StillLifePainter({StillLifePainter::Backdrop::Pale, 0, false}).glassArea();
    bool ok = true;
    for (const Size& s : sizes) {
        QImage frames[frameCount];
        for (int shimmer = 0; shimmer < frameCount; ++shimmer)
            frames[shimmer] = render(s.size, shimmer);

        const QString picture = QString::fromLatin1(s.picture);
        if (!lightEnough(frames[0]))
            ok = complain(picture + QStringLiteral(": too dark to read text over"));
        const QRect glass = StillLifePainter::mapping(QRectF(QPointF(0, 0), QSizeF(s.size)),
                                                      StillLifePainter::scene())
                                .mapRect(glassArea)
                                .toAlignedRect();
        for (int shimmer = 1; shimmer < frameCount; ++shimmer)
            if (!onlyGlassShimmers(frames[0], frames[shimmer], glass))
                ok = complain(picture + QStringLiteral(": frame %1 must differ from the first, "
                                                       "and only in the glass")
                                            .arg(s.firstFrame + shimmer));

        // The layout's picture is the resting frame; it is written as PNG and turned into GIF
        // afterwards, as Qt has no GIF writer.
        ok = save(frames[0], dir.filePath(picture + QStringLiteral(".gif.png")), "PNG") && ok;
        // The frames are resources loaded as device-independent bitmaps: 24 bits, uncompressed.
        for (int shimmer = 0; shimmer < frameCount; ++shimmer)
            ok =
                save(frames[shimmer].convertToFormat(QImage::Format_RGB888),
                     dir.filePath(QString::number(s.firstFrame + shimmer) + QStringLiteral(".bmp")),
                     "BMP") &&
                ok;
    }
    return ok;
});
