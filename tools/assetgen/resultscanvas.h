#pragma once

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <initializer_list>

// A small picture painted at four times its size and reduced on saving, so that thin lines and
// the scaled emoji glyphs come out smooth at the real size. Coordinates are in final pixels.
class ResultsCanvas {
public:
    ResultsCanvas(int width, int height);

    QPainter& painter() { return m_painter; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Draws a colour emoji glyph scaled to the given height (in final pixels), centred on centre,
    // turned clockwise by degrees and, if mirrored, flipped left to right.
    void emoji(const QString& glyph, QPointF centre, qreal height, qreal degrees = 0,
               bool mirrored = false);
    // A round-capped stroke through the points: arms, legs, rails, poles.
    void stroke(std::initializer_list<QPointF> points, qreal width, const QColor& color);
    // Hair over the top of a face circle: a cap with a fringe, so a smiley reads as a person.
    void hair(QPointF centre, qreal radius, qreal degrees, const QColor& color);

    // Reduces to the final size and writes an uncompressed 24-bit BMP.
    bool save(const QDir& folder, const QString& fileName);

    // True when the emoji font is installed and really paints in colour; without it the
    // pictures would silently come out different, so the generator refuses to run.
    static bool emojiAvailable();

    static constexpr int scale = 4;

private:
    int m_width;
    int m_height;
    QImage m_image;
    QPainter m_painter;
};
