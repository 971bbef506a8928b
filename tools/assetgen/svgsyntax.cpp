#include "svgsyntax.h"

#include <QColor>
#include <QPainterPath>

QString svgNumber(qreal v) {
    QString s = QString::number(v, 'f', 3);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s == u"-0" ? QStringLiteral("0") : s;
}

QString svgColor(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString svgPathData(const QPainterPath& path) {
    QString d;
    QPointF subpathStart;
    QPointF last;
    auto point = [](QPointF p) { return svgNumber(p.x()) + u' ' + svgNumber(p.y()); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (!d.isEmpty() && last == subpathStart)
                d += u'Z';
            subpathStart = last = e;
            d += u'M' + point(e);
        } else if (e.isLineTo()) {
            last = e;
            d += u'L' + point(e);
        } else if (e.isCurveTo()) {
            const QPointF c2 = path.elementAt(i + 1);
            last = path.elementAt(i + 2);
            d += u'C' + point(e) + u' ' + point(c2) + u' ' + point(last);
            i += 2;
        }
    }
    if (!d.isEmpty() && last == subpathStart)
        d += u'Z';
    return d;
}
