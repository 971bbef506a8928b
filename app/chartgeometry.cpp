#include "chartgeometry.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

ChartGeometry::ChartGeometry(const ChartDescription& chart, const QSizeF& size, const QFont& font)
    : m_chart(chart)
    , m_size(size)
    , m_font(font) {
    const QFontMetricsF metrics(font);
    m_lineHeight = metrics.height();
    const qreal top = std::round(m_lineHeight * 1.6);
    const qreal bottom = std::round(TickLength + 2 + 2 * m_lineHeight + 4);
    const qreal plotHeight = std::max<qreal>(1, size.height() - top - bottom);

    const int maxSteps = std::clamp(int(plotHeight / (2.2 * m_lineHeight)), 2, 8);
    m_scale = chartaxis::valueScale(chart.highestValue(), chart.minimumTop, maxSteps);
    m_decimals = chartaxis::decimalsFor(m_scale.step);
    const bool right = chart.hasRightAxis();
    if (right)
        m_rightDecimals = chartaxis::decimalsFor(m_scale.step * chart.rightFactor);

    qreal leftWidth = metrics.horizontalAdvance(chart.leftUnit);
    qreal rightWidth = right ? metrics.horizontalAdvance(chart.rightUnit) : 0;
    for (int k = 0; k <= valueSteps(); ++k) {
        const double value = k * m_scale.step;
        leftWidth =
            std::max(leftWidth, metrics.horizontalAdvance(chartaxis::valueText(value, m_decimals)));
        if (right)
            rightWidth = std::max(rightWidth, metrics.horizontalAdvance(chartaxis::valueText(
                                                  value * chart.rightFactor, m_rightDecimals)));
    }
    // The first and last time labels are centred on their ticks and must not be cut off.
    const qreal halfLabel = metrics.horizontalAdvance(u"00:00"_qs) / 2 + 2;
    const qreal left = std::ceil(std::max(leftWidth + 2 * AxisGap, halfLabel));
    const qreal rightMargin = std::ceil(right ? rightWidth + 2 * AxisGap : halfLabel);
    m_plot = QRectF(left, top, std::max<qreal>(1, size.width() - left - rightMargin), plotHeight);

    if (chart.hasData()) {
        qint64 first = chart.start.toMSecsSinceEpoch();
        qint64 last = chart.gridTime(chart.gridSize() - 1).toMSecsSinceEpoch();
        const auto include = [&](const QDateTime& at) {
            if (at.isValid()) {
                first = std::min(first, at.toMSecsSinceEpoch());
                last = std::max(last, at.toMSecsSinceEpoch());
            }
        };
        for (const ChartDescription::TimeLine& line : chart.timeLines)
            include(line.at);
        for (const ChartDescription::Mark& mark : chart.marks)
            include(mark.at);
        const qint64 padding = last > first ? (last - first) / 50 : 30 * 60 * 1000;
        m_first = first - padding;
        m_last = last + padding;
    } else {
        m_first = 0;
        m_last = 3600 * 1000;
    }
    const double minutes = double(m_last - m_first) / 60000;
    // Pixels one time label needs, gap to the next included.
    const QFontMetrics whole(font);
    const int labelSpacing = whole.horizontalAdvance(u"00:00"_qs) + 2 * whole.height();
    m_stepMinutes = chartaxis::timeStepMinutes(m_plot.width() / minutes, labelSpacing);
    m_maxTimeTicks = int(m_plot.width() / (metrics.horizontalAdvance(u"00:00"_qs) + 8));
    m_maxDayLines = int(m_plot.width() / 4);
}

int ChartGeometry::valueSteps() const {
    return int(std::lround(m_scale.top / m_scale.step));
}

QPointF ChartGeometry::toPixel(qint64 msecs, double value) const {
    const double x =
        m_plot.left() + double(msecs - m_first) / double(m_last - m_first) * m_plot.width();
    const double y = m_plot.bottom() - value / m_scale.top * m_plot.height();
    return {x, y};
}

QPointF ChartGeometry::toPixel(const QDateTime& moment, double value) const {
    return toPixel(moment.toMSecsSinceEpoch(), value);
}

double ChartGeometry::pixelsPerSecond() const {
    return 1000.0 / double(m_last - m_first) * m_plot.width();
}

QDateTime ChartGeometry::timeAtX(double x) const {
    const double fraction = (x - m_plot.left()) / m_plot.width();
    const qint64 msecs = m_first + qint64(std::llround(fraction * double(m_last - m_first)));
    return chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC),
                               m_chart.start.isValid() ? m_chart.start
                                                       : QDateTime::currentDateTime());
}

double ChartGeometry::valueAtY(double y) const {
    return (m_plot.bottom() - y) / m_plot.height() * m_scale.top;
}

QDateTime ChartGeometry::firstTime() const {
    if (!m_chart.hasData())
        return {};
    return chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(m_first, Qt::UTC), m_chart.start);
}

QDateTime ChartGeometry::lastTime() const {
    if (!m_chart.hasData())
        return {};
    return chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(m_last, Qt::UTC), m_chart.start);
}

QList<QDateTime> ChartGeometry::timeTicks() const {
    if (!m_chart.hasData())
        return {};
    return chartaxis::timeTicks(firstTime(), QDateTime::fromMSecsSinceEpoch(m_last, Qt::UTC),
                                m_stepMinutes, m_maxTimeTicks);
}

QList<QDateTime> ChartGeometry::dateTicks() const {
    if (!m_chart.hasData())
        return {};
    return chartaxis::midnights(firstTime(), QDateTime::fromMSecsSinceEpoch(m_last, Qt::UTC),
                                m_maxDayLines);
}

std::optional<int> ChartGeometry::indexAt(double x) const {
    if (!m_chart.hasData() || x < m_plot.left() - 0.5 || x > m_plot.right() + 0.5)
        return std::nullopt;
    const double msecs =
        double(m_first) + (x - m_plot.left()) / m_plot.width() * double(m_last - m_first);
    const double steps =
        (msecs - double(m_chart.start.toMSecsSinceEpoch())) / (1000.0 * m_chart.stepSeconds);
    const long index = std::lround(steps);
    if (index < 0 || index >= m_chart.gridSize() || m_chart.readoutLines(int(index)).isEmpty())
        return std::nullopt;
    return int(index);
}
