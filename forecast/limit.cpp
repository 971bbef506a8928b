#include "limit.h"

#include "calc/numbertext.h"
#include "limittable.h"

#include <algorithm>
#include <cmath>

namespace {
// Negative and non-finite figures cannot come from the law; read them as "no alcohol".
double atLeastZero(double value) {
    return std::isfinite(value) ? std::max(0.0, value) : 0;
}
} // namespace

double Limit::effectivePromille() const {
    const double blood = atLeastZero(bloodGramsPerLitre);
    if (!breathMilligramsPerLitre)
        return blood;
    return std::min(blood, promilleFromBreath(atLeastZero(*breathMilligramsPerLitre)));
}

QString Limit::description() const {
    if (effectivePromille() == 0)
        return QStringLiteral("0 г/л: любой алкоголь запрещён");
    QString text = numbertext::decimalText(bloodGramsPerLitre) + QStringLiteral(" г/л в крови");
    if (breathMilligramsPerLitre)
        text += QStringLiteral(", ") + numbertext::decimalText(*breathMilligramsPerLitre) +
                QStringLiteral(" мг/л в выдыхаемом воздухе");
    return text;
}

Limit Limit::russia() {
    return limittable::limitFor(limittable::RussiaId, DriverClass::General);
}

Limit Limit::custom(double gramsPerLitre) {
    return Limit{QStringLiteral("свой предел"), atLeastZero(gramsPerLitre), std::nullopt,
                 QStringLiteral("предел задан вручную")};
}
