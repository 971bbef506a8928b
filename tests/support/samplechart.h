#pragma once

#include "app/chartdescription.h"

#include <QColor>
#include <QDateTime>
#include <QList>

// The charts the chart tests draw: one central series on a regular grid.
namespace samplechart {

// 21:00 in Moscow, whatever the zone of the machine running the test.
inline const QDateTime evening(QDate(2024, 12, 9), QTime(21, 0), Qt::OffsetFromUTC, 3 * 3600);

inline QList<double> line(int count, double first, double slope) {
    QList<double> values;
    for (int i = 0; i < count; ++i)
        values.append(first + slope * i);
    return values;
}

// One series from `start`, a value every `step` seconds.
inline ChartDescription of(const QDateTime& start, int step, const QList<double>& values,
                           QColor colour = Qt::blue) {
    ChartDescription chart;
    chart.start = start;
    chart.stepSeconds = step;
    chart.series = {ChartDescription::Series{QStringLiteral("Средняя"), values, colour, 2.5}};
    return chart;
}

} // namespace samplechart
