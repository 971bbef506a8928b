#include "forecastform.h"

#include "forecastinput.h"

DrinkEntryCheck checkDrinkEntry(const DrinkEntry& entry) {
    DrinkEntryCheck out;
    const Checked<QTime> time = forecastinput::clockTime(entry.time);
    const Checked<double> grams = forecastinput::drinkGrams(entry.grams);
    const Checked<double> strength = forecastinput::strength(entry.strength);
    const Checked<double> duration = forecastinput::drinkingMinutes(entry.duration);
    out.time = entry.date.isValid() ? time.problem : QStringLiteral("нет даты");
    out.grams = grams.problem;
    out.strength = strength.problem;
    out.duration = duration.problem;
    if (entry.date.isValid() && time.value && grams.value && strength.value && duration.value)
        out.drink = Drink{QDateTime(entry.date, *time.value), *grams.value, *strength.value,
                          *duration.value};
    return out;
}

QList<int> ForecastFormCheck::badRows() const {
    QList<int> rows;
    for (int i = 0; i < drinks.size(); ++i)
        if (!drinks[i].ok())
            rows.append(i);
    return rows;
}

ForecastFormCheck checkForecastForm(const ForecastForm& form) {
    ForecastFormCheck out;
    QList<Drink> drinks;
    for (const DrinkEntry& entry : form.drinks) {
        out.drinks.append(checkDrinkEntry(entry));
        if (out.drinks.last().drink)
            drinks.append(*out.drinks.last().drink);
    }

    const Checked<double> mass = forecastinput::bodyMass(form.mass);
    out.mass = mass.problem;
    const Checked<double> deficit = forecastinput::deficit(form.deficit);
    out.deficit = deficit.problem;
    const Checked<double> absorption = forecastinput::absorptionMinutes(form.absorption);
    out.absorption = absorption.problem;
    const RateCheck rates =
        forecastinput::rates(form.slowestRate, form.rate, form.fastestRate, ForecastParams{});
    if (!rates.params) {
        QString& field = rates.field == RateField::Slowest   ? out.slowestRate
                         : rates.field == RateField::Central ? out.rate
                                                             : out.fastestRate;
        field = rates.problem;
    }
    // An empty planner asks nothing; a typed time must be a time.
    if (!form.planned.trimmed().isEmpty()) {
        const Checked<QTime> planned = forecastinput::clockTime(form.planned);
        out.planned = planned.problem;
        out.plannedTime = planned.value;
    }

    const bool drinksOk = out.badRows().isEmpty();
    if (!drinksOk || !mass.value || !deficit.value || !absorption.value || !rates.params ||
        !out.planned.isEmpty())
        return out;
    ForecastParams params = *rates.params;
    params.deficit = *deficit.value;
    params.absorptionMinutes = *absorption.value;
    Person person;
    person.sex = form.sex;
    person.massKg = *mass.value;
    out.forecast = Forecast::compute(drinks, person, BodyModel::widmark(), params);
    return out;
}
