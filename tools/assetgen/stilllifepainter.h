#pragma once

#include <QColor>
#include <QGradientStops>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <vector>

class QPainter;

// The still life of a vodka bottle, a shot glass and an onion. It is built once as a list of
// vector shapes in a 240 × 187 design space; every picture that shows it (the window pictures,
// the animation frames, the window and program icons, the SVG icon) scales that one list, so
// all sizes match and the animation frames differ only where the options say.
class StillLifePainter {
public:
    enum class Backdrop {
        Pale, // light and low in contrast: window text is read over it
        Blue, // vivid objects on title-bar blue, for icons
    };

    struct Options {
        Backdrop backdrop = Backdrop::Pale;
        // 0 is the resting highlight on the glass; 1 and 2 move it across the glass and add a
        // sparkle. Nothing but the glass depends on it.
        int shimmer = 0;
        // Icon sizes: bolder outlines, no lettering or fine lines that would only blur.
        bool miniature = false;
    };

    explicit StillLifePainter(const Options& options);

    static QRectF scene() { return {0, 0, 240, 187}; }
    // Design-space area covered by the bottle, the glass and the onion with their shadows.
    QRectF objects() const { return m_objects; }
    // Design-space area that the shimmer may change.
    QRectF glassArea() const { return m_glassArea; }
    // The objects' area grown to the aspect ratio of a target of the given size, with a margin
    // in design units, for pictures that show the objects alone.
    QRectF framing(const QSizeF& target, qreal margin) const;

    // Maps the design-space area `viewport` into `target`, scaled uniformly and centred.
    static QTransform mapping(const QRectF& target, const QRectF& viewport);
    // Draws `viewport` into `target` by `mapping`; the backdrop reaches beyond the scene, so a
    // target of another aspect ratio is still filled.
    void paint(QPainter& painter, const QRectF& target, const QRectF& viewport = scene()) const;
    // The same drawing as a standalone SVG document of the given pixel size.
    QString svg(const QSize& size, const QRectF& viewport) const;

private:
    struct Fill {
        enum class Kind { None, Solid, Linear, Radial };
        Kind kind = Kind::None;
        QColor color;
        QPointF from; // linear: start; radial: centre
        QPointF to;   // linear: end; radial: focal point
        qreal radius = 0;
        QGradientStops stops;
    };
    struct Shape {
        QPainterPath path;
        Fill fill;
        QColor stroke;
        qreal strokeWidth = 0;
    };

    void addBackdrop();
    void addShadow(QPointF centre, qreal rx, qreal ry);
    // Makes the shapes added next stand at `to` instead of `anchor`, scaled by `scale`; the
    // miniature enlarges the small objects so they still read at icon size. Returns the
    // placed `bounds`.
    QRectF place(QPointF anchor, QPointF to, qreal scale, const QRectF& bounds);
    void addBottle();
    void addGlass();
    void addOnion();

    void add(const QPainterPath& path, const Fill& fill, const QColor& stroke = {},
             qreal strokeWidth = 0);
    void addStroke(const QPainterPath& path, const QColor& stroke, qreal width);

    QColor tone(const QColor& color) const;
    Fill solid(const QColor& color) const;
    Fill linear(QPointF from, QPointF to, const QGradientStops& stops) const;
    Fill radial(QPointF centre, qreal radius, QPointF focal, const QGradientStops& stops) const;

    Options m_options;
    qreal m_line; // outline width in design units
    QTransform m_place;
    QRectF m_objects;
    QRectF m_glassArea;
    std::vector<Shape> m_shapes;
};
