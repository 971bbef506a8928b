#include "resultscanvas.h"

#include <QFont>
#include <QFontInfo>
#include <QPainterPath>
#include <QPen>
#include <QTextStream>

#include <cmath>

namespace {
const QString emojiFamily = QStringLiteral("Noto Color Emoji");
// The font's bitmap strike: drawing at this size avoids a first, blurry scaling inside Qt.
constexpr int glyphPixels = 109;

QFont emojiFont() {
    QFont font(emojiFamily);
    font.setPixelSize(glyphPixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// The glyph at its native size, cropped to the pixels it paints.
QImage renderGlyph(const QString& glyph) {
    constexpr int side = glyphPixels * 2;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setFont(emojiFont());
    p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, glyph);
    p.end();

    int left = side, top = side, right = -1, bottom = -1;
    for (int y = 0; y < side; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return image.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
}
} // namespace

ResultsCanvas::ResultsCanvas(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied) {
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    m_painter.scale(scale, scale);
}

void ResultsCanvas::emoji(const QString& glyph, QPointF centre, qreal height, qreal degrees,
                          bool mirrored) {
    const QImage native = renderGlyph(glyph);
    if (native.isNull())
        return;
    // Reduce by area averaging first; the painter's own filter is bilinear and would alias.
    const int h = std::max(1, int(std::lround(height * scale)));
    const int w = std::max(1, int(std::lround(qreal(native.width()) * h / native.height())));
    const QImage sized = native.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    m_painter.save();
    m_painter.translate(centre);
    m_painter.rotate(degrees);
    m_painter.scale(mirrored ? -1.0 / scale : 1.0 / scale, 1.0 / scale);
    m_painter.drawImage(QPointF(-w / 2.0, -h / 2.0), sized);
    m_painter.restore();
}

void ResultsCanvas::stroke(std::initializer_list<QPointF> points, qreal width,
                           const QColor& color) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawPath(path);
    m_painter.restore();
}

void ResultsCanvas::hair(QPointF centre, qreal radius, qreal degrees, const QColor& color) {
    // Drawn upright around the origin, then turned with the head.
    const qreal r = radius * 1.06;
    QPainterPath cap;
    cap.moveTo(-r, -0.05 * r);
    cap.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 180.0, -180.0);
    // The fringe: a few soft locks from the right temple back to the left one.
    cap.quadTo(0.86 * r, -0.50 * r, 0.62 * r, -0.55 * r);
    cap.quadTo(0.45 * r, -0.38 * r, 0.20 * r, -0.58 * r);
    cap.quadTo(-0.05 * r, -0.42 * r, -0.30 * r, -0.62 * r);
    cap.quadTo(-0.60 * r, -0.45 * r, -0.78 * r, -0.40 * r);
    cap.quadTo(-0.90 * r, -0.20 * r, -r, -0.05 * r);
    cap.closeSubpath();

    m_painter.save();
    m_painter.translate(centre);
    m_painter.rotate(degrees);
    m_painter.setPen(QPen(color.darker(130), 0.5));
    m_painter.setBrush(color);
    m_painter.drawPath(cap);
    m_painter.restore();
}

bool ResultsCanvas::save(const QDir& folder, const QString& fileName) {
    if (m_painter.isActive())
        m_painter.end();
    QImage reduced =
        m_image.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB888);
    // The resolution fields come from the screen otherwise; fix them at 96 dpi.
    reduced.setDotsPerMeterX(3780);
    reduced.setDotsPerMeterY(3780);
    const QString path = folder.filePath(fileName);
    if (!reduced.save(path, "BMP")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool ResultsCanvas::emojiAvailable() {
    QTextStream err(stderr);
    if (QFontInfo(emojiFont()).family() != emojiFamily) {
        err << "the font \"" << emojiFamily << "\" is not available (fonts-noto-color-emoji)\n";
        return false;
    }
    // A grinning face must come out yellow, not as an outline or an empty box.
    const QImage face = renderGlyph(QStringLiteral(u"\U0001F604"));
    if (face.isNull()) {
        err << "the emoji font paints nothing\n";
        return false;
    }
    const QRgb middle = face.pixel(face.width() / 2, face.height() / 5);
    if (!(qRed(middle) > 200 && qGreen(middle) > 140 && qBlue(middle) < 120)) {
        err << "the emoji font does not paint in colour\n";
        return false;
    }
    return true;
}
