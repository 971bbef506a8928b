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

MeasurementEntryCheck checkMeasurementEntry(const MeasurementEntry& entry) {
    MeasurementEntryCheck out;
    const Checked<QTime> time = forecastinput::clockTime(entry.time);
    const Checked<double> value = forecastinput::measuredValue(entry.value, entry.kind);
    out.date = entry.date.isValid() ? QString() : QStringLiteral("введите дату");
    out.time = time.problem;
    out.value = value.problem;
    if (entry.date.isValid() && time.value && value.value)
        out.measurement = Measurement{QDateTime(entry.date, *time.value), *value.value, entry.kind};
    if (entry.value.trimmed().isEmpty()) {
        out.pending = entry.date.isValid() && time.value;
        out.value = QStringLiteral("введите показание");
    }
    return out;
}

namespace {
std::optional<QDateTime> momentOf(QDate date, const QString& clock, const QDateTime& zoneOf) {
    if (!date.isValid())
        return std::nullopt;
    const std::optional<QTime> time = forecastinput::clockTime(clock).value;
    QDateTime start = zoneOf.isValid() ? zoneOf : QDateTime(date, QTime(0, 0));
    start.setDate(time ? date : date.addDays(1));
    start.setTime(time.value_or(QTime(0, 0)));
    return start;
}

constexpr qint64 Day = 24 * 3600;

QString farFromNow() {
    return QStringLiteral("дальше %1 дней от сегодня").arg(EveningDaysFromNow);
}

QString farFromFirst() {
    return QStringLiteral("позже первого напитка больше чем на %1 дней").arg(EveningSpanDays);
}

// The first drink of those near `now`, which the others are measured from.
std::optional<QDateTime> firstNearNow(const QList<DrinkEntry>& drinks, const QDateTime& now) {
    std::optional<QDateTime> first;
    for (const DrinkEntry& entry : drinks) {
        const std::optional<QDateTime> start = drinkStart(entry, now);
        if (start && !(now.isValid() && std::abs(now.secsTo(*start)) > EveningDaysFromNow * Day) &&
            (!first || *start < *first))
            first = start;
    }
    return first;
}

template <typename Entry, typename Moment>
QStringList dateProblems(const QList<Entry>& entries, Moment moment,
                         const std::optional<QDateTime>& first, const QDateTime& now) {
    QStringList problems;
    for (const Entry& entry : entries) {
        const std::optional<QDateTime> at = moment(entry, now);
        problems.append(QString());
        if (!at)
            continue;
        if (now.isValid() && std::abs(now.secsTo(*at)) > EveningDaysFromNow * Day)
            problems.last() = farFromNow();
        else if (first && first->secsTo(*at) > EveningSpanDays * Day)
            problems.last() = farFromFirst();
    }
    return problems;
}

// A reading is taken soon after a drink when it lies within this of the drinking's end: the
// mouth still holds alcohol and the device reads too high.
constexpr qint64 MouthAlcoholSeconds = 15 * 60;
// Readings count towards the person's rate only this long after the last drink was absorbed.
constexpr qint64 AbsorbedMarginSeconds = 30 * 60;
// A positive reading contradicts a model that has been at 0 for this long before it.
constexpr qint64 LongAfterZeroSeconds = 3600;

struct ReadingAt {
    int row;
    Measurement reading;
};

// The readings that show elimination alone: taken when every drink before them was absorbed
// (plus a margin), the last run of them with no drink in between. A reading of 0 says only
// that the level reached 0 by then, not when, so it cannot date a slope.
QList<Measurement> eliminationRun(QList<ReadingAt> readings, const QList<Drink>& drinks,
                                  double absorptionMinutes) {
    std::ranges::sort(readings, {}, [](const ReadingAt& r) { return r.reading.at; });
    const auto absorbedBy = [&](const QDateTime& at) {
        return std::ranges::all_of(drinks, [&](const Drink& d) {
            const qint64 absorbed =
                qint64((d.durationMinutes + absorptionMinutes) * 60) + AbsorbedMarginSeconds;
            return d.start > at || d.start.addSecs(absorbed) <= at;
        });
    };
    const auto drinkBetween = [&](const QDateTime& from, const QDateTime& to) {
        return std::ranges::any_of(drinks,
                                   [&](const Drink& d) { return d.start > from && d.start <= to; });
    };
    QList<Measurement> run;
    for (qsizetype i = readings.size() - 1; i >= 0; --i) {
        const Measurement& r = readings[i].reading;
        if (r.promille() <= 0)
            continue;
        if (!absorbedBy(r.at) || (!run.isEmpty() && drinkBetween(r.at, run.front().at))) {
            if (!run.isEmpty())
                break;
            continue;
        }
        run.prepend(r);
    }
    return run;
}

bool contradicts(const Measurement& reading, const Forecast& model) {
    const double level = reading.promille();
    const double upper = model.levelAt(reading.at).highest;
    if (upper > 0)
        return level > 2 * upper;
    return level > 0 && model.levelAt(reading.at.addSecs(-LongAfterZeroSeconds)).highest == 0;
}

bool soonAfterDrink(const Measurement& reading, const QList<Drink>& drinks) {
    return std::ranges::any_of(drinks, [&](const Drink& d) {
        const QDateTime end = d.start.addSecs(qint64(d.durationMinutes * 60));
        return d.start < reading.at && reading.at < end.addSecs(MouthAlcoholSeconds);
    });
}
} // namespace

std::optional<QDateTime> drinkStart(const DrinkEntry& entry, const QDateTime& zoneOf) {
    return momentOf(entry.date, entry.time, zoneOf);
}

std::optional<QDateTime> measuredAt(const MeasurementEntry& entry, const QDateTime& zoneOf) {
    return momentOf(entry.date, entry.time, zoneOf);
}

QStringList measurementDateProblems(const QList<MeasurementEntry>& measurements,
                                    const QList<DrinkEntry>& drinks, const QDateTime& now) {
    return dateProblems(measurements, measuredAt, firstNearNow(drinks, now), now);
}

QDate dayOfTime(QTime time, const QDateTime& now) {
    const QDateTime latest = now.addSecs(3600);
    QDateTime moment = latest;
    moment.setTime(time);
    return moment > latest ? latest.date().addDays(-1) : latest.date();
}

QStringList drinkDateProblems(const QList<DrinkEntry>& drinks, const QDateTime& now) {
    // Only drinks near now take part: one far-off date marks itself, not every other row.
    return dateProblems(drinks, drinkStart, firstNearNow(drinks, now), now);
}

QList<int> EveningCheck::badRows() const {
    QList<int> rows;
    for (int i = 0; i < drinks.size(); ++i)
        if (!drinks[i].ok())
            rows.append(i);
    return rows;
}

QList<int> EveningCheck::badMeasurementRows() const {
    QList<int> rows;
    for (int i = 0; i < measurements.size(); ++i)
        if (!measurements[i].ok() && !measurements[i].pending)
            rows.append(i);
    return rows;
}

QList<Measurement> EveningCheck::readings() const {
    QList<Measurement> out;
    for (const MeasurementEntryCheck& row : measurements)
        if (row.measurement)
            out.append(*row.measurement);
    return out;
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
    const auto firstDrink = std::ranges::min_element(drinks, {}, &Drink::start);
    const QStringList measuredDates = measurementDateProblems(form.measurements, form.drinks, now);
    QList<ReadingAt> readings;
    for (qsizetype i = 0; i < form.measurements.size(); ++i) {
        MeasurementEntryCheck check = checkMeasurementEntry(form.measurements[i]);
        if (!measuredDates[i].isEmpty())
            check.date = measuredDates[i];
        else if (const std::optional<QTime> time =
                     forecastinput::clockTime(form.measurements[i].time).value;
                 time && form.measurements[i].date.isValid() && firstDrink != drinks.end() &&
                 QDateTime(form.measurements[i].date, *time) < firstDrink->start)
            check.time = QStringLiteral("раньше первого напитка");
        if (!check.date.isEmpty() || !check.time.isEmpty()) {
            check.measurement.reset();
            check.pending = false;
        }
        out.measurements.append(check);
        if (check.measurement)
            readings.append({int(i), *check.measurement});
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

    const bool drinksOk = out.badRows().isEmpty() && out.badMeasurementRows().isEmpty();
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
    const auto compute = [&](const Anchors& anchors) {
        return allModels ? Forecast::computeAllModels(drinks, person, params, anchors)
                         : Forecast::compute(drinks, person, *model, params, anchors);
    };
    out.forecast = compute({});
    if (readings.isEmpty() || out.forecast->isEmpty())
        return out;
    out.unmeasured = out.forecast;
    Anchors anchors;
    for (const ReadingAt& r : readings) {
        anchors.readings.append(r.reading);
        QString& note = out.measurements[r.row].note;
        if (contradicts(r.reading, *out.unmeasured)) {
            out.contradicting.append(r.row);
            note = QStringLiteral("далеко от расчёта по напиткам");
        }
        if (soonAfterDrink(r.reading, drinks)) {
            out.mouthAlcohol.append(r.row);
            note = QStringLiteral("меньше 15 мин после напитка: завышен");
        }
    }
    out.measuredRate = measuredRate(eliminationRun(readings, drinks, params.absorptionMinutes));
    if (out.measuredRate && out.measuredRate->usable()) {
        const MeasuredRate& own = *out.measuredRate;
        anchors.rates = RateBand{own.rate - own.uncertainty, own.rate, own.rate + own.uncertainty};
    }
    out.forecast = compute(anchors);
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
