#include "stilllifeshapes.h"

#include <QPolygonF>
#include <QTransform>

#include <initializer_list>

namespace {

// The five letters of the bottle's label as strokes in a 4 × 6 cell (y down, baseline at 6),
// so the lettering does not depend on the fonts of the machine that draws it.
QPainterPath letter(QChar c) {
    QPainterPath p;
    auto line = [&p](std::initializer_list<QPointF> points) {
        auto it = points.begin();
        p.moveTo(*it);
        for (++it; it != points.end(); ++it)
            p.lineTo(*it);
    };
    switch (c.unicode()) {
    case u'В':
        line({{0, 6}, {0, 0}, {2.4, 0}, {3.3, 0.8}, {3.3, 2.1}, {2.5, 2.9}, {0, 2.9}});
        line({{2.5, 2.9}, {3.6, 3.7}, {3.6, 5.2}, {2.7, 6}, {0, 6}});
        break;
    case u'О':
        p.addEllipse(QRectF(0, 0, 3.8, 6));
        break;
    case u'Д':
        line({{-0.3, 7.2}, {-0.3, 6}, {4.3, 6}, {4.3, 7.2}});
        line({{0.4, 6}, {1.3, 0}, {3.6, 0}, {3.6, 6}});
        break;
    case u'К':
        line({{0, 0}, {0, 6}});
        line({{3.6, 0}, {0.2, 3.2}});
        line({{1.3, 2.2}, {3.8, 6}});
        break;
    case u'А':
        line({{0, 6}, {1.9, 0}, {3.8, 6}});
        line({{0.7, 4}, {3.1, 4}});
        break;
    default:
        break;
    }
    return p;
}

} // namespace

namespace stilllifeshapes {

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath linePath(QPointF from, QPointF to) {
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath rectPath(const QRectF& rect) {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath lettering(const QString& text, QPointF centre, qreal height) {
    const qreal cell = 4;
    const qreal gap = 1.6;
    const qreal width = text.size() * cell + (text.size() - 1) * gap;
    QPainterPath path;
    for (qsizetype i = 0; i < text.size(); ++i)
        path.addPath(letter(text.at(i)).translated(i * (cell + gap), 0));
    QTransform t;
    const qreal s = height / 6;
    t.translate(centre.x() - width * s / 2, centre.y() - 3 * s);
    t.scale(s, s);
    return t.map(path);
}

QPainterPath sparkle(QPointF c, qreal arm) {
    const qreal w = arm * 0.22;
    return polygonPath({{c.x(), c.y() - arm},
                        {c.x() + w, c.y() - w},
                        {c.x() + arm, c.y()},
                        {c.x() + w, c.y() + w},
                        {c.x(), c.y() + arm},
                        {c.x() - w, c.y() + w},
                        {c.x() - arm, c.y()},
                        {c.x() - w, c.y() - w}});
}

QPainterPath leaf(QPointF base, QPointF tip, qreal halfWidth, qreal bend) {
    const QPointF mid = (base + tip) / 2 + QPointF(bend, 0);
    QPainterPath p;
    p.moveTo(base - QPointF(halfWidth, 0));
    p.quadTo(mid - QPointF(halfWidth, 0), tip);
    p.quadTo(mid + QPointF(halfWidth, 0), base + QPointF(halfWidth, 0));
    p.closeSubpath();
    return p;
}

QPainterPath bottleOutline() {
    const qreal x = bottleX;
    const qreal neck = 7.5;
    const qreal body = 26;
    QPainterPath p;
    p.moveTo(x - neck, 36);
    p.lineTo(x - neck, 62);
    p.cubicTo(x - neck, 80, x - body, 78, x - body, 98);
    p.lineTo(x - body, standLine - 5);
    p.quadTo(x - body, standLine, x - body + 5, standLine);
    p.lineTo(x + body - 5, standLine);
    p.quadTo(x + body, standLine, x + body, standLine - 5);
    p.lineTo(x + body, 98);
    p.cubicTo(x + body, 78, x + neck, 80, x + neck, 62);
    p.lineTo(x + neck, 36);
    p.closeSubpath();
    return p;
}

QPainterPath glassOutline() {
    const qreal x = glassX;
    QPainterPath p;
    p.moveTo(x - glassTopHalf, glassRim);
    p.lineTo(x - glassFootHalf, standLine - 2);
    p.quadTo(x - glassFootHalf + 0.3, standLine, x - glassFootHalf + 2, standLine);
    p.lineTo(x + glassFootHalf - 2, standLine);
    p.quadTo(x + glassFootHalf - 0.3, standLine, x + glassFootHalf, standLine - 2);
    p.lineTo(x + glassTopHalf, glassRim);
    // The rim seen from slightly above: the front half of an ellipse closes the outline.
    p.arcTo(QRectF(x - glassTopHalf, glassRim - 3, 2 * glassTopHalf, 6), 0, -180);
    p.closeSubpath();
    return p;
}

qreal glassHalfAt(qreal y) {
    const qreal t = (y - glassRim) / (standLine - glassRim);
    return glassTopHalf + (glassFootHalf - glassTopHalf) * t;
}

} // namespace stilllifeshapes
