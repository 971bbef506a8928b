#include "chartpainter.h"

#include "contrast.h"

#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal MarkSize = 5; // from a mark's centre to its edge

// Grid index and value to pixels, linear in both.
struct Mapper {
    double x0 = 0, dx = 1, y0 = 0, ky = 1;
    QPointF at(qsizetype index, double value) const { return {x0 + index * dx, y0 - value * ky}; }
};

// Drops points that lie within `tolerance` pixels of the line through their kept neighbours
// (Douglas-Peucker): a smooth curve needs few segments, and stroking cost grows with them.
QPolygonF simplified(const QPolygonF& points, qreal tolerance) {
    if (points.size() < 3)
        return points;
    QList<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    QList<std::pair<qsizetype, qsizetype>> pending{{0, points.size() - 1}};
    while (!pending.isEmpty()) {
        const auto [a, b] = pending.takeLast();
        const QPointF chord = points[b] - points[a];
        const qreal length = std::hypot(chord.x(), chord.y());
        qreal worst = -1;
        qsizetype worstAt = -1;
        for (qsizetype i = a + 1; i < b; ++i) {
            const QPointF d = points[i] - points[a];
            const qreal distance = length > 0
                                       ? std::abs(chord.x() * d.y() - chord.y() * d.x()) / length
                                       : std::hypot(d.x(), d.y());
            if (distance > worst) {
                worst = distance;
                worstAt = i;
            }
        }
        if (worst > tolerance) {
            keep[worstAt] = true;
            pending.append({a, worstAt});
            pending.append({worstAt, b});
        }
    }
    QPolygonF result;
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (keep[i])
            result.append(points[i]);
    }
    return result;
}

// Pixel points of values[first, last). Denser than two values per pixel column, each column
// keeps only its lowest and highest value, in their order, so peaks and dips stay exact.
QPolygonF polyline(const QList<double>& values, qsizetype first, qsizetype last,
                   const Mapper& map) {
    constexpr qreal tolerance = 0.25;
    QPolygonF points;
    if (map.dx >= 0.5) {
        points.reserve(last - first);
        for (qsizetype i = first; i < last; ++i)
            points.append(map.at(i, values[i]));
        return simplified(points, tolerance);
    }
    const auto column = [&](qsizetype i) { return std::floor(map.x0 + i * map.dx); };
    QList<qsizetype> kept;
    kept.reserve(qsizetype(2 * (last - first) * map.dx) + 4);
    kept.append(first);
    qsizetype low = first, high = first;
    double current = column(first);
    const auto flush = [&] {
        for (const qsizetype i : {std::min(low, high), std::max(low, high)}) {
            if (kept.back() != i)
                kept.append(i);
        }
    };
    for (qsizetype i = first + 1; i < last; ++i) {
        const double c = column(i);
        if (c != current) {
            flush();
            current = c;
            low = high = i;
        } else if (values[i] < values[low]) {
            low = i;
        } else if (values[i] > values[high]) {
            high = i;
        }
    }
    flush();
    if (kept.back() != last - 1)
        kept.append(last - 1);
    points.reserve(kept.size());
    for (const qsizetype i : kept)
        points.append(map.at(i, values[i]));
    return simplified(points, tolerance);
}

// Stretches [first, last) where `valid` holds, so a gap breaks the line.
template <typename Valid> QList<std::pair<qsizetype, qsizetype>> runs(qsizetype size, Valid valid) {
    QList<std::pair<qsizetype, qsizetype>> result;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= size; ++i) {
        const bool ok = i < size && valid(i);
        if (ok && start < 0)
            start = i;
        if (!ok && start >= 0) {
            result.append({start, i});
            start = -1;
        }
    }
    return result;
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// `a` faded towards `b` by `amount` (0 keeps a), opaque.
QColor mix(const QColor& a, const QColor& b, qreal amount) {
    const auto channel = [&](qreal x, qreal y) { return int(std::lround(x + (y - x) * amount)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// A label with a light backing, so it stays readable over lines and the band.
void drawLabel(QPainter& painter, const QRectF& box, const QString& text, const QColor& textColour,
               const QColor& back) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(back, 215));
    painter.drawRoundedRect(box, 2, 2);
    painter.setPen(textColour);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

// A page or a printer has a resolution of its own: a font in pixels keeps the size it has on the
// screen, where the geometry measures it.
QFont screenSized(const QFont& font) {
    QFont result(font);
    if (result.pixelSize() <= 0)
        result.setPixelSize(std::max(1, QFontInfo(font).pixelSize()));
    return result;
}

} // namespace

ChartPainter::ChartPainter(QPainter& painter, const ChartGeometry& geometry,
                           const QPalette& palette)
    : m_painter(painter)
    , m_geometry(geometry)
    , m_chart(geometry.chart())
    , m_palette(palette)
    , m_metrics(geometry.font()) {}

void ChartPainter::paint(QPainter& painter, const QRectF& area, const ChartDescription& chart,
                         const QFont& font, const QPalette& palette, std::optional<int> cursor) {
    const QFont sized = screenSized(font);
    const ChartGeometry geometry(chart, area.size(), sized);
    painter.save();
    painter.translate(area.topLeft());
    painter.setFont(sized);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    ChartPainter(painter, geometry, palette).paint(cursor);
    painter.restore();
}

QColor ChartPainter::onThePlot(const QColor& wanted, double minimum) const {
    return contrast::readableOn(wanted.isValid() ? wanted : m_palette.color(QPalette::Text),
                                m_palette.color(QPalette::Base), minimum);
}

QColor ChartPainter::besideThePlot(const QColor& text) const {
    return contrast::readableOn(text, m_palette.color(QPalette::Window), contrast::ForText);
}

void ChartPainter::paint(std::optional<int> cursor) const {
    QPainter& painter = m_painter;
    const ChartGeometry& l = m_geometry;
    if (!m_chart.hasData()) {
        painter.setPen(besideThePlot(m_palette.color(QPalette::PlaceholderText)));
        painter.drawText(QRectF(QPointF(), l.size()).adjusted(8, 8, -8, -8),
                         Qt::AlignCenter | Qt::TextWordWrap, m_chart.emptyText);
        return;
    }
    painter.fillRect(l.plotRect(), m_palette.color(QPalette::Base));
    paintAxes();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.setClipRect(l.plotRect(), Qt::IntersectClip);
    paintBand();
    paintSeries();
    painter.restore();
    QList<QRectF> labels = paintLevelLines();
    if (const std::optional<QRectF> legend = paintLegend())
        labels.append(*legend);
    paintTimeLines();
    paintMarks(labels);
    if (cursor)
        paintCursor(*cursor);
}

void ChartPainter::paintAxes() const {
    QPainter& painter = m_painter;
    const ChartGeometry& l = m_geometry;
    const QRectF& plot = l.plotRect();
    // The labels lie beside the plot, on the window; the lines on the plot.
    const QColor text = besideThePlot(m_palette.color(QPalette::Text));
    const QColor base = m_palette.color(QPalette::Base);
    const qreal h = l.lineHeight();
    const bool right = m_chart.hasRightAxis();
    const QFontMetricsF& metrics = m_metrics;
    // Lines are collected and drawn in one call per colour, in opaque colours: blending many
    // separate lines costs far more than the lines themselves.
    QList<QLineF> gridLines, axisLines, dayLines;
    const auto crisp = [](qreal v) { return std::round(v) + 0.5; };

    // Values: gridlines, labels on both sides, units above them.
    painter.setPen(text);
    const int steps = l.valueSteps();
    for (int k = 0; k <= steps; ++k) {
        const double value = k * l.valueStep();
        const qreal y = crisp(l.toPixel(0, value).y());
        // The zero line is the baseline: solid and in the text colour.
        (k == 0 ? axisLines : gridLines).append(QLineF(plot.left(), y, plot.right(), y));
        painter.drawText(QRectF(0, y - h / 2, plot.left() - ChartGeometry::AxisGap, h),
                         Qt::AlignRight | Qt::AlignVCenter,
                         chartaxis::valueText(value, l.leftDecimals()));
        if (right)
            painter.drawText(
                QRectF(plot.right() + ChartGeometry::AxisGap, y - h / 2, l.size().width(), h),
                Qt::AlignLeft | Qt::AlignVCenter,
                chartaxis::valueText(value * m_chart.rightFactor, l.rightDecimals()));
    }
    const QRectF unitRow(0, 0, l.size().width(), plot.top() - h / 2);
    painter.drawText(
        unitRow.adjusted(0, 0, -(l.size().width() - plot.left() + ChartGeometry::AxisGap), 0),
        Qt::AlignRight | Qt::AlignVCenter, m_chart.leftUnit);
    if (right)
        painter.drawText(unitRow.adjusted(plot.right() + ChartGeometry::AxisGap, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, m_chart.rightUnit);
    axisLines.append(QLineF(crisp(plot.left()), plot.top(), crisp(plot.left()), plot.bottom()));
    if (right)
        axisLines.append(
            QLineF(crisp(plot.right() - 1), plot.top(), crisp(plot.right() - 1), plot.bottom()));

    // Time: clock labels in the first row below the plot, dates in the second.
    const qreal timeRow = plot.bottom() + ChartGeometry::TickLength + 2;
    const qreal dateRow = timeRow + h;
    for (const QDateTime& tick : l.timeTicks()) {
        const qreal x = crisp(l.toPixel(tick.toMSecsSinceEpoch(), 0).x());
        gridLines.append(QLineF(x, plot.top(), x, plot.bottom()));
        axisLines.append(QLineF(x, plot.bottom(), x, plot.bottom() + ChartGeometry::TickLength));
        const QString label = chartaxis::clockText(tick, m_chart.start);
        const qreal w = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(x - w / 2 - 1, timeRow, w + 2, h), Qt::AlignCenter, label);
    }

    // A change of date: a stronger line, labelled with the new day in the date row.
    qreal dateEnd = plot.left() - 1;
    const QList<QDateTime> days = l.dateTicks();
    const auto dateLabel = [&](qreal x, QDate date) {
        const QString label = chartaxis::dateText(date);
        const QRectF box(x, dateRow, metrics.horizontalAdvance(label) + 2, h);
        if (box.left() <= dateEnd || box.right() > l.size().width())
            return;
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, label);
        dateEnd = box.right() + metrics.horizontalAdvance(u' ');
    };
    const qreal firstMidnight =
        days.isEmpty() ? plot.right() : l.toPixel(days.front().toMSecsSinceEpoch(), 0).x();
    // The starting day, unless the first midnight comes so soon its label would crowd it.
    if (firstMidnight - plot.left() > metrics.horizontalAdvance(u"00 ммм."_qs) + 8) {
        painter.setPen(besideThePlot(mix(text, base, 0.45)));
        dateLabel(plot.left(), l.firstTime().date());
    }
    painter.setPen(text);
    for (const QDateTime& midnight : days) {
        const qreal x = crisp(l.toPixel(midnight.toMSecsSinceEpoch(), 0).x());
        // Through the plot and beside the date, but not through the clock label.
        dayLines.append(QLineF(x, plot.top(), x, plot.bottom() + ChartGeometry::TickLength));
        dayLines.append(QLineF(x, dateRow + 1, x, dateRow + h - 1));
        dateLabel(x + 3, chartaxis::inZoneOf(midnight, m_chart.start).date());
    }

    painter.setPen(QPen(mix(text, base, 0.85), 1));
    painter.drawLines(gridLines);
    painter.setPen(QPen(mix(text, base, 0.45), 1));
    painter.drawLines(dayLines);
    painter.setPen(QPen(text, 1));
    painter.drawLines(axisLines);
}

void ChartPainter::paintBand() const {
    QPainter& painter = m_painter;
    const ChartGeometry& l = m_geometry;
    if (!m_chart.band)
        return;
    const ChartDescription::Band& band = *m_chart.band;
    const QPointF origin = l.toPixel(m_chart.start.toMSecsSinceEpoch(), 0);
    const Mapper map{origin.x(), m_chart.stepSeconds * l.pixelsPerSecond(), origin.y(),
                     l.plotRect().height() / l.valueTop()};
    const qsizetype size = std::min(band.lower.size(), band.upper.size());
    QColor edge = band.fill;
    edge.setAlpha(255);
    edge = onThePlot(edge.darker(140), contrast::ForGraphics);
    const QPen edgePen(edge, 1, Qt::DashLine);
    for (const auto& [first, last] : runs(size, [&](qsizetype i) {
             return std::isfinite(band.lower[i]) && std::isfinite(band.upper[i]);
         })) {
        const QPolygonF upper = polyline(band.upper, first, last, map);
        const QPolygonF lower = polyline(band.lower, first, last, map);
        QPolygonF area = upper;
        area.reserve(upper.size() + lower.size());
        std::copy(lower.rbegin(), lower.rend(), std::back_inserter(area));
        painter.setPen(Qt::NoPen);
        painter.setBrush(band.fill);
        painter.drawPolygon(area);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(edgePen);
        painter.drawPolyline(upper);
        painter.drawPolyline(lower);
    }
}

void ChartPainter::paintSeries() const {
    QPainter& painter = m_painter;
    const ChartGeometry& l = m_geometry;
    const QPointF origin = l.toPixel(m_chart.start.toMSecsSinceEpoch(), 0);
    const Mapper map{origin.x(), m_chart.stepSeconds * l.pixelsPerSecond(), origin.y(),
                     l.plotRect().height() / l.valueTop()};
    const QColor base = m_palette.color(QPalette::Base);
    const QColor bandOnPlot =
        m_chart.band ? mix(base, withAlpha(m_chart.band->fill, 255), m_chart.band->fill.alphaF())
                     : base;
    // The first series is the main one: drawn last, on top.
    for (auto series = m_chart.series.crbegin(); series != m_chart.series.crend(); ++series) {
        QColor colour = onThePlot(series->colour, contrast::ForGraphics);
        // A curve runs through the band too, and stands out from it as well.
        if (m_chart.band)
            colour = contrast::readableOn(colour, bandOnPlot, contrast::ForGraphics);
        QPen pen(colour, series->width, series->style, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(pen);
        const QList<double>& values = series->values;
        for (const auto& [first, last] :
             runs(values.size(), [&](qsizetype i) { return std::isfinite(values[i]); })) {
            const QPolygonF points = polyline(values, first, last, map);
            if (points.size() == 1)
                painter.drawPoint(points.front());
            else
                painter.drawPolyline(points);
        }
    }
}

QList<QRectF> ChartPainter::paintLevelLines() const {
    QPainter& painter = m_painter;
    const ChartGeometry& l = m_geometry;
    const QFontMetricsF& metrics = m_metrics;
    QList<QRectF> labels;
    const QColor back = m_palette.color(QPalette::Base);
    for (const ChartDescription::LevelLine& line : m_chart.levelLines) {
        if (!std::isfinite(line.value) || line.value < 0 || line.value > l.valueTop())
            continue;
        // The label is written in the line's colour.
        const QColor colour = onThePlot(line.colour, contrast::ForText);
        const qreal y = l.toPixel(0, line.value).y();
        painter.setPen(QPen(colour, 1.5, line.style, Qt::FlatCap));
        painter.drawLine(QPointF(l.plotRect().left(), y), QPointF(l.plotRect().right(), y));
        if (line.label.isEmpty())
            continue;
        const qreal w = metrics.horizontalAdvance(line.label) + 6;
        QRectF box(l.plotRect().right() - 4 - w, y - 2 - l.lineHeight(), w, l.lineHeight());
        if (box.top() < l.plotRect().top())
            box.moveTop(y + 2);
        drawLabel(painter, box, line.label, colour, back);
        labels.append(box);
    }
    return labels;
}

void ChartPainter::paintTimeLines() const {
    QPainter& painter = m_painter;
    const ChartGeometry& l = m_geometry;
    const QFontMetricsF& metrics = m_metrics;
    for (const ChartDescription::TimeLine& line : m_chart.timeLines) {
        if (!line.at.isValid())
            continue;
        // The label is written above the plot, in the line's colour.
        const QColor colour = besideThePlot(onThePlot(line.colour, contrast::ForText));
        const qreal x = l.toPixel(line.at.toMSecsSinceEpoch(), 0).x();
        painter.setPen(QPen(colour, 1.5, line.style, Qt::FlatCap));
        painter.drawLine(QPointF(x, l.plotRect().top()), QPointF(x, l.plotRect().bottom()));
        if (line.label.isEmpty())
            continue;
        const qreal w = metrics.horizontalAdvance(line.label) + 2;
        const qreal left = std::clamp(x - w / 2, l.plotRect().left(), l.plotRect().right() - w);
        painter.setPen(colour);
        painter.drawText(QRectF(left, l.plotRect().top() - l.lineHeight() - 2, w, l.lineHeight()),
                         Qt::AlignCenter, line.label);
    }
}

QColor ChartPainter::markColour(const ChartDescription::Mark& mark) const {
    return mark.colour.isValid() ? onThePlot(mark.colour, contrast::ForGraphics)
                                 : m_palette.color(QPalette::Text);
}

void ChartPainter::paintMark(QPointF p, const ChartDescription::Mark& mark) const {
    QPainter& painter = m_painter;
    painter.setPen(QPen(m_palette.color(QPalette::Base), 1.5));
    painter.setBrush(markColour(mark));
    if (mark.shape == ChartDescription::Mark::Shape::Circle)
        painter.drawEllipse(p, MarkSize, MarkSize);
    else
        painter.drawPolygon(QPolygonF{p + QPointF(0, -MarkSize), p + QPointF(MarkSize, 0),
                                      p + QPointF(0, MarkSize), p + QPointF(-MarkSize, 0)});
    painter.setBrush(Qt::NoBrush);
}

std::optional<QRectF> ChartPainter::paintLegend() const {
    // The band's name with a swatch of its fill, then each named kind of mark in its shape, side
    // by side in the plot's top right corner.
    using Mark = ChartDescription::Mark;
    QList<std::pair<QString, const Mark*>> entries; // no mark: the band
    if (m_chart.band && !m_chart.band->name.isEmpty())
        entries.append({m_chart.band->name, nullptr});
    for (const Mark& mark : m_chart.marks) {
        if (!mark.legend.isEmpty() &&
            std::none_of(entries.begin(), entries.end(),
                         [&](const auto& e) { return e.second && e.first == mark.legend; }))
            entries.append({mark.legend, &mark});
    }
    if (entries.isEmpty())
        return std::nullopt;
    const ChartGeometry& l = m_geometry;
    const qreal swatch = m_metrics.height() * 0.9;
    constexpr qreal between = 6;
    qreal width = -between;
    for (const auto& entry : entries)
        width += 4 + swatch + 4 + m_metrics.horizontalAdvance(entry.first) + 4 + between;
    // Under a large font the band's name may not fit beside the others: it is cut short rather
    // than run out of the plot over the axis.
    const qreal room = l.plotRect().width() - 8;
    if (width > room && !entries.front().second) {
        QString& name = entries.front().first;
        const qreal before = m_metrics.horizontalAdvance(name);
        name = m_metrics.elidedText(name, Qt::ElideRight, std::max(0.0, before - (width - room)));
        width -= before - m_metrics.horizontalAdvance(name);
    }
    const QSizeF size(width, l.lineHeight());
    const QRectF box(QPointF(l.plotRect().right() - size.width() - 4, l.plotRect().top() + 4),
                     size);
    QPainter& painter = m_painter;
    drawLabel(painter, box, QString(), m_palette.color(QPalette::Text),
              m_palette.color(QPalette::Base));
    painter.save();
    qreal x = box.left();
    for (const auto& [name, mark] : entries) {
        const QRectF sample(x + 4, box.center().y() - swatch / 2, swatch, swatch);
        if (mark) {
            paintMark(sample.center(), *mark);
        } else {
            QColor edge = m_chart.band->fill;
            edge.setAlpha(255);
            painter.setPen(QPen(edge.darker(140), 1, Qt::DashLine));
            painter.setBrush(m_chart.band->fill);
            painter.drawRect(sample.adjusted(0, swatch / 6, 0, -swatch / 6));
        }
        const qreal w = m_metrics.horizontalAdvance(name);
        painter.setPen(m_palette.color(QPalette::Text));
        painter.drawText(QRectF(sample.right() + 4, box.top(), w + 1, box.height()),
                         Qt::AlignVCenter | Qt::AlignLeft, name);
        x = sample.right() + 4 + w + 4 + between;
    }
    painter.restore();
    return box;
}

void ChartPainter::paintMarks(QList<QRectF> taken) const {
    QPainter& painter = m_painter;
    const ChartGeometry& l = m_geometry;
    const QFontMetricsF& metrics = m_metrics;
    const QColor back = m_palette.color(QPalette::Base);
    constexpr qreal size = MarkSize;
    for (const ChartDescription::Mark& mark : m_chart.marks) {
        if (mark.at.isValid() && std::isfinite(mark.value))
            taken.append(QRectF(QPointF(), QSizeF(2 * size, 2 * size))
                             .translated(l.toPixel(mark.at.toMSecsSinceEpoch(), mark.value) -
                                         QPointF(size, size)));
    }
    for (const ChartDescription::Mark& mark : m_chart.marks) {
        if (!mark.at.isValid() || !std::isfinite(mark.value))
            continue;
        const QPointF p = l.toPixel(mark.at.toMSecsSinceEpoch(), mark.value);
        paintMark(p, mark);
        if (mark.label.isEmpty())
            continue;
        // Above right first; then the other corners; the label stays inside the plot and off
        // the other marks and labels where it can.
        const QSizeF box(metrics.horizontalAdvance(mark.label) + 6, l.lineHeight());
        const qreal gap = size + 2;
        const QList<QRectF> places{
            QRectF(QPointF(p.x() + gap, p.y() - gap - box.height()), box),
            QRectF(QPointF(p.x() - gap - box.width(), p.y() - gap - box.height()), box),
            QRectF(QPointF(p.x() - box.width() / 2, p.y() - gap - box.height()), box),
            QRectF(QPointF(p.x() + gap, p.y() + gap), box),
            QRectF(QPointF(p.x() - gap - box.width(), p.y() + gap), box),
        };
        const auto inside = [&](const QRectF& r) { return l.plotRect().contains(r); };
        const auto free = [&](const QRectF& r) {
            return std::none_of(taken.begin(), taken.end(),
                                [&](const QRectF& t) { return t.intersects(r); });
        };
        auto chosen = std::find_if(places.begin(), places.end(),
                                   [&](const QRectF& r) { return inside(r) && free(r); });
        if (chosen == places.end())
            chosen = std::find_if(places.begin(), places.end(), inside);
        QRectF label = chosen != places.end() ? *chosen : places.front();
        label.moveLeft(
            std::clamp(label.left(), l.plotRect().left(), l.plotRect().right() - label.width()));
        label.moveTop(
            std::clamp(label.top(), l.plotRect().top(), l.plotRect().bottom() - label.height()));
        taken.append(label);
        // A coloured mark's label is written in its colour, as readable as text.
        const QColor text = mark.colour.isValid() ? onThePlot(mark.colour, contrast::ForText)
                                                  : m_palette.color(QPalette::Text);
        drawLabel(painter, label, mark.label, text, back);
    }
}

void ChartPainter::paintCursor(int index) const {
    QPainter& painter = m_painter;
    const ChartGeometry& l = m_geometry;
    const QStringList lines = m_chart.readoutLines(index);
    if (lines.isEmpty())
        return;
    const QColor text = m_palette.color(QPalette::ToolTipText);
    const QPointF p = l.toPixel(m_chart.gridTime(index), m_chart.series.front().values[index]);
    painter.setPen(QPen(withAlpha(m_palette.color(QPalette::Text), 160), 1));
    painter.drawLine(QPointF(p.x(), l.plotRect().top()), QPointF(p.x(), l.plotRect().bottom()));
    painter.setPen(QPen(m_palette.color(QPalette::Base), 1.5));
    painter.setBrush(m_chart.series.front().colour.isValid() ? m_chart.series.front().colour
                                                             : text);
    painter.drawEllipse(p, 4, 4);

    const QFontMetricsF& metrics = m_metrics;
    qreal w = 0;
    for (const QString& line : lines)
        w = std::max(w, metrics.horizontalAdvance(line));
    const QSizeF size(w + 12, lines.size() * l.lineHeight() + 8);
    QRectF box(QPointF(p.x() + 10, l.plotRect().top() + 6), size);
    if (box.right() > l.plotRect().right())
        box.moveRight(p.x() - 10);
    box.moveLeft(std::max(box.left(), l.plotRect().left() + 2));
    painter.setPen(withAlpha(text, 120));
    painter.setBrush(withAlpha(m_palette.color(QPalette::ToolTipBase), 235));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(text);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(
            QRectF(box.left() + 6, box.top() + 4 + i * l.lineHeight(), w + 1, l.lineHeight()),
            Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    painter.setBrush(Qt::NoBrush);
}
