#include "forecastexport.h"

#include <algorithm>

namespace forecastexport {

namespace {
QString level(double value) {
    return QString::number(value, 'f', 3).replace(u'.', u',');
}
} // namespace

QByteArray csv(const Forecast& forecast, int stepMinutes) {
    QString text = QStringLiteral("время;промилле;нижняя граница;верхняя граница\r\n");
    const qsizetype step = std::max(1, stepMinutes);
    const qsizetype last = forecast.pointCount() - 1;
    const auto row = [&](qsizetype i) {
        text += forecast.timeAt(i).toString(QStringLiteral("dd.MM.yyyy HH:mm")) + u';' +
                level(forecast.centralCurve()[i]) + u';' + level(forecast.fastCurve()[i]) + u';' +
                level(forecast.slowCurve()[i]) + QStringLiteral("\r\n");
    };
    for (qsizetype i = 0; i <= last; i += step)
        row(i);
    // The curve's last minute closes the table.
    if (last > 0 && last % step != 0)
        row(last);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace forecastexport
