#include "promilleunits.h"

PromilleUnits PromilleUnits::of(Fixed4 promille) {
    PromilleUnits u;
    u.milligramsPerLitre = toFixed(promille.toDouble() * 0.5).rounded(2);
    u.microgramsPerLitre = (promille * Fixed4::fromInt(500)).rounded(2);
    // p / 10 exactly, rounded to three places: ten-thousandths / 100 gives thousandths.
    u.percentBloodAlcohol = Fixed4::fromRaw(divideRoundingToEven(promille.raw(), 100) * 10);
    return u;
}

QString PromilleUnits::line(const QString& promilleText, const QString& mgText,
                            const QString& ugText, const QString& bacText) {
    return promilleText + QStringLiteral(" промилле = ") + mgText + QStringLiteral(" мг/л (") +
           ugText + QStringLiteral(" мкг/л) = ") + bacText + QStringLiteral(" %ВАС");
}

QString PromilleUnits::layoutLine() {
    return QStringLiteral("1 промилле = 0,5 мг/л (500 мкг/л) = 0,1%ВАС");
}

QString PromilleUnits::resetLine() {
    return QStringLiteral("1 промилле = 0,5 мг/л (500 мкг/л) = 0,1 %ВАС");
}
