#include "eveningcheck.h"

#include "forecastinput.h"
#include "limittable.h"
#include "modelchoice.h"

#include <algorithm>
#include <cstdlib>

DrinkEntryCheck checkDrinkEntry(const DrinkEntry& entry) {
    DrinkEntryCheck out;
    const Checked<QTime> time = forecastinput::clockTime(entry.time);
    const Checked<double> grams = forecastinput::drinkGrams(entry.grams);
    const Checked<double> strength = forecastinput::strength(entry.strength);
    const Checked<double> duration = forecastinput::drinkingMinutes(entry.duration);
    out.date = entry.date.isValid() ? QString() : QStringLiteral("введите дату");
    out.time = time.problem;
    out.grams = grams.problem;
    out.strength = strength.problem;
    out.duration = duration.problem;
    if (entry.date.isValid() && time.value && grams.value && strength.value && duration.value)
        out.drink = Drink{QDateTime(entry.date, *time.value), *grams.value, *strength.value,
                          *duration.value};
    return out;
}

std::optional<QDateTime> drinkStart(const DrinkEntry& entry, const QDateTime& zoneOf) {
    if (!entry.date.isValid())
        return std::nullopt;
    const std::optional<QTime> time = forecastinput::clockTime(entry.time).value;
    QDateTime start = zoneOf.isValid() ? zoneOf : QDateTime(entry.date, QTime(0, 0));
    start.setDate(time ? entry.date : entry.date.addDays(1));
    start.setTime(time.value_or(QTime(0, 0)));
    return start;
}

QDate dayOfTime(QTime time, const QDateTime& now) {
    const QDateTime latest = now.addSecs(3600);
    QDateTime moment = latest;
    moment.setTime(time);
    return moment > latest ? latest.date().addDays(-1) : latest.date();
}

QStringList drinkDateProblems(const QList<DrinkEntry>& drinks, const QDateTime& now) {
    constexpr qint64 Day = 24 * 3600;
    QStringList problems;
    std::optional<QDateTime> first;
    for (const DrinkEntry& entry : drinks) {
        const std::optional<QDateTime> start = drinkStart(entry, now);
        problems.append(QString());
        if (!start)
            continue;
        if (now.isValid() && std::abs(now.secsTo(*start)) > EveningDaysFromNow * Day)
            problems.last() = QStringLiteral("дальше %1 дней от сегодня").arg(EveningDaysFromNow);
        else if (!first || *start < *first)
            first = start;
    }
    // Only drinks near now take part: one far-off date marks itself, not every other row.
    for (qsizetype i = 0; first && i < drinks.size(); ++i) {
        const std::optional<QDateTime> start = drinkStart(drinks[i], now);
        if (start && problems[i].isEmpty() && first->secsTo(*start) > EveningSpanDays * Day)
            problems[i] =
                QStringLiteral("позже первого напитка больше чем на %1 дней").arg(EveningSpanDays);
    }
    return problems;
}

QList<int> EveningCheck::badRows() const {
    QList<int> rows;
    for (int i = 0; i < drinks.size(); ++i)
        if (!drinks[i].ok())
            rows.append(i);
    return rows;
}

EveningCheck checkEvening(const Evening& form, const QDateTime& now) {
    EveningCheck out;
    QList<Drink> drinks;
    const QStringList dates = drinkDateProblems(form.drinks, now);
    for (qsizetype i = 0; i < form.drinks.size(); ++i) {
        DrinkEntryCheck check = checkDrinkEntry(form.drinks[i]);
        if (!dates[i].isEmpty()) {
            check.date = dates[i];
            check.drink.reset();
        }
        out.drinks.append(check);
        if (check.drink)
            drinks.append(*check.drink);
    }

    const Checked<double> mass = forecastinput::bodyMass(form.mass);
    out.mass = mass.problem;
    const bool allModels = form.model == Forecast::AllModels;
    const BodyModel* model = BodyModel::byKey(form.model);
    if (!modelchoice::isKnown(form.model))
        out.model = QStringLiteral("нет такой модели");
    // A field the chosen model does not use cannot stop the forecast.
    Person person;
    if (modelchoice::needsHeight(form.model)) {
        const Checked<double> height = forecastinput::height(form.height);
        out.height = height.problem;
        person.heightCm = height.value.value_or(person.heightCm);
    }
    if (modelchoice::needsAge(form.model)) {
        const Checked<double> age = forecastinput::age(form.age);
        out.age = age.problem;
        person.ageYears = age.value.value_or(person.ageYears);
    }
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
    if (form.ownLimit) {
        const Checked<double> own = forecastinput::ownLimit(form.customLimit);
        out.customLimit = own.problem;
        out.limit = Limit::custom(own.value.value_or(0));
    } else {
        const DriverClass driver = driverClassOf(form.driverClass);
        out.limit = limittable::limitFor(form.country, driver);
        if (driver == DriverClass::Novice)
            out.limit.country += QStringLiteral(", начинающий водитель");
        else if (driver == DriverClass::Professional)
            out.limit.country += QStringLiteral(", профессиональный водитель");
    }
    // An empty planner asks nothing; a typed time must be a time.
    if (!form.planned.trimmed().isEmpty()) {
        const Checked<QTime> planned = forecastinput::clockTime(form.planned);
        out.planned = planned.problem;
        out.plannedTime = planned.value;
    }

    const bool drinksOk = out.badRows().isEmpty();
    if (!drinksOk || !mass.value || !deficit.value || !absorption.value || !rates.params ||
        !out.planned.isEmpty() || !out.model.isEmpty() || !out.height.isEmpty() ||
        !out.age.isEmpty() || !out.customLimit.isEmpty())
        return out;
    ForecastParams params = *rates.params;
    params.deficit = *deficit.value;
    params.absorptionMinutes = *absorption.value;
    person.sex = form.sex;
    person.massKg = *mass.value;
    // Each field may be in range and the build still beyond a regression (Forrest's r reaches 0
    // at a body mass index near 70 for women, 84 for men): say so rather than show nothing.
    const auto fits = [&person](const BodyModel& m) { return m.fits(person); };
    if (allModels ? !std::ranges::all_of(BodyModel::all(), fits) : !fits(*model)) {
        (allModels || model->needsHeight() ? out.height : out.mass) =
            QStringLiteral("вне пределов модели");
        return out;
    }
    out.forecast = allModels ? Forecast::computeAllModels(drinks, person, params)
                             : Forecast::compute(drinks, person, *model, params);
    return out;
}

DriverClass driverClassOf(const QString& name) {
    if (name == QStringLiteral("novice"))
        return DriverClass::Novice;
    if (name == QStringLiteral("professional"))
        return DriverClass::Professional;
    return DriverClass::General;
}

bool isDriverClass(QStringView id) {
    return id == u"general" || id == u"novice" || id == u"professional";
}

namespace {
bool isCapitals(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}
} // namespace

bool isCountryId(QStringView id) {
    if (id.size() == 2)
        return isCapitals(id);
    return id.size() == 6 && isCapitals(id.left(2)) && id[2] == u'-' && isCapitals(id.sliced(3));
}
