#include "limitfigure.h"

#include "calc/numbertext.h"

bool LimitFigure::isBreath() const {
    switch (unit) {
    case LimitUnit::MilligramsPerLitreBreath:
    case LimitUnit::MicrogramsPerLitreBreath:
    case LimitUnit::MicrogramsPer100MillilitresBreath:
        return true;
    case LimitUnit::GramsPerLitre:
    case LimitUnit::PerMille:
    case LimitUnit::MilligramsPerGram:
    case LimitUnit::MilligramsPerMillilitre:
    case LimitUnit::MilligramsPer100Millilitres:
    case LimitUnit::PercentBac:
        break;
    }
    return false;
}

double LimitFigure::normalized() const {
    // Divisions rather than multiplications by 0,01: 80 / 100 is exactly the double 0,8.
    switch (unit) {
    case LimitUnit::GramsPerLitre:
    case LimitUnit::PerMille:
    case LimitUnit::MilligramsPerGram:
    case LimitUnit::MilligramsPerMillilitre:
    case LimitUnit::MilligramsPerLitreBreath:
        return value;
    case LimitUnit::MilligramsPer100Millilitres:
    case LimitUnit::MicrogramsPer100MillilitresBreath:
        return value / 100;
    case LimitUnit::PercentBac:
        return value * 10;
    case LimitUnit::MicrogramsPerLitreBreath:
        return value / 1000;
    }
    return value;
}

QString LimitFigure::text() const {
    QString symbol;
    switch (unit) {
    case LimitUnit::GramsPerLitre:
        symbol = QStringLiteral("г/л");
        break;
    case LimitUnit::PerMille:
        symbol = QStringLiteral("‰");
        break;
    case LimitUnit::MilligramsPerGram:
        symbol = QStringLiteral("мг/г");
        break;
    case LimitUnit::MilligramsPerMillilitre:
        symbol = QStringLiteral("мг/мл");
        break;
    case LimitUnit::MilligramsPer100Millilitres:
        symbol = QStringLiteral("мг/100 мл");
        break;
    case LimitUnit::PercentBac:
        symbol = QStringLiteral("%");
        break;
    case LimitUnit::MilligramsPerLitreBreath:
        symbol = QStringLiteral("мг/л");
        break;
    case LimitUnit::MicrogramsPerLitreBreath:
        symbol = QStringLiteral("мкг/л");
        break;
    case LimitUnit::MicrogramsPer100MillilitresBreath:
        symbol = QStringLiteral("мкг/100 мл");
        break;
    }
    return numbertext::decimalText(value) + u' ' + symbol;
}
