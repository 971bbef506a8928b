#include "remainingtime.h"

#include "numbertext.h"

#include <cmath>

std::optional<RemainingTime> RemainingTime::split(const QString& decimalHours) {
    if (!numbertext::isNumber(decimalHours))
        return std::nullopt;
    if (numbertext::readDouble(decimalHours) <= 0)
        return RemainingTime{QStringLiteral("0"), QStringLiteral("0")};

    const QString text = decimalHours.trimmed();
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return RemainingTime{text, QStringLiteral("0")};
    const QString hours = comma == 0 ? QStringLiteral("0") : text.left(comma);
    const double fraction = numbertext::readDouble(QStringLiteral("0,") + text.mid(comma + 1));
    const double minutes = std::nearbyint(fraction * 60);
    return RemainingTime{hours, QString::number(static_cast<long long>(minutes))};
}

QString RemainingTime::sentence() const {
    return QStringLiteral("Осталось подождать: ") + hours + QStringLiteral(" час ") + minutes +
           QStringLiteral(" мин");
}
