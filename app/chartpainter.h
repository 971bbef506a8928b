#pragma once

#include "chartgeometry.h"

#include <QFontMetricsF>
#include <QList>
#include <QPalette>
#include <QRectF>

#include <optional>

class QPainter;

// Draws a chart as its geometry lays it out: axes, band, series, level and time lines, marks
// and the cursor's readout, or the empty text without data. The same picture on the screen, a
// PDF page, a printer or an image. The chart's own colours are kept where they stand out from
// the palette's plot (Base) and window; elsewhere they are made lighter or darker until they do.
class ChartPainter {
public:
    // The painter's origin is the chart's top left corner and its font the geometry's.
    ChartPainter(QPainter& painter, const ChartGeometry& geometry, const QPalette& palette);

    void paint(std::optional<int> cursor = std::nullopt) const;

    // Lays `chart` out for `area` and paints it there, on any device: text keeps the size
    // `font` has on the screen, whatever the device's resolution.
    static void paint(QPainter& painter, const QRectF& area, const ChartDescription& chart,
                      const QFont& font, const QPalette& palette,
                      std::optional<int> cursor = std::nullopt);

private:
    void paintAxes() const;
    void paintBand() const;
    void paintSeries() const;
    // Returns where the labels went, for the marks to keep clear of.
    QList<QRectF> paintLevelLines() const;
    void paintTimeLines() const;
    // The legend of the band and the named marks; where it went, for the marks to keep clear of.
    std::optional<QRectF> paintLegend() const;
    void paintMarks(QList<QRectF> taken) const;
    // One mark's shape, centred on `p`.
    void paintMark(QPointF p, const ChartDescription::Mark& mark) const;
    QColor markColour(const ChartDescription::Mark& mark) const;
    void paintCursor(int index) const;
    // A colour of the chart, or the text's, standing out from the plot by `minimum`.
    QColor onThePlot(const QColor& wanted, double minimum) const;
    // Text beside the plot, readable on the window around it.
    QColor besideThePlot(const QColor& text) const;

    QPainter& m_painter;
    const ChartGeometry& m_geometry;
    const ChartDescription& m_chart;
    const QPalette& m_palette;
    QFontMetricsF m_metrics;
};
