#include "calculatorhandover.h"

#include "drinkcatalogue.h"
#include "eveningfile.h"

#include "calc/numbertext.h"
#include "table/drinklist.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<double> readable(const QString& text) {
    if (!numbertext::isNumber(text))
        return std::nullopt;
    try {
        const double value = numbertext::readDouble(text);
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The first drink of the calculator's list of that strength, as that list would have shown it:
// the forecast's own list has more drinks of the same strength ("Водка, рюмка 50 мл").
QString drinkNamed(const QString& strength) {
    for (const QString& name : drinks::items())
        if (drinks::strengthText(name) == strength.trimmed())
            return name;
    return drinkcatalogue::ownDrink();
}

} // namespace

CalculatorHandover handOver(const CalculatorInputs& in, const QDateTime& now) {
    CalculatorHandover out;
    out.sex = in.sex;
    out.mass = in.mass.trimmed();

    if (const auto rate = readable(in.rate); rate && *rate > 0) {
        out.rate = in.rate.trimmed();
        out.slowestRate = *rate < 0.1 ? out.rate : QStringLiteral("0,1");
        out.fastestRate = *rate > 0.16 ? out.rate : QStringLiteral("0,16");
    }

    if (in.reverse || in.grams.trimmed().isEmpty())
        return out;
    // Hours that cannot be read, or lie in the future, put the drink at now.
    const auto hours = readable(in.hours);
    const qint64 seconds =
        hours && *hours > 0 && *hours < 24 * 14 ? qRound64(*hours * 3600) : qint64(0);
    const QDateTime start = now.addSecs(-seconds);
    DrinkEntry entry;
    entry.date = start.date();
    entry.time = start.time().toString(QStringLiteral("HH:mm"));
    entry.drink = drinkNamed(in.strength);
    entry.grams = in.grams.trimmed();
    entry.strength = in.strength.trimmed();
    out.drink = entry;
    return out;
}

std::optional<int> takeOver(Evening& evening, const CalculatorHandover& handover, bool body) {
    if (body) {
        evening.sex = handover.sex;
        if (!handover.mass.isEmpty())
            evening.mass = handover.mass;
        if (!handover.rate.isEmpty()) {
            evening.rate = handover.rate;
            evening.slowestRate = handover.slowestRate;
            evening.fastestRate = handover.fastestRate;
        }
    }
    if (!handover.drink)
        return std::nullopt;
    const DrinkEntry& drink = *handover.drink;
    const bool known =
        std::any_of(evening.drinks.cbegin(), evening.drinks.cend(), [&](const DrinkEntry& e) {
            return e.date == drink.date && e.time == drink.time && e.grams == drink.grams &&
                   e.strength == drink.strength;
        });
    if (known || evening.drinks.size() >= EveningDrinkLimit)
        return std::nullopt;
    evening.drinks.append(drink);
    return int(evening.drinks.size()) - 1;
}
