#include "chartwidget.h"

#include "chartaxis.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>

struct ChartWidget::Layout {
    QRectF plot;
    qint64 first = 0; // msecs since the epoch at the plot's left and right edges
    qint64 last = 1;
    chartaxis::ValueScale scale;
    int decimals = 0;
    int rightDecimals = 0;
    int stepMinutes = 60;
    // Over a span of years the step's ticks would crowd: no more clock labels than fit side by
    // side, no more day lines than leave a few pixels between them.
    int maxTimeTicks = chartaxis::MaxTicks;
    int maxDayLines = chartaxis::MaxTicks;
    qreal lineHeight = 0;
};

namespace {

constexpr qreal axisGap = 6;
constexpr qreal tickLength = 4;

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

QString withUnit(const QString& number, const QString& unit) {
    return unit.isEmpty() ? number : number + u' ' + unit;
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

} // namespace

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(u"График"_qs);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartWidget::setGrid(const QDateTime& start, int stepSeconds) {
    m_start = start;
    m_step = stepSeconds;
    dataChanged();
}

void ChartWidget::setSeries(const QList<Series>& series) {
    m_series = series;
    dataChanged();
}

void ChartWidget::setBand(const std::optional<Band>& band) {
    m_band = band;
    dataChanged();
}

void ChartWidget::setLevelLines(const QList<LevelLine>& lines) {
    m_levelLines = lines;
    dataChanged();
}

void ChartWidget::setTimeLines(const QList<TimeLine>& lines) {
    m_timeLines = lines;
    dataChanged();
}

void ChartWidget::setMarks(const QList<Mark>& marks) {
    m_marks = marks;
    dataChanged();
}

void ChartWidget::setLeftAxis(const QString& unit) {
    m_leftUnit = unit;
    dataChanged();
}

void ChartWidget::setRightAxis(const QString& unit, double factor) {
    m_rightUnit = unit;
    m_rightFactor = factor;
    dataChanged();
}

void ChartWidget::setMinimumTop(double value) {
    m_minimumTop = value;
    update();
}

void ChartWidget::setValueDecimals(int decimals) {
    m_decimals = std::clamp(decimals, 0, 6);
    dataChanged();
}

void ChartWidget::setEmptyText(const QString& text) {
    m_emptyText = text;
    update();
}

void ChartWidget::clear() {
    m_start = {};
    m_step = 0;
    m_series.clear();
    m_band.reset();
    m_levelLines.clear();
    m_timeLines.clear();
    m_marks.clear();
    dataChanged();
}

void ChartWidget::dataChanged() {
    // A cursor still on the grid stays where the user put it; its text may have changed.
    const bool shown = m_cursor.has_value();
    if (m_cursor && *m_cursor >= gridSize())
        m_cursor.reset();
    if (shown)
        emit readoutChanged(readout().value_or(QString()));
    update();
}

bool ChartWidget::hasData() const {
    return m_start.isValid() && m_step > 0 && gridSize() > 0;
}

int ChartWidget::gridSize() const {
    qsizetype size = 0;
    for (const Series& series : m_series)
        size = std::max(size, series.values.size());
    if (m_band)
        size = std::max({size, m_band->lower.size(), m_band->upper.size()});
    return int(size);
}

QDateTime ChartWidget::gridTime(int index) const {
    return m_start.addSecs(qint64(index) * m_step);
}

ChartWidget::Layout ChartWidget::layout() const {
    Layout result;
    const QFontMetricsF metrics(font());
    result.lineHeight = metrics.height();
    const qreal top = std::round(result.lineHeight * 1.6);
    const qreal bottom = std::round(tickLength + 2 + 2 * result.lineHeight + 4);
    const qreal plotHeight = std::max<qreal>(1, height() - top - bottom);

    double maximum = 0;
    const auto include = [&](double value) {
        if (std::isfinite(value))
            maximum = std::max(maximum, value);
    };
    for (const Series& series : m_series)
        std::for_each(series.values.begin(), series.values.end(), include);
    if (m_band) {
        std::for_each(m_band->lower.begin(), m_band->lower.end(), include);
        std::for_each(m_band->upper.begin(), m_band->upper.end(), include);
    }
    for (const LevelLine& line : m_levelLines)
        include(line.value);
    for (const Mark& mark : m_marks)
        include(mark.value);
    const int maxSteps = std::clamp(int(plotHeight / (2.2 * result.lineHeight)), 2, 8);
    result.scale = chartaxis::valueScale(maximum, m_minimumTop, maxSteps);
    result.decimals = chartaxis::decimalsFor(result.scale.step);
    const bool right = m_rightFactor > 0;
    if (right)
        result.rightDecimals = chartaxis::decimalsFor(result.scale.step * m_rightFactor);

    const int steps = int(std::lround(result.scale.top / result.scale.step));
    qreal leftWidth = metrics.horizontalAdvance(m_leftUnit);
    qreal rightWidth = right ? metrics.horizontalAdvance(m_rightUnit) : 0;
    for (int k = 0; k <= steps; ++k) {
        const double value = k * result.scale.step;
        leftWidth = std::max(
            leftWidth, metrics.horizontalAdvance(chartaxis::valueText(value, result.decimals)));
        if (right)
            rightWidth = std::max(rightWidth, metrics.horizontalAdvance(chartaxis::valueText(
                                                  value * m_rightFactor, result.rightDecimals)));
    }
    // The first and last time labels are centred on their ticks and must not be cut off.
    const qreal halfLabel = metrics.horizontalAdvance(u"00:00"_qs) / 2 + 2;
    const qreal left = std::ceil(std::max(leftWidth + 2 * axisGap, halfLabel));
    const qreal rightMargin = std::ceil(right ? rightWidth + 2 * axisGap : halfLabel);
    result.plot = QRectF(left, top, std::max<qreal>(1, width() - left - rightMargin), plotHeight);

    if (hasData()) {
        qint64 first = m_start.toMSecsSinceEpoch();
        qint64 last = gridTime(gridSize() - 1).toMSecsSinceEpoch();
        for (const TimeLine& line : m_timeLines) {
            if (line.at.isValid()) {
                first = std::min(first, line.at.toMSecsSinceEpoch());
                last = std::max(last, line.at.toMSecsSinceEpoch());
            }
        }
        for (const Mark& mark : m_marks) {
            if (mark.at.isValid()) {
                first = std::min(first, mark.at.toMSecsSinceEpoch());
                last = std::max(last, mark.at.toMSecsSinceEpoch());
            }
        }
        const qint64 padding = last > first ? (last - first) / 50 : 30 * 60 * 1000;
        result.first = first - padding;
        result.last = last + padding;
    } else {
        result.first = 0;
        result.last = 3600 * 1000;
    }
    const double minutes = double(result.last - result.first) / 60000;
    result.stepMinutes =
        chartaxis::timeStepMinutes(result.plot.width() / minutes, timeLabelSpacing());
    result.maxTimeTicks = int(result.plot.width() / (metrics.horizontalAdvance(u"00:00"_qs) + 8));
    result.maxDayLines = int(result.plot.width() / 4);
    return result;
}

int ChartWidget::timeLabelSpacing() const {
    const QFontMetrics metrics(font());
    return metrics.horizontalAdvance(u"00:00"_qs) + 2 * metrics.height();
}

QRectF ChartWidget::plotRect() const {
    return layout().plot;
}

QPointF ChartWidget::toPixel(const Layout& layout, qint64 msecs, double value) const {
    const QRectF& plot = layout.plot;
    const double x = plot.left() + double(msecs - layout.first) /
                                       double(layout.last - layout.first) * plot.width();
    const double y = plot.bottom() - value / layout.scale.top * plot.height();
    return {x, y};
}

QPointF ChartWidget::toPixel(const QDateTime& moment, double value) const {
    return toPixel(layout(), moment.toMSecsSinceEpoch(), value);
}

QDateTime ChartWidget::timeAtX(double x) const {
    const Layout l = layout();
    const double fraction = (x - l.plot.left()) / l.plot.width();
    const qint64 msecs = l.first + qint64(std::llround(fraction * double(l.last - l.first)));
    return chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC),
                               m_start.isValid() ? m_start : QDateTime::currentDateTime());
}

double ChartWidget::valueAtY(double y) const {
    const Layout l = layout();
    return (l.plot.bottom() - y) / l.plot.height() * l.scale.top;
}

QDateTime ChartWidget::firstTime() const {
    return hasData() ? chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(layout().first, Qt::UTC),
                                           m_start)
                     : QDateTime();
}

QDateTime ChartWidget::lastTime() const {
    return hasData() ? chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(layout().last, Qt::UTC),
                                           m_start)
                     : QDateTime();
}

double ChartWidget::valueTop() const {
    return layout().scale.top;
}

double ChartWidget::valueStep() const {
    return layout().scale.step;
}

int ChartWidget::timeStepMinutes() const {
    return layout().stepMinutes;
}

QList<QDateTime> ChartWidget::timeTicks() const {
    if (!hasData())
        return {};
    const Layout l = layout();
    return chartaxis::timeTicks(
        chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(l.first), m_start),
        QDateTime::fromMSecsSinceEpoch(l.last), l.stepMinutes, l.maxTimeTicks);
}

QList<QDateTime> ChartWidget::dateTicks() const {
    if (!hasData())
        return {};
    const Layout l = layout();
    return chartaxis::midnights(
        chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(l.first), m_start),
        QDateTime::fromMSecsSinceEpoch(l.last), l.maxDayLines);
}

std::optional<int> ChartWidget::indexAt(const Layout& layout, double x) const {
    if (!hasData() || x < layout.plot.left() - 0.5 || x > layout.plot.right() + 0.5)
        return std::nullopt;
    const double msecs = double(layout.first) + (x - layout.plot.left()) / layout.plot.width() *
                                                    double(layout.last - layout.first);
    const double steps = (msecs - double(m_start.toMSecsSinceEpoch())) / (1000.0 * m_step);
    const long index = std::lround(steps);
    if (index < 0 || index >= gridSize() || readoutLines(int(index)).isEmpty())
        return std::nullopt;
    return int(index);
}

QStringList ChartWidget::readoutLines(int index) const {
    if (!hasData() || m_series.isEmpty() || index < 0 || index >= m_series.front().values.size())
        return {};
    const double value = m_series.front().values[index];
    if (!std::isfinite(value))
        return {};
    QString line = chartaxis::clockText(gridTime(index), m_start) + u" — "_qs +
                   withUnit(chartaxis::valueText(value, m_decimals), m_leftUnit);
    if (m_rightFactor > 0)
        line += u" ("_qs +
                withUnit(chartaxis::valueText(value * m_rightFactor, m_decimals), m_rightUnit) +
                u')';
    QStringList lines{line};
    if (m_band && index < m_band->lower.size() && index < m_band->upper.size() &&
        std::isfinite(m_band->lower[index]) && std::isfinite(m_band->upper[index])) {
        lines.append(u"от "_qs + chartaxis::valueText(m_band->lower[index], m_decimals) +
                     u" до "_qs +
                     withUnit(chartaxis::valueText(m_band->upper[index], m_decimals), m_leftUnit));
    }
    return lines;
}

std::optional<QString> ChartWidget::readoutAt(double x) const {
    const std::optional<int> index = indexAt(layout(), x);
    if (!index)
        return std::nullopt;
    return readoutLines(*index).join(u"; "_qs);
}

std::optional<QString> ChartWidget::readout() const {
    if (!m_cursor)
        return std::nullopt;
    const QStringList lines = readoutLines(*m_cursor);
    if (lines.isEmpty())
        return std::nullopt;
    return lines.join(u"; "_qs);
}

void ChartWidget::moveCursorTo(std::optional<int> index) {
    if (index == m_cursor)
        return;
    m_cursor = index;
    update();
    emit readoutChanged(readout().value_or(QString()));
}

QSize ChartWidget::minimumSizeHint() const {
    return {400, 250};
}

QSize ChartWidget::sizeHint() const {
    return {720, 420};
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    moveCursorTo(indexAt(layout(), event->position().x()));
    QWidget::mouseMoveEvent(event);
}

void ChartWidget::leaveEvent(QEvent* event) {
    moveCursorTo(std::nullopt);
    QWidget::leaveEvent(event);
}

void ChartWidget::focusOutEvent(QFocusEvent* event) {
    // The keyboard cursor belongs to the focus; a hovering mouse sets its own again.
    if (!underMouse())
        moveCursorTo(std::nullopt);
    QWidget::focusOutEvent(event);
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
    const int size = m_series.isEmpty() ? 0 : int(m_series.front().values.size());
    if (!hasData() || size == 0 || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Ten minutes a key press, whatever the grid step.
    const int stride = std::max(1, int(std::lround(600.0 / m_step)));
    // The first press starts at the first time line on the grid (usually "now").
    int start = 0;
    for (const TimeLine& line : m_timeLines) {
        const double steps = double(m_start.msecsTo(line.at)) / (1000.0 * m_step);
        if (line.at.isValid() && steps >= 0 && steps <= size - 1) {
            start = int(std::lround(steps));
            break;
        }
    }
    switch (event->key()) {
    case Qt::Key_Right:
        moveCursorTo(m_cursor ? std::min(size - 1, *m_cursor + stride) : start);
        break;
    case Qt::Key_Left:
        moveCursorTo(m_cursor ? std::max(0, *m_cursor - stride) : start);
        break;
    case Qt::Key_Home:
        moveCursorTo(0);
        break;
    case Qt::Key_End:
        moveCursorTo(size - 1);
        break;
    case Qt::Key_Escape:
        if (!m_cursor) {
            QWidget::keyPressEvent(event);
            return;
        }
        moveCursorTo(std::nullopt);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!hasData()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         m_emptyText);
    } else {
        const Layout l = layout();
        painter.fillRect(l.plot, palette().color(QPalette::Base));
        paintAxes(painter, l);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.save();
        painter.setClipRect(l.plot);
        paintBand(painter, l);
        paintSeries(painter, l);
        painter.restore();
        const QList<QRectF> labels = paintLevelLines(painter, l);
        paintTimeLines(painter, l);
        paintMarks(painter, l, labels);
        paintCursor(painter, l);
    }
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DashLine);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ChartWidget::paintAxes(QPainter& painter, const Layout& l) const {
    const QRectF& plot = l.plot;
    const QColor text = palette().color(QPalette::Text);
    const QColor base = palette().color(QPalette::Base);
    const qreal h = l.lineHeight;
    const bool right = m_rightFactor > 0;
    const QFontMetricsF metrics(font());
    // Lines are collected and drawn in one call per colour, in opaque colours: blending many
    // separate lines costs far more than the lines themselves.
    QList<QLineF> gridLines, axisLines, dayLines;
    const auto crisp = [](qreal v) { return std::round(v) + 0.5; };

    // Values: gridlines, labels on both sides, units above them.
    painter.setPen(text);
    const int steps = int(std::lround(l.scale.top / l.scale.step));
    for (int k = 0; k <= steps; ++k) {
        const double value = k * l.scale.step;
        const qreal y = crisp(toPixel(l, l.first, value).y());
        // The zero line is the baseline: solid and in the text colour.
        (k == 0 ? axisLines : gridLines).append(QLineF(plot.left(), y, plot.right(), y));
        painter.drawText(QRectF(0, y - h / 2, plot.left() - axisGap, h),
                         Qt::AlignRight | Qt::AlignVCenter,
                         chartaxis::valueText(value, l.decimals));
        if (right)
            painter.drawText(QRectF(plot.right() + axisGap, y - h / 2, width(), h),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             chartaxis::valueText(value * m_rightFactor, l.rightDecimals));
    }
    const QRectF unitRow(0, 0, width(), plot.top() - h / 2);
    painter.drawText(unitRow.adjusted(0, 0, -(width() - plot.left() + axisGap), 0),
                     Qt::AlignRight | Qt::AlignVCenter, m_leftUnit);
    if (right)
        painter.drawText(unitRow.adjusted(plot.right() + axisGap, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, m_rightUnit);
    axisLines.append(QLineF(crisp(plot.left()), plot.top(), crisp(plot.left()), plot.bottom()));
    if (right)
        axisLines.append(
            QLineF(crisp(plot.right() - 1), plot.top(), crisp(plot.right() - 1), plot.bottom()));

    // Time: clock labels in the first row below the plot, dates in the second.
    const qreal timeRow = plot.bottom() + tickLength + 2;
    const qreal dateRow = timeRow + h;
    const QDateTime from =
        chartaxis::inZoneOf(QDateTime::fromMSecsSinceEpoch(l.first, Qt::UTC), m_start);
    const QDateTime to = QDateTime::fromMSecsSinceEpoch(l.last, Qt::UTC);
    for (const QDateTime& tick : chartaxis::timeTicks(from, to, l.stepMinutes, l.maxTimeTicks)) {
        const qreal x = crisp(toPixel(l, tick.toMSecsSinceEpoch(), 0).x());
        gridLines.append(QLineF(x, plot.top(), x, plot.bottom()));
        axisLines.append(QLineF(x, plot.bottom(), x, plot.bottom() + tickLength));
        const QString label = chartaxis::clockText(tick, m_start);
        const qreal w = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(x - w / 2 - 1, timeRow, w + 2, h), Qt::AlignCenter, label);
    }

    // A change of date: a stronger line, labelled with the new day in the date row.
    qreal dateEnd = plot.left() - 1;
    const QList<QDateTime> days = chartaxis::midnights(from, to, l.maxDayLines);
    const auto dateLabel = [&](qreal x, QDate date) {
        const QString label = chartaxis::dateText(date);
        const QRectF box(x, dateRow, metrics.horizontalAdvance(label) + 2, h);
        if (box.left() <= dateEnd || box.right() > width())
            return;
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, label);
        dateEnd = box.right() + metrics.horizontalAdvance(u' ');
    };
    const qreal firstMidnight =
        days.isEmpty() ? plot.right() : toPixel(l, days.front().toMSecsSinceEpoch(), 0).x();
    // The starting day, unless the first midnight comes so soon its label would crowd it.
    if (firstMidnight - plot.left() > metrics.horizontalAdvance(u"00 ммм."_qs) + 8) {
        painter.setPen(mix(text, base, 0.45));
        dateLabel(plot.left(), from.date());
    }
    painter.setPen(text);
    for (const QDateTime& midnight : days) {
        const qreal x = crisp(toPixel(l, midnight.toMSecsSinceEpoch(), 0).x());
        // Through the plot and beside the date, but not through the clock label.
        dayLines.append(QLineF(x, plot.top(), x, plot.bottom() + tickLength));
        dayLines.append(QLineF(x, dateRow + 1, x, dateRow + h - 1));
        dateLabel(x + 3, chartaxis::inZoneOf(midnight, m_start).date());
    }

    painter.setPen(QPen(mix(text, base, 0.85), 1));
    painter.drawLines(gridLines);
    painter.setPen(QPen(mix(text, base, 0.45), 1));
    painter.drawLines(dayLines);
    painter.setPen(QPen(text, 1));
    painter.drawLines(axisLines);
}

void ChartWidget::paintBand(QPainter& painter, const Layout& l) const {
    if (!m_band)
        return;
    const Band& band = *m_band;
    const QPointF origin = toPixel(l, m_start.toMSecsSinceEpoch(), 0);
    const Mapper map{origin.x(), double(m_step) * 1000 / double(l.last - l.first) * l.plot.width(),
                     origin.y(), l.plot.height() / l.scale.top};
    const qsizetype size = std::min(band.lower.size(), band.upper.size());
    QColor edge = band.fill;
    edge.setAlpha(255);
    edge = edge.darker(140);
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

void ChartWidget::paintSeries(QPainter& painter, const Layout& l) const {
    const QPointF origin = toPixel(l, m_start.toMSecsSinceEpoch(), 0);
    const Mapper map{origin.x(), double(m_step) * 1000 / double(l.last - l.first) * l.plot.width(),
                     origin.y(), l.plot.height() / l.scale.top};
    // The first series is the main one: drawn last, on top.
    for (auto series = m_series.crbegin(); series != m_series.crend(); ++series) {
        QPen pen(series->colour.isValid() ? series->colour : palette().color(QPalette::Text),
                 series->width, series->style, Qt::RoundCap, Qt::RoundJoin);
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

QList<QRectF> ChartWidget::paintLevelLines(QPainter& painter, const Layout& l) const {
    const QFontMetricsF metrics(font());
    QList<QRectF> labels;
    const QColor back = palette().color(QPalette::Base);
    for (const LevelLine& line : m_levelLines) {
        if (!std::isfinite(line.value) || line.value < 0 || line.value > l.scale.top)
            continue;
        const QColor colour = line.colour.isValid() ? line.colour : palette().color(QPalette::Text);
        const qreal y = toPixel(l, l.first, line.value).y();
        painter.setPen(QPen(colour, 1.5, line.style, Qt::FlatCap));
        painter.drawLine(QPointF(l.plot.left(), y), QPointF(l.plot.right(), y));
        if (line.label.isEmpty())
            continue;
        const qreal w = metrics.horizontalAdvance(line.label) + 6;
        QRectF box(l.plot.right() - 4 - w, y - 2 - l.lineHeight, w, l.lineHeight);
        if (box.top() < l.plot.top())
            box.moveTop(y + 2);
        drawLabel(painter, box, line.label, colour, back);
        labels.append(box);
    }
    return labels;
}

void ChartWidget::paintTimeLines(QPainter& painter, const Layout& l) const {
    const QFontMetricsF metrics(font());
    for (const TimeLine& line : m_timeLines) {
        if (!line.at.isValid())
            continue;
        const QColor colour = line.colour.isValid() ? line.colour : palette().color(QPalette::Text);
        const qreal x = toPixel(l, line.at.toMSecsSinceEpoch(), 0).x();
        painter.setPen(QPen(colour, 1.5, line.style, Qt::FlatCap));
        painter.drawLine(QPointF(x, l.plot.top()), QPointF(x, l.plot.bottom()));
        if (line.label.isEmpty())
            continue;
        const qreal w = metrics.horizontalAdvance(line.label) + 2;
        const qreal left = std::clamp(x - w / 2, l.plot.left(), l.plot.right() - w);
        painter.setPen(colour);
        painter.drawText(QRectF(left, l.plot.top() - l.lineHeight - 2, w, l.lineHeight),
                         Qt::AlignCenter, line.label);
    }
}

void ChartWidget::paintMarks(QPainter& painter, const Layout& l, QList<QRectF> taken) const {
    const QFontMetricsF metrics(font());
    const QColor text = palette().color(QPalette::Text);
    const QColor back = palette().color(QPalette::Base);
    constexpr qreal size = 5;
    for (const Mark& mark : m_marks) {
        if (mark.at.isValid() && std::isfinite(mark.value))
            taken.append(QRectF(QPointF(), QSizeF(2 * size, 2 * size))
                             .translated(toPixel(l, mark.at.toMSecsSinceEpoch(), mark.value) -
                                         QPointF(size, size)));
    }
    for (const Mark& mark : m_marks) {
        if (!mark.at.isValid() || !std::isfinite(mark.value))
            continue;
        const QPointF p = toPixel(l, mark.at.toMSecsSinceEpoch(), mark.value);
        const QPolygonF diamond{p + QPointF(0, -size), p + QPointF(size, 0), p + QPointF(0, size),
                                p + QPointF(-size, 0)};
        painter.setPen(QPen(back, 1.5));
        painter.setBrush(text);
        painter.drawPolygon(diamond);
        if (mark.label.isEmpty())
            continue;
        // Above right first; then the other corners; the label stays inside the plot and off
        // the other marks and labels where it can.
        const QSizeF box(metrics.horizontalAdvance(mark.label) + 6, l.lineHeight);
        const qreal gap = size + 2;
        const QList<QRectF> places{
            QRectF(QPointF(p.x() + gap, p.y() - gap - box.height()), box),
            QRectF(QPointF(p.x() - gap - box.width(), p.y() - gap - box.height()), box),
            QRectF(QPointF(p.x() - box.width() / 2, p.y() - gap - box.height()), box),
            QRectF(QPointF(p.x() + gap, p.y() + gap), box),
            QRectF(QPointF(p.x() - gap - box.width(), p.y() + gap), box),
        };
        const auto inside = [&](const QRectF& r) { return l.plot.contains(r); };
        const auto free = [&](const QRectF& r) {
            return std::none_of(taken.begin(), taken.end(),
                                [&](const QRectF& t) { return t.intersects(r); });
        };
        auto chosen = std::find_if(places.begin(), places.end(),
                                   [&](const QRectF& r) { return inside(r) && free(r); });
        if (chosen == places.end())
            chosen = std::find_if(places.begin(), places.end(), inside);
        QRectF label = chosen != places.end() ? *chosen : places.front();
        label.moveLeft(std::clamp(label.left(), l.plot.left(), l.plot.right() - label.width()));
        label.moveTop(std::clamp(label.top(), l.plot.top(), l.plot.bottom() - label.height()));
        taken.append(label);
        drawLabel(painter, label, mark.label, text, back);
    }
    painter.setBrush(Qt::NoBrush);
}

void ChartWidget::paintCursor(QPainter& painter, const Layout& l) const {
    if (!m_cursor)
        return;
    const QStringList lines = readoutLines(*m_cursor);
    if (lines.isEmpty())
        return;
    const QColor text = palette().color(QPalette::ToolTipText);
    const QPointF p =
        toPixel(l, gridTime(*m_cursor).toMSecsSinceEpoch(), m_series.front().values[*m_cursor]);
    painter.setPen(QPen(withAlpha(palette().color(QPalette::Text), 160), 1));
    painter.drawLine(QPointF(p.x(), l.plot.top()), QPointF(p.x(), l.plot.bottom()));
    painter.setPen(QPen(palette().color(QPalette::Base), 1.5));
    painter.setBrush(m_series.front().colour.isValid() ? m_series.front().colour : text);
    painter.drawEllipse(p, 4, 4);

    const QFontMetricsF metrics(font());
    qreal w = 0;
    for (const QString& line : lines)
        w = std::max(w, metrics.horizontalAdvance(line));
    const QSizeF size(w + 12, lines.size() * l.lineHeight + 8);
    QRectF box(QPointF(p.x() + 10, l.plot.top() + 6), size);
    if (box.right() > l.plot.right())
        box.moveRight(p.x() - 10);
    box.moveLeft(std::max(box.left(), l.plot.left() + 2));
    painter.setPen(withAlpha(text, 120));
    painter.setBrush(withAlpha(palette().color(QPalette::ToolTipBase), 235));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(text);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(
            QRectF(box.left() + 6, box.top() + 4 + i * l.lineHeight, w + 1, l.lineHeight),
            Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    painter.setBrush(Qt::NoBrush);
}
