#pragma once

#include "forecast/evening.h"

#include <QDateTime>

// The evening the forecast's core tests start from: 100 g of vodka at 21:00 for 80 kg, looked
// at half a minute past 22:00 the same day.
namespace sample {

inline const QDateTime Now(QDate(2026, 12, 8), QTime(22, 0, 30));

inline Evening evening() {
    Evening form;
    form.mass = QStringLiteral("80");
    form.drinks.append({QDate(2026, 12, 8), QStringLiteral("21:00"), QStringLiteral("Водка 40%"),
                        QStringLiteral("100"), QStringLiteral("40"), QStringLiteral("0")});
    return form;
}

} // namespace sample
