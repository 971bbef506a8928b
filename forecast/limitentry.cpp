#include "limitentry.h"

#include <algorithm>

namespace {
const std::optional<LimitFigure>& ownFigure(const LimitEntry& entry, DriverClass driver) {
    static const std::optional<LimitFigure> none;
    switch (driver) {
    case DriverClass::Novice:
        return entry.novice;
    case DriverClass::Professional:
        return entry.professional;
    case DriverClass::General:
        break;
    }
    return none;
}

// "0,3 г/л в крови с 2018 г."
QString figureLine(const LimitFigure& figure) {
    QString text = figure.text() + (figure.isBreath() ? QStringLiteral(" в выдыхаемом воздухе")
                                                      : QStringLiteral(" в крови"));
    if (!figure.applies.isEmpty())
        text += QStringLiteral(" (") + figure.applies + u')';
    if (figure.since > 0)
        text += QStringLiteral(" с ") + QString::number(figure.since) + QStringLiteral(" г.");
    return text;
}
} // namespace

int LimitEntry::since() const {
    int year = general.since;
    for (const auto* figure : {&breath, &novice, &professional})
        if (*figure)
            year = std::max(year, (*figure)->since);
    return year;
}

const LimitFigure& LimitEntry::bloodFigure(DriverClass driver) const {
    const auto& own = ownFigure(*this, driver);
    return own ? *own : general;
}

Limit LimitEntry::limit(DriverClass driver) const {
    const auto& own = ownFigure(*this, driver);
    Limit result;
    result.country = country;
    if (own) {
        result.bloodGramsPerLitre = own->normalized();
        result.source = source + QStringLiteral(": ") + figureLine(*own);
        return result;
    }
    result.bloodGramsPerLitre = general.normalized();
    result.source = source + QStringLiteral(": ") + figureLine(general);
    if (breath) {
        result.breathMilligramsPerLitre = breath->normalized();
        result.source += QStringLiteral(", ") + figureLine(*breath);
    }
    return result;
}
