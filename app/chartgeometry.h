#pragma once

#include "chartaxis.h"
#include "chartdescription.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>

// Where everything of a chart goes at one size: the plot's rectangle inside the margins the
// labels need in `font`, the value and time scales, the ticks and the mapping between pixels
// and (time, value). Computed once for each paint or pointer position; the chart's top left
// corner is (0, 0).
class ChartGeometry {
public:
    // Between an axis and its labels, and the ticks below the plot.
    static constexpr qreal AxisGap = 6;
    static constexpr qreal TickLength = 4;

    ChartGeometry(const ChartDescription& chart, const QSizeF& size, const QFont& font);

    const ChartDescription& chart() const { return m_chart; }
    QSizeF size() const { return m_size; }
    const QFont& font() const { return m_font; }
    qreal lineHeight() const { return m_lineHeight; }

    QRectF plotRect() const { return m_plot; }
    QPointF toPixel(const QDateTime& moment, double value) const;
    QPointF toPixel(qint64 msecs, double value) const;
    QDateTime timeAtX(double x) const;
    double valueAtY(double y) const;
    double pixelsPerSecond() const;

    // The left and right ends of the time axis, in the zone of the grid; nothing without data.
    QDateTime firstTime() const;
    QDateTime lastTime() const;

    double valueTop() const { return m_scale.top; }
    double valueStep() const { return m_scale.step; }
    int valueSteps() const; // gridlines above the zero line
    int leftDecimals() const { return m_decimals; }
    int rightDecimals() const { return m_rightDecimals; }

    int timeStepMinutes() const { return m_stepMinutes; }
    // Clock labels, and the midnights between days: no more than fit, whatever the span.
    QList<QDateTime> timeTicks() const;
    QList<QDateTime> dateTicks() const;

    // The grid point nearest to x that has a readout; nothing outside the plot.
    std::optional<int> indexAt(double x) const;

private:
    ChartDescription m_chart; // implicitly shared: a copy costs nothing
    QSizeF m_size;
    QFont m_font;
    qreal m_lineHeight = 0;
    QRectF m_plot;
    qint64 m_first = 0; // msecs since the epoch at the plot's left and right edges
    qint64 m_last = 1;
    chartaxis::ValueScale m_scale;
    int m_decimals = 0;
    int m_rightDecimals = 0;
    int m_stepMinutes = 60;
    // Over a span of years the step's ticks would crowd: no more clock labels than fit side by
    // side, no more day lines than leave a few pixels between them.
    int m_maxTimeTicks = chartaxis::MaxTicks;
    int m_maxDayLines = chartaxis::MaxTicks;
};
