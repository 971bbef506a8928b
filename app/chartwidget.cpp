#include "chartwidget.h"

#include "chartpainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(u"График"_qs);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartWidget::setDescription(const ChartDescription& chart) {
    m_chart = chart;
    dataChanged();
}

void ChartWidget::clear() {
    m_chart.start = {};
    m_chart.stepSeconds = 0;
    m_chart.series.clear();
    m_chart.band.reset();
    m_chart.levelLines.clear();
    m_chart.timeLines.clear();
    m_chart.marks.clear();
    dataChanged();
}

void ChartWidget::setEmptyText(const QString& text) {
    m_chart.emptyText = text;
    update();
}

void ChartWidget::dataChanged() {
    // A cursor still on the grid stays where the user put it; its text may have changed.
    const bool shown = m_cursor.has_value();
    if (m_cursor && *m_cursor >= m_chart.gridSize())
        m_cursor.reset();
    if (shown)
        emit readoutChanged(readout().value_or(QString()));
    update();
}

ChartGeometry ChartWidget::chartGeometry() const {
    return ChartGeometry(m_chart, size(), font());
}

std::optional<QString> ChartWidget::readoutText(std::optional<int> index) const {
    const QStringList lines = index ? m_chart.readoutLines(*index) : QStringList();
    if (lines.isEmpty())
        return std::nullopt;
    return lines.join(u"; "_qs);
}

std::optional<QString> ChartWidget::readoutAt(double x) const {
    return readoutText(chartGeometry().indexAt(x));
}

std::optional<QString> ChartWidget::readout() const {
    return readoutText(m_cursor);
}

void ChartWidget::moveCursorTo(std::optional<int> index) {
    if (index == m_cursor)
        return;
    m_cursor = index;
    update();
    emit readoutChanged(readout().value_or(QString()));
}

QSize ChartWidget::minimumSizeHint() const {
    // Room for the plot beside its labels whatever the type: under a large font the labels
    // alone would leave the curve a strip.
    const int line = fontMetrics().height();
    return {400, std::max(250, 15 * line)};
}

QSize ChartWidget::sizeHint() const {
    return {720, 420};
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    moveCursorTo(chartGeometry().indexAt(event->position().x()));
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
    const int size = m_chart.series.isEmpty() ? 0 : int(m_chart.series.front().values.size());
    if (!hasData() || size == 0 || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Ten minutes a key press, whatever the grid step.
    const int stride = std::max(1, int(std::lround(600.0 / m_chart.stepSeconds)));
    // The first press starts at the first time line on the grid (usually "now").
    int start = 0;
    for (const ChartDescription::TimeLine& line : m_chart.timeLines) {
        const double steps =
            double(m_chart.start.msecsTo(line.at)) / (1000.0 * m_chart.stepSeconds);
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
    ChartPainter(painter, chartGeometry(), palette()).paint(m_cursor);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DashLine);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
