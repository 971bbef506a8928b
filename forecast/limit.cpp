#include "limit.h"

#include "calc/numbertext.h"

#include <algorithm>

double Limit::effectivePromille() const {
    if (!breathMilligramsPerLitre)
        return bloodGramsPerLitre;
    return std::min(bloodGramsPerLitre, promilleFromBreath(*breathMilligramsPerLitre));
}

QString Limit::description() const {
    QString text = numbertext::decimalText(bloodGramsPerLitre) + QStringLiteral(" г/л в крови");
    if (breathMilligramsPerLitre)
        text += QStringLiteral(", ") + numbertext::decimalText(*breathMilligramsPerLitre) +
                QStringLiteral(" мг/л в выдыхаемом воздухе");
    return text;
}

Limit Limit::russia() {
    return Limit{QStringLiteral("Россия"), 0.3, 0.16,
                 QStringLiteral("КоАП РФ, ст. 12.8, примечание: 0,3 г/л в крови с 3 июля 2018 г., "
                                "0,16 мг/л в выдыхаемом воздухе с 1 сентября 2013 г.")};
}
