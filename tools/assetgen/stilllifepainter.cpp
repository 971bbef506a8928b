#include "stilllifepainter.h"
#include "stilllifeshapes.h"
#include "svgsyntax.h"

#include <QBrush>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>
#include <cmath>

using namespace stilllifeshapes;

namespace {

// Pale pictures are the vivid drawing faded toward this paper colour.
const QColor paper(250, 247, 238);

QColor mix(const QColor& a, const QColor& b, qreal t) {
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), a.alpha());
}

} // namespace

StillLifePainter::StillLifePainter(const Options& options)
    : m_options(options)
    , m_line(options.miniature ? 4.2 : 1.4) {
    const bool mini = options.miniature;
    addBackdrop();
    m_objects = place({bottleX, standLine}, {mini ? 80 : bottleX, standLine}, mini ? 0.92 : 1,
                      {bottleX - 27, 16, 66, 151});
    addBottle();
    m_glassArea = place(
        {glassX, standLine}, {mini ? 133 : glassX, standLine}, mini ? 1.5 : 1,
        {glassX - glassTopHalf - 2, glassRim - 7, 2 * glassTopHalf + 6, standLine - glassRim + 12});
    m_objects |= m_glassArea;
    addGlass();
    m_objects |= place({onionX, standLine}, {mini ? 196 : onionX, standLine}, mini ? 1.3 : 1,
                       {onionX - 26, 72, 57, 94});
    addOnion();
    m_place.reset();
}

QRectF StillLifePainter::place(QPointF anchor, QPointF to, qreal scale, const QRectF& bounds) {
    m_place = QTransform::fromTranslate(-anchor.x(), -anchor.y()) *
              QTransform::fromScale(scale, scale) * QTransform::fromTranslate(to.x(), to.y());
    return m_place.mapRect(bounds);
}

QRectF StillLifePainter::framing(const QSizeF& target, qreal margin) const {
    QRectF r = objects().adjusted(-margin, -margin, margin, margin);
    const qreal aspect = target.width() / target.height();
    if (r.width() / r.height() < aspect) {
        const qreal w = r.height() * aspect;
        r.adjust(-(w - r.width()) / 2, 0, (w - r.width()) / 2, 0);
    } else {
        const qreal h = r.width() / aspect;
        r.adjust(0, -(h - r.height()) / 2, 0, (h - r.height()) / 2);
    }
    return r;
}

QColor StillLifePainter::tone(const QColor& color) const {
    if (m_options.backdrop == Backdrop::Pale)
        return mix(color, paper, 0.5);
    return color;
}

StillLifePainter::Fill StillLifePainter::solid(const QColor& color) const {
    Fill f;
    f.kind = Fill::Kind::Solid;
    f.color = tone(color);
    return f;
}

StillLifePainter::Fill StillLifePainter::linear(QPointF from, QPointF to,
                                                const QGradientStops& stops) const {
    Fill f;
    f.kind = Fill::Kind::Linear;
    f.from = from;
    f.to = to;
    for (const auto& [at, color] : stops)
        f.stops.append({at, tone(color)});
    return f;
}

StillLifePainter::Fill StillLifePainter::radial(QPointF centre, qreal radius, QPointF focal,
                                                const QGradientStops& stops) const {
    Fill f = linear(centre, focal, stops);
    f.kind = Fill::Kind::Radial;
    f.radius = radius;
    return f;
}

void StillLifePainter::add(const QPainterPath& path, const Fill& fill, const QColor& stroke,
                           qreal strokeWidth) {
    // Outlines keep their width when placed, so all objects have the same line.
    Fill placed = fill;
    placed.from = m_place.map(fill.from);
    placed.to = m_place.map(fill.to);
    placed.radius = fill.radius * m_place.m11();
    m_shapes.push_back(
        {m_place.map(path), placed, strokeWidth > 0 ? tone(stroke) : QColor(), strokeWidth});
}

void StillLifePainter::addShadow(QPointF centre, qreal rx, qreal ry) {
    Fill f;
    f.kind = Fill::Kind::Solid;
    f.color =
        m_options.backdrop == Backdrop::Pale ? QColor(120, 100, 60, 40) : QColor(0, 0, 30, 90);
    add(ellipsePath(centre, rx, ry), f);
}

void StillLifePainter::addStroke(const QPainterPath& path, const QColor& stroke, qreal width) {
    add(path, Fill{}, stroke, width);
}

void StillLifePainter::addBackdrop() {
    // Far wider and taller than the scene, so any framing is covered.
    const QRectF wall(-1000, -1000, 2240, 1000 + tableTop);
    const QRectF table(-1000, tableTop, 2240, 1000);
    if (m_options.backdrop == Backdrop::Pale) {
        // Not toned: these are already the light colours the window text is read on.
        Fill w;
        w.kind = Fill::Kind::Linear;
        w.from = {0, 0};
        w.to = {0, tableTop};
        w.stops = {{0, QColor(251, 250, 244)}, {1, QColor(241, 237, 223)}};
        add(rectPath(wall), w);
        Fill t = w;
        t.from = {0, tableTop};
        t.to = {0, 187};
        t.stops = {{0, QColor(235, 228, 207)}, {1, QColor(243, 238, 222)}};
        add(rectPath(table), t);
        Fill edge;
        edge.kind = Fill::Kind::Solid;
        edge.color = QColor(226, 218, 195);
        add(rectPath({-1000, tableTop, 2240, 1}), edge);
        return;
    }
    add(rectPath(wall), linear({0, 0}, {0, tableTop}, {{0, {8, 36, 120}}, {1, {40, 96, 212}}}));
    add(rectPath(table), linear({0, tableTop}, {0, 187}, {{0, {16, 52, 150}}, {1, {10, 34, 104}}}));
}

void StillLifePainter::addBottle() {
    const qreal x = bottleX;
    const QPainterPath outline = bottleOutline();
    const bool mini = m_options.miniature;
    addShadow({x + 6, standLine + 1}, 33, 4.5);

    // Clear glass: darker at the edges where the light passes through more of it.
    add(outline, linear({x - 26, 0}, {x + 26, 0},
                        {{0, {168, 190, 200}},
                         {0.18, {226, 236, 240}},
                         {0.45, {246, 250, 251}},
                         {0.8, {214, 226, 232}},
                         {1, {160, 182, 194}}}));
    // Vodka up to the neck: a faint blue tint and its level.
    const qreal level = 54;
    add(outline.intersected(rectPath({x - 30, level, 60, 200})), solid(QColor(150, 190, 215, 60)));
    if (!mini)
        addStroke(linePath({x - 7.5, level}, {x + 7.5, level}), QColor(120, 150, 170), 0.6);

    // Labels: a red neck band and the main label, red bands round a white field.
    const QColor red(196, 28, 34);
    const QColor white(252, 250, 244);
    add(outline.intersected(rectPath({x - 30, 42, 60, 7})), solid(red));
    const QRectF label(x - 30, 104, 60, 44);
    add(outline.intersected(rectPath(label)), solid(white));
    add(outline.intersected(rectPath({x - 30, 104, 60, 7})), solid(red));
    add(outline.intersected(rectPath({x - 30, 141, 60, 7})), solid(red));
    if (mini) {
        add(rectPath({x - 17, 120, 34, 7}), solid(red));
    } else {
        addStroke(lettering(QStringLiteral("ВОДКА"), {x, 124}, 9), red, 1.5);
        addStroke(linePath({x - 14, 134.5}, {x + 14, 134.5}), QColor(200, 160, 60), 0.8);
    }

    // Light on the glass: a long streak on the left, a thin one on the right.
    Fill glint;
    glint.kind = Fill::Kind::Solid;
    glint.color = QColor(255, 255, 255, 170);
    add(outline.intersected(rectPath({x - 21, 84, 4.5, 72})), glint);
    add(outline.intersected(rectPath({x - 5, 38, 2, 26})), glint);
    glint.color = QColor(255, 255, 255, 110);
    add(outline.intersected(rectPath({x + 17, 96, 2, 56})), glint);

    addStroke(outline, QColor(70, 88, 100), m_line);

    // Screw cap with a lip ring under it.
    const QColor capDark(150, 20, 24);
    add(polygonPath({{x - 9, 35}, {x + 9, 35}, {x + 9, 39}, {x - 9, 39}}), solid(white),
        QColor(70, 88, 100), m_line * 0.7);
    QPainterPath cap;
    cap.addRoundedRect(QRectF(x - 9.5, 16, 19, 20), 2.5, 2.5);
    add(cap,
        linear({x - 9.5, 0}, {x + 9.5, 0}, {{0, capDark}, {0.35, {226, 60, 60}}, {1, capDark}}),
        QColor(110, 16, 20), m_line * 0.8);
    if (!mini)
        for (int k = -2; k <= 2; ++k)
            addStroke(linePath({x + 3 * k, 19}, {x + 3 * k, 33}), capDark, 0.7);
}

void StillLifePainter::addGlass() {
    const qreal x = glassX;
    const QPainterPath outline = glassOutline();
    const bool mini = m_options.miniature;
    addShadow({x + 4, standLine + 1}, 18, 3.2);

    add(outline, linear({x - glassTopHalf, 0}, {x + glassTopHalf, 0},
                        {{0, {146, 172, 188}},
                         {0.3, {204, 222, 230}},
                         {0.6, {214, 229, 236}},
                         {1, {142, 168, 186}}}));

    // Vodka in the bowl: a tinted body and its surface seen from slightly above.
    const qreal surface = 127;
    const qreal floor = 153; // top of the thick glass foot
    const qreal inset = 2.2;
    const qreal topHalf = glassHalfAt(surface) - inset;
    const qreal floorHalf = glassHalfAt(floor) - inset;
    QPainterPath vodka;
    vodka.moveTo(x - topHalf, surface);
    vodka.lineTo(x - floorHalf, floor);
    vodka.quadTo(x, floor + 2, x + floorHalf, floor);
    vodka.lineTo(x + topHalf, surface);
    vodka.arcTo(QRectF(x - topHalf, surface - 2.4, 2 * topHalf, 4.8), 0, -180);
    vodka.closeSubpath();
    add(vodka,
        linear({x - topHalf, 0}, {x + topHalf, 0},
               {{0, {120, 168, 204, 120}}, {0.5, {180, 212, 232, 80}}, {1, {110, 160, 198, 130}}}));
    add(ellipsePath({x, surface}, topHalf, 2.4), solid(QColor(226, 238, 246)),
        QColor(120, 152, 176), mini ? 0 : 0.6);

    // The thick foot.
    add(outline.intersected(rectPath({x - 20, floor + 1, 40, 10})),
        solid(QColor(176, 198, 212, 170)));

    // Facets below a smooth band at the rim: a faceted shot glass.
    if (!mini) {
        const qreal from = glassRim + 8;
        const qreal to = floor + 6;
        for (qreal f : {-0.62, -0.21, 0.21, 0.62}) {
            QPainterPath facet;
            facet.moveTo(x + f * glassHalfAt(from), from);
            facet.lineTo(x + f * glassHalfAt(to), to);
            addStroke(facet, QColor(130, 156, 174, 200), 0.6);
        }
    }

    // The moving highlight: a slanted band that crosses the glass from left to right.
    static constexpr qreal bandAt[] = {-10, -2, 6.5};
    const int phase = std::clamp(m_options.shimmer, 0, 2);
    const qreal b = x + bandAt[phase];
    Fill shine;
    shine.kind = Fill::Kind::Solid;
    shine.color = QColor(255, 255, 255, 220);
    add(outline.intersected(polygonPath({{b - 2, glassRim - 4},
                                         {b + 2.6, glassRim - 4},
                                         {b + 1.4, standLine + 2},
                                         {b - 3.2, standLine + 2}})),
        shine);

    addStroke(outline, QColor(80, 100, 112), m_line);
    // Back half of the rim, thinner: it is seen through the glass.
    QPainterPath back;
    back.arcMoveTo(QRectF(x - glassTopHalf, glassRim - 3, 2 * glassTopHalf, 6), 0);
    back.arcTo(QRectF(x - glassTopHalf, glassRim - 3, 2 * glassTopHalf, 6), 0, 180);
    addStroke(back, QColor(110, 130, 142), m_line * 0.7);

    // The glint: at the rim on the right, then on the vodka's surface on the left.
    if (phase > 0) {
        const QPointF at = phase == 1 ? QPointF(x + 10, glassRim + 2) : QPointF(x - 6, surface);
        const qreal arm = 6;
        Fill glint;
        glint.kind = Fill::Kind::Solid;
        glint.color = QColor(255, 255, 255, 245);
        add(sparkle(at, arm), glint);
        add(ellipsePath(at, 1.6, 1.6), glint);
    }
}

void StillLifePainter::addOnion() {
    const qreal x = onionX;
    const qreal top = 121;
    const bool mini = m_options.miniature;
    addShadow({x + 4, standLine + 1.5}, 27, 4);

    // Green sprouts from the neck.
    const QGradientStops green = {{0, {96, 150, 46}}, {1, {150, 200, 84}}};
    const QColor greenLine(70, 112, 36);
    const qreal leafLine = mini ? m_line * 0.6 : 0.8;
    add(leaf({x - 1, top - 2}, {x - 15, 84}, 2.2, -1), linear({0, top}, {0, 84}, green), greenLine,
        leafLine);
    add(leaf({x + 1, top - 2}, {x + 13, 80}, 2.2, 3), linear({0, top}, {0, 80}, green), greenLine,
        leafLine);
    add(leaf({x, top - 2}, {x + 1, 72}, 2.6, -4), linear({0, top}, {0, 72}, green), greenLine,
        leafLine);

    // The dry papery neck.
    add(polygonPath(
            {{x - 3.5, top + 3}, {x - 1.6, top - 6}, {x + 1.6, top - 6}, {x + 3.5, top + 3}}),
        solid(QColor(196, 150, 92)), QColor(120, 76, 36), mini ? 0 : 0.7);

    // The bulb: wide and squat, pointed at the neck.
    QPainterPath bulb;
    bulb.moveTo(x, top);
    bulb.cubicTo(x + 6, top + 9, x + 25, top + 8, x + 25, top + 25);
    bulb.cubicTo(x + 25, standLine - 3, x + 12, standLine, x, standLine);
    bulb.cubicTo(x - 12, standLine, x - 25, standLine - 3, x - 25, top + 25);
    bulb.cubicTo(x - 25, top + 8, x - 6, top + 9, x, top);
    bulb.closeSubpath();
    add(bulb,
        radial({x - 4, top + 22}, 30, {x - 9, top + 15},
               {{0, {250, 214, 140}}, {0.45, {222, 156, 72}}, {1, {156, 92, 36}}}),
        QColor(110, 62, 26), m_line);

    if (!mini) {
        // Veins of the skin, running from the neck to the root.
        const QColor vein(150, 90, 40, 160);
        for (int k = -2; k <= 2; ++k) {
            if (k == 0)
                continue;
            QPainterPath v;
            v.moveTo(x + k * 0.6, top + 2);
            v.cubicTo(x + k * 6, top + 9, x + k * 11, top + 26, x + k * 4.5, standLine - 1);
            addStroke(v, vein, 0.7);
        }
        QPainterPath mid;
        mid.moveTo(x, top + 2);
        mid.lineTo(x + 0.5, standLine - 1);
        addStroke(mid, vein, 0.6);
        // A light patch where the light falls.
        Fill shine;
        shine.kind = Fill::Kind::Solid;
        shine.color = QColor(255, 248, 220, 110);
        add(ellipsePath({x - 12, top + 18}, 4, 7), shine);
    }

    // Root hairs.
    QPainterPath roots;
    for (int k = -2; k <= 2; ++k) {
        roots.moveTo(x + k * 1.5, standLine - 0.5);
        roots.lineTo(x + k * 3.2, standLine + 3.5);
    }
    addStroke(roots, QColor(150, 120, 80), mini ? m_line * 0.6 : 0.8);
}

QTransform StillLifePainter::mapping(const QRectF& target, const QRectF& viewport) {
    const qreal s =
        std::min(target.width() / viewport.width(), target.height() / viewport.height());
    return QTransform::fromTranslate(-viewport.center().x(), -viewport.center().y()) *
           QTransform::fromScale(s, s) *
           QTransform::fromTranslate(target.center().x(), target.center().y());
}

void StillLifePainter::paint(QPainter& painter, const QRectF& target,
                             const QRectF& viewport) const {
    painter.save();
    painter.setClipRect(target);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(mapping(target, viewport), true);
    for (const Shape& shape : m_shapes) {
        switch (shape.fill.kind) {
        case Fill::Kind::None:
            painter.setBrush(Qt::NoBrush);
            break;
        case Fill::Kind::Solid:
            painter.setBrush(shape.fill.color);
            break;
        case Fill::Kind::Linear: {
            QLinearGradient g(shape.fill.from, shape.fill.to);
            g.setStops(shape.fill.stops);
            painter.setBrush(g);
            break;
        }
        case Fill::Kind::Radial: {
            QRadialGradient g(shape.fill.from, shape.fill.radius, shape.fill.to);
            g.setStops(shape.fill.stops);
            painter.setBrush(g);
            break;
        }
        }
        if (shape.strokeWidth > 0)
            painter.setPen(
                QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            painter.setPen(Qt::NoPen);
        painter.drawPath(shape.path);
    }
    painter.restore();
}

QString StillLifePainter::svg(const QSize& size, const QRectF& viewport) const {
    QString out;
    QTextStream s(&out);
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size.width() << "\" height=\""
      << size.height() << "\" viewBox=\"" << svgNumber(viewport.x()) << ' '
      << svgNumber(viewport.y()) << ' ' << svgNumber(viewport.width()) << ' '
      << svgNumber(viewport.height()) << "\">\n";

    auto stops = [&s](const QGradientStops& list) {
        for (const auto& [at, color] : list) {
            s << "<stop offset=\"" << svgNumber(at) << "\" stop-color=\"" << svgColor(color) << '"';
            if (color.alpha() < 255)
                s << " stop-opacity=\"" << svgNumber(color.alphaF()) << '"';
            s << "/>";
        }
    };
    s << "<defs>\n";
    for (size_t i = 0; i < m_shapes.size(); ++i) {
        const Fill& f = m_shapes[i].fill;
        if (f.kind == Fill::Kind::Linear) {
            s << "<linearGradient id=\"g" << i << "\" gradientUnits=\"userSpaceOnUse\" x1=\""
              << svgNumber(f.from.x()) << "\" y1=\"" << svgNumber(f.from.y()) << "\" x2=\""
              << svgNumber(f.to.x()) << "\" y2=\"" << svgNumber(f.to.y()) << "\">";
            stops(f.stops);
            s << "</linearGradient>\n";
        } else if (f.kind == Fill::Kind::Radial) {
            s << "<radialGradient id=\"g" << i << "\" gradientUnits=\"userSpaceOnUse\" cx=\""
              << svgNumber(f.from.x()) << "\" cy=\"" << svgNumber(f.from.y()) << "\" r=\""
              << svgNumber(f.radius) << "\" fx=\"" << svgNumber(f.to.x()) << "\" fy=\""
              << svgNumber(f.to.y()) << "\">";
            stops(f.stops);
            s << "</radialGradient>\n";
        }
    }
    s << "</defs>\n";

    for (size_t i = 0; i < m_shapes.size(); ++i) {
        const Shape& shape = m_shapes[i];
        s << "<path d=\"" << svgPathData(shape.path) << '"';
        switch (shape.fill.kind) {
        case Fill::Kind::None:
            s << " fill=\"none\"";
            break;
        case Fill::Kind::Solid:
            s << " fill=\"" << svgColor(shape.fill.color) << '"';
            if (shape.fill.color.alpha() < 255)
                s << " fill-opacity=\"" << svgNumber(shape.fill.color.alphaF()) << '"';
            break;
        case Fill::Kind::Linear:
        case Fill::Kind::Radial:
            s << " fill=\"url(#g" << i << ")\"";
            break;
        }
        if (shape.fill.kind != Fill::Kind::None && shape.path.fillRule() == Qt::OddEvenFill)
            s << " fill-rule=\"evenodd\"";
        if (shape.strokeWidth > 0) {
            s << " stroke=\"" << svgColor(shape.stroke) << "\" stroke-width=\""
              << svgNumber(shape.strokeWidth)
              << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
            if (shape.stroke.alpha() < 255)
                s << " stroke-opacity=\"" << svgNumber(shape.stroke.alphaF()) << '"';
        }
        s << "/>\n";
    }
    s << "</svg>\n";
    return out;
}
