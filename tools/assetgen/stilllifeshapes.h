#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <initializer_list>

// The still life's outlines and the design-space landmarks they stand on, in the 240 × 187
// design space of StillLifePainter. Plain geometry: colour and placement are the painter's.
namespace stilllifeshapes {

// Design-space landmarks shared by the objects.
inline constexpr qreal tableTop = 150;
inline constexpr qreal standLine = 162; // where the objects stand
inline constexpr qreal bottleX = 82;
inline constexpr qreal glassX = 146;
inline constexpr qreal onionX = 199;
inline constexpr qreal glassRim = 121;
inline constexpr qreal glassTopHalf = 17;
inline constexpr qreal glassFootHalf = 12.5;

QPainterPath polygonPath(std::initializer_list<QPointF> points);
QPainterPath linePath(QPointF from, QPointF to);
QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry);
QPainterPath rectPath(const QRectF& rect);

// `text` in stroke letters, its cells `height` high, centred on `centre`. Only the letters of
// the bottle's label are drawn.
QPainterPath lettering(const QString& text, QPointF centre, qreal height);
// A four-pointed star, the glint of light on glass.
QPainterPath sparkle(QPointF c, qreal arm);
// A sprout leaf: a narrow blade from `base` to `tip`, bowed sideways by `bend`.
QPainterPath leaf(QPointF base, QPointF tip, qreal halfWidth, qreal bend);

QPainterPath bottleOutline();
QPainterPath glassOutline();
// Half width of the glass at height y, on its outer surface.
qreal glassHalfAt(qreal y);

} // namespace stilllifeshapes
