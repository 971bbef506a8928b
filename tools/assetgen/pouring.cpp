// The calculator's pouring animation, frames 400 ... 417: a bottle pours into a glass, fades
// away, and the full glass sparkles in a two-frame loop. Every frame comes from one painter
// function, so the frames differ only in the state they are given.
#include "generator.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <numbers>

namespace {

constexpr int frameWidth = 95;
constexpr int frameHeight = 98;
// Painted at four times the size and reduced, for smooth edges on the thin stream and rims.
constexpr int scale = 4;

// What changes from frame to frame.
struct PouringState {
    qreal fill = 0;    // liquid in the glass, 0 (empty) ... 1 (to the rim)
    qreal bottle = 0;  // opacity of the bottle and its stream, 0 ... 1
    qreal stream = 0;  // how far the stream has fallen, 0 (none) ... 1 (reaches the drink)
    qreal shimmer = 0; // phase of the rising bubbles and the glass highlight, 0 ... 1
};

const QColor drink(0xD9, 0x8E, 0x1E);

// The glass: a tumbler slightly wider at the rim, with a thick bottom.
constexpr qreal rimY = 47;
constexpr qreal rimLeft = 45;
constexpr qreal rimRight = 79;
constexpr qreal innerBottomY = 84;
constexpr qreal baseY = 90;
constexpr qreal baseLeft = 49;
constexpr qreal baseRight = 75;
constexpr qreal rimDepth = 3.4; // half height of the rim ellipse

qreal leftWallAt(qreal y) {
    return rimLeft + (baseLeft - rimLeft) * (y - rimY) / (baseY - rimY);
}

qreal rightWallAt(qreal y) {
    return rimRight + (baseRight - rimRight) * (y - rimY) / (baseY - rimY);
}

qreal surfaceY(qreal fill) {
    return innerBottomY - fill * (innerBottomY - rimY - 1);
}

// Bubble positions repeat every frame; only the shimmer phase lifts them.
struct Bubble {
    qreal x; // 0 ... 1 across the glass
    qreal y; // 0 ... 1 up the liquid
    qreal radius;
};
const Bubble bubbles[] = {{0.22, 0.10, 0.7}, {0.64, 0.28, 0.55}, {0.40, 0.52, 0.8},
                          {0.78, 0.66, 0.5}, {0.30, 0.80, 0.6},  {0.55, 0.93, 0.45},
                          {0.70, 0.05, 0.6}, {0.15, 0.45, 0.5}};

void paintBackground(QPainter& p) {
    QLinearGradient wall(0, 0, 0, 76);
    wall.setColorAt(0, QColor(0xF4, 0xEC, 0xDC));
    wall.setColorAt(1, QColor(0xDF, 0xCF, 0xB2));
    p.fillRect(QRectF(0, 0, frameWidth, 76), wall);
    QLinearGradient table(0, 76, 0, frameHeight);
    table.setColorAt(0, QColor(0xB9, 0x83, 0x4C));
    table.setColorAt(1, QColor(0x8C, 0x5B, 0x2E));
    p.fillRect(QRectF(0, 76, frameWidth, frameHeight - 76), table);
    p.fillRect(QRectF(0, 76, frameWidth, 0.8), QColor(0xD0, 0x9E, 0x66));
    // The glass's shadow on the table.
    QRadialGradient shadow(QPointF(64, 91), 22);
    shadow.setColorAt(0, QColor(0x40, 0x24, 0x0C, 110));
    shadow.setColorAt(1, QColor(0x40, 0x24, 0x0C, 0));
    p.save();
    p.translate(64, 91);
    p.scale(1, 0.22);
    p.translate(-64, -91);
    p.fillRect(QRectF(30, 60, 70, 60), shadow);
    p.restore();
}

QPainterPath glassInterior() {
    QPainterPath path;
    path.moveTo(rimLeft + 1, rimY);
    path.lineTo(rimRight - 1, rimY);
    path.lineTo(rightWallAt(innerBottomY) - 1.2, innerBottomY);
    path.quadTo((rimLeft + rimRight) / 2, innerBottomY + 2.2, leftWallAt(innerBottomY) + 1.2,
                innerBottomY);
    path.closeSubpath();
    return path;
}

void paintGlassBack(QPainter& p) {
    QPainterPath body;
    body.moveTo(rimLeft, rimY);
    body.lineTo(baseLeft, baseY - 1.5);
    body.quadTo((baseLeft + baseRight) / 2, baseY + 2, baseRight, baseY - 1.5);
    body.lineTo(rimRight, rimY);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(body);
    // Back half of the rim.
    p.setPen(QPen(QColor(0x9A, 0xA6, 0xAE, 200), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(rimLeft, rimY - rimDepth, rimRight - rimLeft, 2 * rimDepth), 0, 180 * 16);
}

void paintLiquid(QPainter& p, const PouringState& s) {
    if (s.fill <= 0)
        return;
    const qreal top = surfaceY(s.fill);
    const qreal left = leftWallAt(top) + 1;
    const qreal right = rightWallAt(top) - 1;
    const qreal depth = rimDepth * (right - left) / (rimRight - rimLeft);

    p.save();
    p.setClipPath(glassInterior());
    QLinearGradient across(left, 0, right, 0);
    across.setColorAt(0, drink.darker(150));
    across.setColorAt(0.35, drink.lighter(118));
    across.setColorAt(0.7, drink);
    across.setColorAt(1, drink.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(across);
    p.drawRect(QRectF(0, top, frameWidth, innerBottomY + 3 - top));

    // Bubbles rise with the shimmer phase and wrap round below the surface.
    const qreal height = innerBottomY - top;
    p.setBrush(QColor(255, 244, 214, 200));
    for (const Bubble& b : bubbles) {
        const qreal rise = std::fmod(b.y + s.shimmer * 0.5, 1.0);
        const qreal y = innerBottomY - 1.5 - rise * (height - 3);
        if (height < 4)
            break;
        const qreal x = leftWallAt(y) + 2 + b.x * (rightWallAt(y) - leftWallAt(y) - 4);
        p.drawEllipse(QPointF(x, y), b.radius, b.radius);
    }
    p.restore();

    // The surface seen from slightly above.
    const QRectF surface(left, top - depth, right - left, 2 * depth);
    QLinearGradient shine(left, 0, right, 0);
    shine.setColorAt(0, drink.lighter(110));
    shine.setColorAt(0.4, drink.lighter(150));
    shine.setColorAt(1, drink.lighter(105));
    p.setPen(QPen(drink.darker(130), 0.4));
    p.setBrush(shine);
    p.drawEllipse(surface);
}

void paintGlassFront(QPainter& p, const PouringState& s) {
    // Walls.
    p.setPen(QPen(QColor(0x8C, 0x98, 0xA2, 220), 0.8));
    p.drawLine(QPointF(rimLeft, rimY), QPointF(baseLeft, baseY - 1.5));
    p.drawLine(QPointF(rimRight, rimY), QPointF(baseRight, baseY - 1.5));
    // Thick bottom.
    QPainterPath bottom;
    bottom.moveTo(leftWallAt(innerBottomY), innerBottomY);
    bottom.quadTo((rimLeft + rimRight) / 2, innerBottomY + 2.2, rightWallAt(innerBottomY),
                  innerBottomY);
    bottom.lineTo(baseRight, baseY - 1.5);
    bottom.quadTo((baseLeft + baseRight) / 2, baseY + 2, baseLeft, baseY - 1.5);
    bottom.closeSubpath();
    p.setBrush(QColor(0xE8, 0xF2, 0xF6, 150));
    p.setPen(QPen(QColor(0x8C, 0x98, 0xA2, 200), 0.6));
    p.drawPath(bottom);
    // Front half of the rim.
    p.setPen(QPen(QColor(0x7E, 0x8A, 0x94, 230), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(rimLeft, rimY - rimDepth, rimRight - rimLeft, 2 * rimDepth), 180 * 16,
              180 * 16);
    // Highlights: a long streak on the left that the shimmer slides along the wall, a short one
    // on the right.
    const qreal slide = 3.0 * std::sin(s.shimmer * 2 * std::numbers::pi);
    const qreal streakTop = rimY + 6 + slide;
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(leftWallAt(streakTop) + 3.2, streakTop),
               QPointF(leftWallAt(streakTop + 24) + 3.2, streakTop + 24));
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.1, Qt::SolidLine, Qt::RoundCap));
    const qreal dotTop = rimY + 10 - slide;
    p.drawLine(QPointF(rightWallAt(dotTop) - 3, dotTop),
               QPointF(rightWallAt(dotTop + 7) - 3, dotTop + 7));
    // A glint on the rim that jumps with the phase, so the loop looks alive.
    const qreal glintX = rimLeft + (rimRight - rimLeft) * (0.3 + 0.25 * s.shimmer);
    QRadialGradient glint(QPointF(glintX, rimY + rimDepth - 0.3), 2.4);
    glint.setColorAt(0, QColor(255, 255, 255, 240));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glint);
    p.drawEllipse(QPointF(glintX, rimY + rimDepth - 0.3), 2.4, 2.4);
}

// The mouth of the tilted bottle, and where its stream lands.
const QPointF bottleMouth(55.5, 38.5);
constexpr qreal bottleAngle = 128; // degrees clockwise from upright

void paintStream(QPainter& p, const PouringState& s) {
    if (s.stream <= 0)
        return;
    // Leaves the lip along the neck, then falls; the curve ends on the surface or the bottom.
    const QPointF landing(59, surfaceY(s.fill) - 0.5);
    const QPointF control(bottleMouth.x() + 3.2, bottleMouth.y() + 4);
    QPainterPath fall;
    fall.moveTo(bottleMouth);
    fall.quadTo(control, landing);
    QPainterPath stream;
    const int steps = 24;
    const qreal shown = std::min<qreal>(1.0, s.stream);
    for (int i = 0; i <= steps; ++i) {
        const qreal t = shown * i / steps;
        const QPointF at = fall.pointAtPercent(t);
        if (i == 0)
            stream.moveTo(at);
        else
            stream.lineTo(at);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(drink.darker(115), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
    p.setPen(QPen(drink.lighter(150), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.translate(-0.5, 0);
    p.drawPath(stream);
    p.translate(0.5, 0);
    if (s.stream >= 1 && s.fill > 0) {
        // Splash where the stream meets the drink.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 246, 220, 210));
        p.drawEllipse(QPointF(landing.x(), landing.y()), 3.2, 1.1);
        p.drawEllipse(QPointF(landing.x() - 3.8, landing.y() - 0.8), 0.7, 0.7);
        p.drawEllipse(QPointF(landing.x() + 3.5, landing.y() - 1.2), 0.6, 0.6);
    }
}

// The bottle, drawn upright with its mouth at the origin and turned into place. Its drink sits
// at the low end (towards the neck) and sinks as the glass fills.
void paintBottle(QPainter& p, const PouringState& s) {
    QPainterPath outline;
    outline.moveTo(-3, 0);
    outline.lineTo(3, 0);
    outline.lineTo(3, 2.2);
    outline.lineTo(2.6, 2.4);
    outline.lineTo(2.6, 15);
    outline.cubicTo(2.6, 19, 8, 19, 8, 25);
    outline.lineTo(8, 60);
    outline.quadTo(8, 62, 6, 62);
    outline.lineTo(-6, 62);
    outline.quadTo(-8, 62, -8, 60);
    outline.lineTo(-8, 25);
    outline.cubicTo(-8, 19, -2.6, 19, -2.6, 15);
    outline.lineTo(-2.6, 2.4);
    outline.lineTo(-3, 2.2);
    outline.closeSubpath();

    p.save();
    p.translate(bottleMouth);
    p.rotate(bottleAngle);

    // Drink inside: everything below a level line that is horizontal on screen.
    const QTransform toScreen = p.transform();
    const qreal emptied = 0.2 + 0.6 * s.fill; // share of the bottle already poured out
    p.save();
    p.setClipPath(outline);
    p.resetTransform(); // work in device pixels, where "horizontal" is simple
    const QRectF screenBox = toScreen.map(outline).boundingRect();
    const qreal levelY = screenBox.bottom() - (1 - emptied) * screenBox.height() * 0.9;
    p.setPen(Qt::NoPen);
    p.setBrush(drink);
    p.drawRect(QRectF(screenBox.left() - 5, levelY, screenBox.width() + 10,
                      screenBox.bottom() + 5 - levelY));
    p.restore();

    // Glass of the bottle over its drink: faint body, darker edges, a bright streak.
    QLinearGradient across(-8, 0, 8, 0);
    across.setColorAt(0, QColor(0x5E, 0x8E, 0x74, 150));
    across.setColorAt(0.3, QColor(0xF2, 0xFA, 0xF4, 80));
    across.setColorAt(0.7, QColor(0xE0, 0xEE, 0xE6, 40));
    across.setColorAt(1, QColor(0x4E, 0x7E, 0x64, 170));
    p.setPen(QPen(QColor(0x3E, 0x66, 0x50), 0.7));
    p.setBrush(across);
    p.drawPath(outline);
    // Label.
    p.setPen(QPen(QColor(0x8A, 0x20, 0x20), 0.4));
    p.setBrush(QColor(0xF3, 0xE9, 0xCF));
    p.drawRect(QRectF(-8, 32, 16, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB2, 0x22, 0x22));
    p.drawRect(QRectF(-8, 36, 16, 3));
    p.setBrush(QColor(0xC8, 0xA0, 0x3A));
    p.drawRect(QRectF(-5, 42, 10, 1.2));
    // Neck ring and a streak of light along the body.
    p.setBrush(QColor(0x3E, 0x66, 0x50));
    p.drawRect(QRectF(-3, 0, 6, 2.2));
    p.setPen(QPen(QColor(255, 255, 255, 180), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-5.5, 50), QPointF(-5.5, 58));
    p.drawLine(QPointF(-5.5, 26), QPointF(-5.5, 30));
    p.restore();
}

QImage paintFrame(const PouringState& s) {
    QImage image(frameWidth * scale, frameHeight * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    paintBackground(p);
    paintGlassBack(p);
    paintLiquid(p, s);

    if (s.bottle > 0) {
        // Bottle and stream go through one layer, so that fading them does not show the parts
        // where they overlap.
        QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter l(&layer);
        l.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        l.scale(scale, scale);
        paintStream(l, s);
        paintBottle(l, s);
        l.end();
        p.save();
        p.resetTransform();
        p.setOpacity(s.bottle);
        p.drawImage(0, 0, layer);
        p.restore();
    }
    paintGlassFront(p, s);
    p.end();
    return image.scaled(frameWidth, frameHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

// The story of one pour: 15 frames of pouring with the bottle fading over the last five, then
// the full glass once on its own and twice for the loop.
PouringState stateOf(int frame) {
    constexpr qreal full = 0.8;
    PouringState s;
    if (frame <= 14) {
        s.stream = frame == 0 ? 0.55 : (frame <= 12 ? 1.0 : 0.0);
        s.fill = full * std::min(1.0, frame / 12.0);
        s.bottle = frame < 10 ? 1.0 : 1.0 - (frame - 9) / 6.0;
        s.shimmer = 0.1 * frame;
    } else {
        s.fill = full;
        s.shimmer = frame == 15 ? 0.0 : (frame == 16 ? 0.25 : 0.75);
    }
    return s;
}

static Generator pouring("pouring", [](const QDir& assets) {
    if (!assets.mkpath(QStringLiteral("pouring")))
        return false;
    const QDir folder(assets.filePath(QStringLiteral("pouring")));
    bool ok = true;
    for (int frame = 0; frame <= 17; ++frame) {
        QImage image = paintFrame(stateOf(frame));
        // The resolution fields come from the screen otherwise; fix them at 96 dpi.
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        const QString path = folder.filePath(QString::number(400 + frame) + QStringLiteral(".bmp"));
        if (!image.save(path, "BMP")) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            ok = false;
        }
    }
    return ok;
});

} // namespace
