#include "forecastexport.h"

#include <QMap>

#include <algorithm>

namespace forecastexport {

namespace {
QString level(double value) {
    return QString::number(value, 'f', 3).replace(u'.', u',');
}
} // namespace

QByteArray csv(const Forecast& forecast, const QList<Measurement>& readings, int stepMinutes) {
    QString text = QStringLiteral("время;промилле;нижняя граница;верхняя граница;замер\r\n");
    const qsizetype step = std::max(1, stepMinutes);
    const qsizetype last = forecast.pointCount() - 1;
    // The readings by the grid's minute, as the forecast takes them: a later one at the same
    // minute wins.
    QMap<qsizetype, double> measured;
    for (const Measurement& reading : readings) {
        if (!reading.at.isValid() || reading.at < forecast.start())
            continue;
        const qint64 minute = forecast.start().secsTo(reading.at) / 60;
        if (minute <= last)
            measured.insert(qsizetype(minute), reading.promille());
    }
    const auto row = [&](qsizetype i) {
        text += forecast.timeAt(i).toString(QStringLiteral("dd.MM.yyyy HH:mm")) + u';' +
                level(forecast.centralCurve()[i]) + u';' + level(forecast.fastCurve()[i]) + u';' +
                level(forecast.slowCurve()[i]) + u';' +
                (measured.contains(i) ? level(measured.value(i)) : QString()) +
                QStringLiteral("\r\n");
    };
    // Every step, the curve's last minute to close the table, and the readings' minutes.
    QList<qsizetype> rows = measured.keys();
    for (qsizetype i = 0; i <= last; i += step)
        rows.append(i);
    rows.append(last);
    std::ranges::sort(rows);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const qsizetype i : rows)
        if (i >= 0)
            row(i);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace forecastexport
