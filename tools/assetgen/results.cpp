// The calculator's result pictures 101 ... 107, one per intoxication class: small cartoon
// scenes of emoji faces on painted bodies in painted surroundings.
#include "generator.h"
#include "resultscanvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The emoji faces are yellow, so hands and necks are too.
const QColor skin(0xFF, 0xC8, 0x2E);
const QColor skinShade(0xE8, 0xA3, 0x1C);

QString glyph(char32_t code) {
    return QString::fromUcs4(&code, 1);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

void hand(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(skinShade, 0.5));
    p.setBrush(skin);
    p.drawEllipse(centre, radius, radius);
}

// Rounded torso: shoulders at the top, straight sides, running off the bottom edge if asked.
void torso(QPainter& p, const QRectF& r, qreal shoulder, const QColor& color) {
    p.setPen(QPen(color.darker(140), 0.6));
    p.setBrush(vertical(r.top(), r.bottom(), color.lighter(115), color.darker(115)));
    p.drawRoundedRect(r, shoulder, shoulder);
}

// 101: a thoughtful, sober young man at his desk.
void thoughtful(ResultsCanvas& c) {
    QPainter& p = c.painter();
    p.fillRect(QRectF(0, 0, 115, 86),
               vertical(0, 86, QColor(0xE4, 0xEA, 0xF0), QColor(0xC2, 0xCE, 0xD8)));

    // Window with a calm sky.
    const QRectF window(6, 8, 30, 40);
    p.fillRect(window, vertical(8, 48, QColor(0x7F, 0xC1, 0xEE), QColor(0xD8, 0xF0, 0xFC)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QRectF(10, 16, 12, 6));
    p.drawEllipse(QRectF(15, 13, 10, 7));
    p.setPen(QPen(QColor(0xF7, 0xF7, 0xF5), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window);
    p.drawLine(QPointF(21, 8), QPointF(21, 48));
    p.drawLine(QPointF(6, 26), QPointF(36, 26));

    // The young man: sweater over a shirt, the thinking face with a hand on the chin.
    torso(p, QRectF(36, 56, 46, 44), 14, QColor(0x3E, 0x5F, 0x8E));
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawRect(QRectF(53, 48, 11, 10));
    p.setBrush(QColor(0xF4, 0xF6, 0xF8));
    QPainterPath collar;
    collar.moveTo(51, 56);
    collar.lineTo(58.5, 64);
    collar.lineTo(66, 56);
    collar.lineTo(62, 55);
    collar.lineTo(58.5, 59);
    collar.lineTo(55, 55);
    collar.closeSubpath();
    p.drawPath(collar);
    c.emoji(glyph(0x1F914), QPointF(58, 34), 38);
    c.hair(QPointF(61.2, 32.7), 17.4, 0, QColor(0x6D, 0x43, 0x2A));

    // Desk with a cup of tea and a thought bubble: nothing stronger than that.
    p.fillRect(QRectF(0, 73, 115, 13),
               vertical(73, 86, QColor(0xB0, 0x7B, 0x45), QColor(0x7E, 0x52, 0x2B)));
    p.fillRect(QRectF(0, 73, 115, 1.2), QColor(0xCC, 0x99, 0x63));
    c.emoji(glyph(0x2615), QPointF(96, 67), 14);
    c.emoji(glyph(0x1F4AD), QPointF(95, 17), 24);
    c.emoji(glyph(0x2753), QPointF(95, 14.5), 9);
}

// 102: a traffic policeman with a striped baton stopping a car.
void policeman(ResultsCanvas& c) {
    QPainter& p = c.painter();
    p.fillRect(QRectF(0, 0, 129, 40),
               vertical(0, 40, QColor(0x8C, 0xCB, 0xF2), QColor(0xE2, 0xF3, 0xFC)));
    // Town on the far side of the road.
    p.setPen(Qt::NoPen);
    const struct {
        qreal x, w, top;
        QColor color;
    } houses[] = {{-2, 22, 18, QColor(0xB8, 0xA9, 0x97)}, {20, 16, 24, QColor(0xD2, 0xC4, 0xB0)},
                  {36, 26, 12, QColor(0xA7, 0xB3, 0xBF)}, {62, 18, 22, QColor(0xCF, 0xB2, 0x9A)},
                  {80, 28, 15, QColor(0xB9, 0xC3, 0xC9)}, {108, 23, 20, QColor(0xC8, 0xB8, 0xA2)}};
    for (const auto& h : houses) {
        p.setBrush(h.color);
        p.drawRect(QRectF(h.x, h.top, h.w, 40 - h.top));
        p.setBrush(QColor(0x5E, 0x77, 0x8F, 190));
        for (qreal y = h.top + 3; y < 36; y += 5)
            for (qreal x = h.x + 3; x < h.x + h.w - 3; x += 5)
                p.drawRect(QRectF(x, y, 2.4, 2.6));
    }
    p.fillRect(QRectF(0, 38, 129, 3), QColor(0xA9, 0xA9, 0xA3));
    // Road with a dashed centre line, near pavement at the bottom.
    p.fillRect(QRectF(0, 41, 129, 33),
               vertical(41, 74, QColor(0x7B, 0x7E, 0x82), QColor(0x5B, 0x5E, 0x62)));
    p.setBrush(QColor(0xF2, 0xF2, 0xEE));
    for (qreal x = -4; x < 129; x += 16)
        p.drawRect(QRectF(x, 56.5, 9, 1.4));
    p.fillRect(QRectF(0, 74, 129, 2), QColor(0xC9, 0xC9, 0xC3));
    p.fillRect(QRectF(0, 76, 129, 10), QColor(0xB4, 0xB2, 0xAA));
    p.setPen(QPen(QColor(0x98, 0x96, 0x8F), 0.5));
    for (qreal x = 4; x < 129; x += 12)
        p.drawLine(QPointF(x, 76), QPointF(x - 3, 86));

    // The car, driving towards the policeman and stopping.
    c.emoji(glyph(0x1F697), QPointF(96, 57), 30, 0, true);

    // Policeman: trousers, uniform with a bright vest, the emoji for cap and face.
    c.stroke({QPointF(26, 62), QPointF(25, 80)}, 5.5, QColor(0x24, 0x2F, 0x4A));
    c.stroke({QPointF(33, 62), QPointF(34, 80)}, 5.5, QColor(0x24, 0x2F, 0x4A));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x15, 0x15, 0x18));
    p.drawRoundedRect(QRectF(20, 79, 8, 4), 2, 2);
    p.drawRoundedRect(QRectF(32, 79, 8, 4), 2, 2);
    // Left arm hangs down.
    c.stroke({QPointF(21, 45), QPointF(19, 58)}, 5, QColor(0x2E, 0x3F, 0x7A));
    hand(p, QPointF(19, 60), 2.3);
    torso(p, QRectF(20, 39, 19, 26), 5, QColor(0x2E, 0x3F, 0x7A));
    QPainterPath vest;
    vest.addRoundedRect(QRectF(21, 42, 17, 19), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC6, 0xF0, 0x2C));
    p.drawPath(vest);
    p.setBrush(QColor(0xE8, 0xEC, 0xEE));
    p.drawRect(QRectF(21, 50, 17, 1.6));
    p.drawRect(QRectF(21, 55, 17, 1.6));
    c.emoji(glyph(0x1F46E), QPointF(29.5, 30), 24);
    // Right arm raised towards the car with the black-and-white baton.
    c.stroke({QPointF(37, 44), QPointF(44, 40), QPointF(50, 34)}, 5, QColor(0x2E, 0x3F, 0x7A));
    const QPointF grip(51.5, 32.5);
    const QPointF tip(64, 18);
    const QPointF step = (tip - grip) / 6.0;
    for (int i = 0; i < 6; ++i)
        c.stroke({grip + step * i, grip + step * (i + 1)}, 2.8,
                 i % 2 == 0 ? QColor(0x18, 0x18, 0x18) : QColor(0xFA, 0xFA, 0xFA));
    hand(p, grip, 2.4);
}

// 103: a cheerful young man riding in a bus seat.
void bus(ResultsCanvas& c) {
    QPainter& p = c.painter();
    p.fillRect(QRectF(0, 0, 115, 86),
               vertical(0, 86, QColor(0xEC, 0xE6, 0xD6), QColor(0xCF, 0xC6, 0xAF)));
    // The window: sky, a passing house and trees smeared by the ride.
    const QRectF window(0, 7, 115, 36);
    p.fillRect(window, vertical(7, 43, QColor(0x86, 0xC8, 0xF0), QColor(0xDD, 0xF1, 0xFB)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD9, 0x8E, 0x6A));
    p.drawRect(QRectF(70, 22, 20, 21));
    p.setBrush(QColor(0xA3, 0x4B, 0x3A));
    QPainterPath roof;
    roof.moveTo(67, 23);
    roof.lineTo(80, 14);
    roof.lineTo(93, 23);
    roof.closeSubpath();
    p.drawPath(roof);
    for (int i = 0; i < 6; ++i) {
        const qreal x = -4 + i * 21;
        p.setBrush(QColor(0x4C, 0x9A, 0x45));
        p.drawEllipse(QRectF(x, 26 + (i % 2) * 3, 22, 15));
        p.setBrush(QColor(0x6F, 0xB8, 0x5B, 150));
        p.drawEllipse(QRectF(x + 5, 24 + (i % 2) * 3, 16, 12));
    }
    p.setBrush(QColor(0x8B, 0x8F, 0x93));
    p.drawRect(QRectF(0, 39, 115, 4));
    // Window frame and the pillar between two panes.
    p.setPen(QPen(QColor(0x55, 0x5B, 0x62), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window);
    p.fillRect(QRectF(23, 7, 4, 36), QColor(0x55, 0x5B, 0x62));
    // Grab rail with straps and a pole: unmistakably a bus.
    c.stroke({QPointF(-2, 3.5), QPointF(117, 3.5)}, 2.6, QColor(0xF2, 0xC2, 0x2E));
    for (qreal x : {14.0, 98.0}) {
        c.stroke({QPointF(x, 3.5), QPointF(x, 10)}, 1.4, QColor(0x3A, 0x3A, 0x3A));
        p.setPen(QPen(QColor(0x3A, 0x3A, 0x3A), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(x - 3, 10, 6, 6));
    }
    c.stroke({QPointF(107, 0), QPointF(107, 86)}, 3, QColor(0xF2, 0xC2, 0x2E));

    // A pair of blue patterned seats; he has the one by the aisle.
    const QColor seat(0x2C, 0x5A, 0xA8);
    for (qreal left : {-16.0, 32.0}) {
        p.setPen(QPen(seat.darker(150), 0.7));
        p.setBrush(vertical(24, 76, seat.lighter(120), seat.darker(110)));
        p.drawRoundedRect(QRectF(left, 24, 46, 52), 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE0, 0x4B, 0x3A, 170));
        for (int row = 0; row < 8; ++row)
            for (qreal x = left + 4 + (row % 2) * 3; x < left + 44; x += 6)
                p.drawEllipse(QRectF(x, 29 + row * 6, 1.6, 1.6));
        p.setPen(QPen(seat.darker(150), 0.7));
        p.setBrush(vertical(70, 80, seat.lighter(110), seat.darker(130)));
        p.drawRoundedRect(QRectF(left - 4, 70, 54, 10), 4, 4);
    }

    // The young man: jeans, a bright shirt, one hand waving.
    const QColor jeans(0x3B, 0x5E, 0x96);
    const QColor shirt(0xE8, 0x6A, 0x2E);
    p.setPen(QPen(jeans.darker(140), 0.6));
    p.setBrush(vertical(64, 80, jeans.lighter(110), jeans));
    p.drawRoundedRect(QRectF(43.5, 64, 11, 15), 5, 5);
    p.drawRoundedRect(QRectF(55.5, 64, 11, 15), 5, 5);
    c.stroke({QPointF(49, 79), QPointF(48.5, 90)}, 8, jeans.darker(115));
    c.stroke({QPointF(61, 79), QPointF(61.5, 90)}, 8, jeans.darker(115));
    QPainterPath body;
    body.moveTo(46, 67);
    body.lineTo(44, 50);
    body.quadTo(44, 45, 49, 44.5);
    body.lineTo(61, 44.5);
    body.quadTo(66, 45, 66, 50);
    body.lineTo(64, 67);
    body.closeSubpath();
    p.setPen(QPen(shirt.darker(140), 0.6));
    p.setBrush(vertical(44, 67, shirt.lighter(112), shirt.darker(112)));
    p.drawPath(body);
    c.stroke({QPointF(46, 48), QPointF(41.5, 59), QPointF(47, 67)}, 4.6, shirt);
    hand(p, QPointF(48.5, 68), 2.6);
    c.stroke({QPointF(64, 48), QPointF(73, 44), QPointF(76.5, 34)}, 4.6, shirt);
    hand(p, QPointF(77, 31.5), 2.8);
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawRect(QRectF(51.5, 40, 7, 5));
    c.emoji(glyph(0x1F604), QPointF(55, 30.5), 24);
    c.hair(QPointF(55, 30.8), 11.7, 0, QColor(0x3B, 0x26, 0x18));
}

// 104: a man slumped over his glass on the table.
void slumped(ResultsCanvas& c) {
    QPainter& p = c.painter();
    p.fillRect(QRectF(0, 0, 69, 86),
               vertical(0, 86, QColor(0x6A, 0x45, 0x30), QColor(0x2E, 0x1E, 0x16)));
    // Lamp over the table and its warm light.
    QRadialGradient glow(QPointF(40, 10), 40);
    glow.setColorAt(0, QColor(255, 214, 140, 170));
    glow.setColorAt(1, QColor(255, 214, 140, 0));
    p.fillRect(QRectF(0, 0, 69, 86), glow);
    c.stroke({QPointF(40, 0), QPointF(40, 6)}, 0.8, QColor(0x1A, 0x12, 0x0E));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2F, 0x55, 0x3A));
    QPainterPath shade;
    shade.moveTo(36, 6);
    shade.lineTo(44, 6);
    shade.lineTo(49, 12);
    shade.lineTo(31, 12);
    shade.closeSubpath();
    p.drawPath(shade);
    p.setBrush(QColor(0xFF, 0xF1, 0xB8));
    p.drawEllipse(QRectF(37, 11, 6, 2.5));

    // Hunched back, arms folded on the table, head on the arms.
    const QColor shirt(0x4E, 0x6A, 0x8C);
    p.setPen(QPen(shirt.darker(150), 0.6));
    p.setBrush(vertical(32, 66, shirt.lighter(115), shirt.darker(120)));
    QPainterPath back;
    back.moveTo(-4, 66);
    back.cubicTo(-6, 42, 6, 31, 20, 33);
    back.cubicTo(32, 35, 38, 44, 36, 54);
    back.lineTo(34, 66);
    back.closeSubpath();
    p.drawPath(back);
    // The upper arm down to the elbow on the table.
    c.stroke({QPointF(22, 40), QPointF(14, 50), QPointF(10, 58)}, 6.5, shirt.darker(112));

    p.fillRect(QRectF(0, 61, 69, 5),
               vertical(61, 66, QColor(0xA8, 0x72, 0x40), QColor(0x8A, 0x59, 0x30)));
    p.fillRect(QRectF(0, 66, 69, 20),
               vertical(66, 86, QColor(0x6B, 0x43, 0x24), QColor(0x45, 0x2A, 0x16)));
    c.stroke({QPointF(8, 59), QPointF(41, 59)}, 7, shirt.lighter(108));
    hand(p, QPointF(43, 59), 3);
    c.emoji(glyph(0x1F974), QPointF(28, 45.5), 21, 62);
    c.hair(QPointF(28, 45.5), 10.3, 62, QColor(0x8A, 0x5C, 0x34));

    // The glass in front of him and the nearly empty bottle.
    p.setPen(QPen(QColor(0x1E, 0x4A, 0x2A), 0.6));
    p.setBrush(vertical(0, 1, QColor(0x3A, 0x8A, 0x50), QColor(0x24, 0x5E, 0x34)));
    QPainterPath bottle;
    bottle.moveTo(57, 62);
    bottle.lineTo(57, 42);
    bottle.quadTo(57, 38, 60, 36);
    bottle.lineTo(60, 28);
    bottle.lineTo(63, 28);
    bottle.lineTo(63, 36);
    bottle.quadTo(66, 38, 66, 42);
    bottle.lineTo(66, 62);
    bottle.closeSubpath();
    QLinearGradient glassGreen(57, 0, 66, 0);
    glassGreen.setColorAt(0, QColor(0x2A, 0x6E, 0x3E));
    glassGreen.setColorAt(0.35, QColor(0x6C, 0xC0, 0x84));
    glassGreen.setColorAt(1, QColor(0x1C, 0x4D, 0x2A));
    p.setBrush(glassGreen);
    p.drawPath(bottle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE9, 0xDD, 0xB5));
    p.drawRect(QRectF(57.5, 47, 8, 7));
    c.emoji(glyph(0x1F943), QPointF(50, 55.5), 13);
}

// 105: a man lying flat on the pavement in front of a house.
void pavement(ResultsCanvas& c) {
    QPainter& p = c.painter();
    // House wall with a dark shop window and a door.
    p.fillRect(QRectF(0, 0, 115, 34),
               vertical(0, 34, QColor(0xD8, 0xC6, 0xA6), QColor(0xBE, 0xAA, 0x88)));
    p.fillRect(QRectF(8, 4, 40, 26), QColor(0x3C, 0x4A, 0x58));
    p.fillRect(QRectF(8, 4, 40, 26),
               vertical(4, 30, QColor(255, 255, 255, 60), QColor(255, 255, 255, 0)));
    p.fillRect(QRectF(70, 6, 18, 28), QColor(0x6B, 0x45, 0x2A));
    p.fillRect(QRectF(84, 19, 2, 2), QColor(0xE0, 0xC0, 0x50));
    p.fillRect(QRectF(0, 30, 115, 4), QColor(0x8E, 0x86, 0x7A));
    // Paving slabs that widen towards the viewer.
    p.fillRect(QRectF(0, 34, 115, 45),
               vertical(34, 79, QColor(0xB2, 0xB0, 0xA8), QColor(0xC6, 0xC4, 0xBC)));
    p.setPen(QPen(QColor(0x8F, 0x8C, 0x84), 0.6));
    for (qreal y : {38.0, 44.0, 52.0, 62.0, 74.0})
        p.drawLine(QPointF(0, y), QPointF(115, y));
    for (int i = -6; i <= 14; ++i) {
        const qreal x = 57.5 + i * 9.0;
        p.drawLine(QPointF(57.5 + i * 6.0, 34), QPointF(57.5 + (x - 57.5) * 1.9, 79));
    }
    p.fillRect(QRectF(0, 79, 115, 3), QColor(0xDA, 0xD8, 0xD0));
    p.fillRect(QRectF(0, 82, 115, 4), QColor(0x55, 0x58, 0x5C));

    // Shadow, then the man on his back, arms flung out, feet apart.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QRectF(12, 52, 88, 18));
    const QColor trousers(0x3E, 0x46, 0x58);
    c.stroke({QPointF(60, 58), QPointF(76, 56), QPointF(92, 50)}, 6.5, trousers);
    c.stroke({QPointF(60, 62), QPointF(78, 64), QPointF(93, 67)}, 6.5, trousers);
    p.setBrush(QColor(0x1C, 0x1A, 0x18));
    p.drawEllipse(QRectF(92, 45, 5, 8));
    p.drawEllipse(QRectF(93, 63, 5, 8));
    const QColor shirt(0x4F, 0x80, 0xC2);
    c.stroke({QPointF(36, 54), QPointF(32, 44), QPointF(24, 40)}, 5, shirt);
    hand(p, QPointF(22, 39.5), 2.8);
    c.stroke({QPointF(40, 66), QPointF(50, 71), QPointF(57, 74)}, 5, shirt);
    hand(p, QPointF(59, 74.5), 2.8);
    p.setPen(QPen(shirt.darker(150), 0.6));
    p.setBrush(shirt);
    p.drawRoundedRect(QRectF(34, 51, 30, 16), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x2A, 0x2A));
    p.drawRect(QRectF(58, 51, 2.2, 16));
    c.emoji(QStringLiteral(u"\U0001F635\u200D\U0001F4AB"), QPointF(23, 59), 20, -90);
    c.hair(QPointF(23, 59), 9.8, -90, QColor(0x8A, 0x5A, 0x30));
    c.emoji(glyph(0x1F4AB), QPointF(12, 47), 9);

    // The empty bottle rolled away.
    p.save();
    p.translate(102, 75);
    p.rotate(-20);
    p.setPen(QPen(QColor(0x1E, 0x4A, 0x2A), 0.5));
    p.setBrush(QColor(0x3C, 0x8C, 0x52));
    p.drawRoundedRect(QRectF(-8, -2.5, 11, 5), 2, 2);
    p.drawRect(QRectF(3, -1.1, 5, 2.2));
    p.restore();
}

// 106: a man passed out on a bench in the street at night.
void bench(ResultsCanvas& c) {
    QPainter& p = c.painter();
    p.fillRect(QRectF(0, 0, 118, 62),
               vertical(0, 62, QColor(0x0E, 0x1A, 0x38), QColor(0x3A, 0x55, 0x7E)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240, 220));
    for (const QPointF& s : {QPointF(40, 6), QPointF(57, 12), QPointF(75, 5), QPointF(88, 16),
                             QPointF(30, 17), QPointF(66, 22)})
        p.drawEllipse(s, 0.6, 0.6);
    c.emoji(glyph(0x1F319), QPointF(16, 13), 14);
    // Dark trees behind the bench.
    p.setBrush(QColor(0x17, 0x2C, 0x22));
    for (const QRectF& r : {QRectF(-10, 30, 40, 34), QRectF(22, 36, 30, 28), QRectF(44, 28, 40, 36),
                            QRectF(76, 34, 30, 30)})
        p.drawEllipse(r);
    p.fillRect(QRectF(0, 56, 118, 6), QColor(0x17, 0x2C, 0x22));
    // Pavement lit by the street lamp.
    p.fillRect(QRectF(0, 62, 118, 24),
               vertical(62, 86, QColor(0x4A, 0x4E, 0x56), QColor(0x36, 0x39, 0x40)));
    QRadialGradient pool(QPointF(104, 74), 34);
    pool.setColorAt(0, QColor(255, 220, 150, 110));
    pool.setColorAt(1, QColor(255, 220, 150, 0));
    p.fillRect(QRectF(0, 40, 118, 46), pool);
    QRadialGradient halo(QPointF(107, 13), 18);
    halo.setColorAt(0, QColor(255, 230, 160, 200));
    halo.setColorAt(1, QColor(255, 230, 160, 0));
    p.fillRect(QRectF(80, 0, 38, 36), halo);
    c.stroke({QPointF(107, 14), QPointF(107, 74)}, 2.2, QColor(0x22, 0x24, 0x28));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x24, 0x28));
    p.drawRect(QRectF(103, 72, 8, 3));
    p.drawRect(QRectF(102, 8, 10, 2));
    p.setBrush(QColor(0xFF, 0xE9, 0xA8));
    p.drawRect(QRectF(103.5, 10, 7, 5));

    // The bench: cast-iron legs, wooden back and seat.
    const QColor iron(0x1E, 0x1E, 0x22);
    const QColor wood(0x9A, 0x63, 0x33);
    for (qreal x : {18.0, 90.0}) {
        c.stroke({QPointF(x, 38), QPointF(x, 60), QPointF(x - 3, 74)}, 2.2, iron);
        c.stroke({QPointF(x, 60), QPointF(x + 3, 74)}, 2.2, iron);
    }
    p.setPen(QPen(wood.darker(150), 0.5));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(12, 40, 84, 4), 1, 1);
    p.drawRoundedRect(QRectF(12, 46, 84, 4), 1, 1);

    // The man stretched along the seat, one arm hanging to the ground, his bottle below.
    const QColor coat(0x6A, 0x5A, 0x4A);
    const QColor trousers(0x33, 0x36, 0x40);
    c.stroke({QPointF(60, 53), QPointF(78, 52), QPointF(92, 50)}, 6, trousers);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x12, 0x10));
    p.drawEllipse(QRectF(91, 45, 5, 8));
    p.setPen(QPen(coat.darker(150), 0.6));
    p.setBrush(coat);
    p.drawRoundedRect(QRectF(30, 46, 32, 11), 5, 5);
    c.stroke({QPointF(42, 55), QPointF(44, 66), QPointF(46, 73)}, 4.5, coat);
    hand(p, QPointF(46.5, 75), 2.6);
    p.setPen(QPen(wood.darker(150), 0.5));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(10, 57, 88, 4.5), 1, 1);
    c.emoji(glyph(0x1F635), QPointF(22, 48), 17, -80);
    c.hair(QPointF(22, 48), 8.3, -80, QColor(0x3A, 0x2A, 0x1E));
    c.emoji(glyph(0x1F4A4), QPointF(30, 31), 12);

    p.save();
    p.translate(58, 77);
    p.rotate(8);
    p.setPen(QPen(QColor(0x1E, 0x4A, 0x2A), 0.5));
    p.setBrush(QColor(0x3C, 0x8C, 0x52));
    p.drawRoundedRect(QRectF(-6, -2.4, 10, 4.8), 2, 2);
    p.drawRect(QRectF(4, -1, 4, 2));
    p.restore();
}

// Small fixed pseudo-random sequence for the confetti: the same picture on every run.
class Confetti {
public:
    qreal next() {
        m_state = m_state * 1103515245u + 12345u;
        return qreal((m_state >> 8) & 0xFFFF) / 65536.0;
    }

private:
    quint32 m_state = 20240601u;
};

// 107: a cheering group of friends, confetti in the air.
void cheering(ResultsCanvas& c) {
    QPainter& p = c.painter();
    p.fillRect(QRectF(0, 0, 93, 86),
               vertical(0, 86, QColor(0x5C, 0xB8, 0xF2), QColor(0xCC, 0xEC, 0xFF)));
    QRadialGradient sun(QPointF(46, 30), 50);
    sun.setColorAt(0, QColor(255, 250, 220, 230));
    sun.setColorAt(1, QColor(255, 250, 220, 0));
    p.fillRect(QRectF(0, 0, 93, 86), sun);

    Confetti random;
    const QColor colors[] = {QColor(0xE5, 0x39, 0x35), QColor(0xFD, 0xD8, 0x35),
                             QColor(0x43, 0xA0, 0x47), QColor(0x1E, 0x88, 0xE5),
                             QColor(0x8E, 0x24, 0xAA), QColor(0xFB, 0x8C, 0x00)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const QPointF at(random.next() * 93, random.next() * 46);
        const qreal angle = random.next() * 180;
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.setBrush(colors[i % 6]);
        p.drawRect(QRectF(-1.3, -0.6, 2.6, 1.2));
        p.restore();
    }
    c.emoji(glyph(0x1F389), QPointF(10, 10), 16);
    c.emoji(glyph(0x1F389), QPointF(83, 10), 16, 0, true);

    const struct {
        qreal x, y;
        char32_t face;
        QColor shirt, hair;
    } friends[] = {{15, 49, 0x1F604, QColor(0xE5, 0x39, 0x35), QColor(0x5A, 0x3A, 0x22)},
                   {36, 44, 0x1F606, QColor(0x2E, 0x9E, 0x4A), QColor(0x1E, 0x1A, 0x18)},
                   {57, 45, 0x1F601, QColor(0x8E, 0x44, 0xC0), QColor(0xE0, 0xB0, 0x40)},
                   {78, 50, 0x1F603, QColor(0x1E, 0x78, 0xD0), QColor(0xB0, 0x4A, 0x24)}};
    for (const auto& f : friends) {
        c.stroke(
            {QPointF(f.x - 6, f.y + 14), QPointF(f.x - 10, f.y + 2), QPointF(f.x - 11, f.y - 12)},
            4, f.shirt);
        c.stroke(
            {QPointF(f.x + 6, f.y + 14), QPointF(f.x + 10, f.y + 2), QPointF(f.x + 11, f.y - 12)},
            4, f.shirt);
        hand(p, QPointF(f.x - 11, f.y - 14.5), 2.7);
        hand(p, QPointF(f.x + 11, f.y - 14.5), 2.7);
        torso(p, QRectF(f.x - 9, f.y + 9, 18, 40), 6, f.shirt);
        c.emoji(glyph(f.face), QPointF(f.x, f.y), 18);
        c.hair(QPointF(f.x, f.y), 8.8, 0, f.hair);
    }
}

struct Picture {
    const char* file;
    int width;
    void (*draw)(ResultsCanvas&);
};

const Picture pictures[] = {{"101.bmp", 115, thoughtful}, {"102.bmp", 129, policeman},
                            {"103.bmp", 115, bus},        {"104.bmp", 69, slumped},
                            {"105.bmp", 115, pavement},   {"106.bmp", 118, bench},
                            {"107.bmp", 93, cheering}};

static Generator results("results", [](const QDir& assets) {
    if (!ResultsCanvas::emojiAvailable())
        return false;
    if (!assets.mkpath(QStringLiteral("results")))
        return false;
    const QDir folder(assets.filePath(QStringLiteral("results")));
    bool ok = true;
    for (const Picture& picture : pictures) {
        ResultsCanvas canvas(picture.width, 86);
        picture.draw(canvas);
        ok = canvas.save(folder, QString::fromLatin1(picture.file)) && ok;
    }
    return ok;
});

} // namespace
