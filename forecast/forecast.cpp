#include "forecast.h"

#include <QMap>
#include <QtNumeric>

#include <algorithm>
#include <cmath>

namespace {
constexpr qint64 MinuteMs = 60 * 1000;
// Input spread over less than this counts as taken at once: a shorter span would be lost
// between two minutes of floating-point time.
constexpr double InstantMinutes = 1e-3;

double notBelowZero(double x) {
    return x > 0 ? x : 0.0;
}

QDateTime toTheMinute(const QDateTime& t) {
    return t.addMSecs(-(t.time().second() * 1000 + t.time().msec()));
}

bool usable(const Drink& d) {
    return d.start.isValid() && !std::isnan(d.grams) && !std::isnan(d.strength) &&
           !std::isnan(d.durationMinutes);
}

// Far above any level a person survives; a higher reading is a typing error the check refuses.
constexpr double MaxReadingPromille = 10;

RateBand sanitizedBand(RateBand band) {
    ForecastParams p;
    p.slowestRate = band.slowest;
    p.rate = band.central;
    p.fastestRate = band.fastest;
    p = p.sanitized();
    return {p.slowestRate, p.rate, p.fastestRate};
}

Drink clamped(Drink d) {
    d.start = toTheMinute(d.start);
    d.grams = std::clamp(d.grams, 0.0, Forecast::MaxGrams);
    d.strength = std::clamp(d.strength, 0.0, 100.0);
    d.durationMinutes = std::clamp(d.durationMinutes, 0.0, Forecast::MaxDrinkingMinutes);
    return d;
}
} // namespace

Forecast Forecast::compute(const QList<Drink>& drinks, const Person& person, const BodyModel& model,
                           const ForecastParams& params, const Anchors& anchors) {
    Forecast f;
    if (std::isnan(person.massKg))
        return f;
    Person body = person;
    body.massKg = std::clamp(person.massKg, MinBodyMassKg, MaxBodyMassKg);
    if (!model.fits(body))
        return f;
    const double r = model.reductionFactor(body);

    QList<Drink> list;
    for (const Drink& d : drinks) {
        if (!usable(d))
            continue;
        // At the very start of QDateTime's range there may be no whole minute to cut back to.
        const Drink c = clamped(d);
        if (c.start.isValid())
            list.append(c);
    }
    if (list.isEmpty())
        return f;
    std::stable_sort(list.begin(), list.end(),
                     [](const Drink& a, const Drink& b) { return a.start < b.start; });

    f.m_start = list.front().start;
    const qint64 startMs = f.m_start.toMSecsSinceEpoch();
    // Drinks at both ends of QDateTime's range lie further apart than a qint64 of milliseconds.
    qint64 spanMs = 0;
    if (qSubOverflow(list.back().start.toMSecsSinceEpoch(), startMs, &spanMs))
        return Forecast();
    const qint64 lastStart = spanMs / MinuteMs;
    if (lastStart > qint64(MaxSpanDays) * 24 * 60)
        return Forecast();
    // The readings by minute from the first drink; a later one at the same minute wins.
    QMap<qsizetype, double> readings;
    for (const Measurement& reading : anchors.readings) {
        const double level = reading.promille();
        if (!reading.at.isValid() || !(level >= 0) || reading.at < f.m_start)
            continue;
        const qint64 minute = f.m_start.secsTo(toTheMinute(reading.at)) / 60;
        if (minute > qint64(MaxSpanDays) * 24 * 60)
            return Forecast();
        readings.insert(qsizetype(minute), std::min(level, MaxReadingPromille));
    }
    const qsizetype lastReading = readings.isEmpty() ? 0 : readings.lastKey();
    const qsizetype horizon = std::max<qsizetype>(lastStart, lastReading) + HorizonHours * 60;
    // Every answer is a moment on the grid or after it: its end must be a time QDateTime holds.
    if (!f.timeAt(horizon).isValid())
        return Forecast();

    f.m_params = params.sanitized();
    f.m_reductionFactor = r;
    f.m_model = model.key();
    const double toPromille = (1 - f.m_params.deficit) / (r * body.massKg);

    // Doses land on the minute they are taken; spread input is split by overlap with each
    // minute. Input always ends within a day and three hours of its start, well before the
    // horizon.
    QList<double> doses(horizon + 1, 0.0);
    QList<double> inflow(horizon + 1, 0.0);
    double inputEnd = 0;
    for (const Drink& d : list) {
        const qint64 at = (d.start.toMSecsSinceEpoch() - startMs) / MinuteMs;
        const double promille = d.ethanolGrams() * toPromille;
        const double span = d.durationMinutes + f.m_params.absorptionMinutes;
        if (span < InstantMinutes) {
            doses[at] += promille;
            inputEnd = std::max(inputEnd, double(at));
            continue;
        }
        const double until = double(at) + span;
        for (qsizetype m = at; double(m) < until; ++m)
            inflow[m] += promille * (std::min(double(m + 1), until) - double(m)) / span;
        inputEnd = std::max(inputEnd, until);
    }
    const qsizetype inputDone = qsizetype(std::ceil(inputEnd));

    Curve* curves[] = {&f.m_central, &f.m_slow, &f.m_fast};
    f.m_measuredRates = sanitizedBand(anchors.rates.value_or(
        RateBand{f.m_params.slowestRate, f.m_params.rate, f.m_params.fastestRate}));
    const RateBand& after = f.m_measuredRates;
    const double afterRates[] = {after.central, after.slowest, after.fastest};
    f.m_central.rate = f.m_params.rate;
    f.m_slow.rate = f.m_params.slowestRate;
    f.m_fast.rate = f.m_params.fastestRate;
    const qsizetype firstReading = readings.isEmpty() ? horizon + 1 : readings.firstKey();
    if (!readings.isEmpty())
        f.m_anchoredFrom = f.timeAt(firstReading);
    for (Curve* c : curves) {
        c->level.reserve(horizon + 1);
        c->step.reserve(horizon);
        c->level.append(doses[0]);
    }
    // A reading at the first drink's minute was taken before it.
    auto reading = readings.constBegin();
    const auto anchor = [&](qsizetype m) {
        if (reading == readings.constEnd() || reading.key() != m)
            return;
        for (Curve* c : curves) {
            // The path of the minute before heads straight to the reading.
            if (m > 0)
                c->step.back() = reading.value() - c->level[m - 1];
            c->level.back() = reading.value() + doses[m];
        }
        ++reading;
    };
    anchor(0);
    qsizetype m = 0;
    // The slow curve is the highest: once it is back at 0 with no input and no reading left,
    // all are.
    while (!(m >= inputDone && m >= lastReading && f.m_slow.level.back() == 0) && m < horizon) {
        ++m;
        if (m - 1 == firstReading)
            for (int i = 0; i < 3; ++i)
                curves[i]->rate = afterRates[i];
        for (Curve* c : curves) {
            c->step.append(inflow[m - 1] - c->rate / 60);
            c->level.append(notBelowZero(c->level.back() + c->step.back()) + doses[m]);
        }
        anchor(m);
    }
    if (!readings.isEmpty())
        for (int i = 0; i < 3; ++i)
            curves[i]->rate = afterRates[i];
    f.m_reachesHorizon = f.m_slow.level.back() > 0;
    return f;
}

double Forecast::Curve::at(qsizetype minute) const {
    const qsizetype last = level.size() - 1;
    if (minute <= last)
        return level[minute];
    return notBelowZero(level[last] - rate / 60 * double(minute - last));
}

// Where the path of `minute` would arrive at the next minute if nothing held it at 0 and no
// dose came.
double Forecast::Curve::headsTo(qsizetype minute) const {
    return minute < step.size() ? level[minute] + step[minute] : at(minute) - rate / 60;
}

Forecast::Curve Forecast::Curve::paddedTo(qsizetype points) const {
    Curve c = *this;
    for (qsizetype m = level.size(); m < points; ++m) {
        c.step.append(headsTo(m - 1) - c.level.back());
        c.level.append(at(m));
    }
    return c;
}

// Each model's path within a minute is a line held at 0, so the lowest of them lies on or above
// the chord of the lowest ends (a minimum of lines is concave) and the highest on or below the
// chord of the highest ends (a maximum is convex). Those chords, held at 0 as well, keep every
// model inside the band between minutes too.
Forecast::Curve Forecast::envelope(const QList<const Curve*>& curves, qsizetype points, Side side) {
    const auto pick = [side](double a, double b) {
        return side == Side::Lowest ? std::min(a, b) : std::max(a, b);
    };
    Curve out;
    out.rate = curves.front()->rate;
    out.level.reserve(points);
    out.step.reserve(points - 1);
    for (qsizetype m = 0; m < points; ++m) {
        double level = curves.front()->at(m);
        double end = curves.front()->headsTo(m);
        for (const Curve* c : curves) {
            level = pick(level, c->at(m));
            end = pick(end, c->headsTo(m));
        }
        out.level.append(level);
        if (m + 1 < points)
            out.step.append(end - level);
    }
    return out;
}

Forecast Forecast::computeAllModels(const QList<Drink>& drinks, const Person& person,
                                    const ForecastParams& params, const Anchors& anchors) {
    QList<Forecast> each;
    qsizetype widmark = 0;
    for (const BodyModel& model : BodyModel::all()) {
        if (model.id() == BodyModelId::Widmark)
            widmark = each.size();
        each.append(compute(drinks, person, model, params, anchors));
        if (each.back().isEmpty())
            return Forecast();
    }
    qsizetype points = 0;
    QList<const Curve*> slow;
    QList<const Curve*> fast;
    for (const Forecast& f : each) {
        points = std::max(points, f.pointCount());
        slow.append(&f.m_slow);
        fast.append(&f.m_fast);
    }
    // Widmark keeps the centre, so one drink still agrees with the calculator. Every model
    // shares the start and the horizon; a shorter grid ends with all its curves at 0.
    Forecast out = each[widmark];
    out.m_central = out.m_central.paddedTo(points);
    out.m_slow = envelope(slow, points, Side::Highest);
    out.m_fast = envelope(fast, points, Side::Lowest);
    out.m_model = AllModels.toString();
    out.m_reachesHorizon = out.m_slow.level.back() > 0;
    return out;
}

QDateTime Forecast::timeAtMinute(double minutes) const {
    // Beyond any calendar a person reads, but still a finite QDateTime.
    minutes = std::min(minutes, 1e11);
    return m_start.addMSecs(qRound64(minutes * MinuteMs));
}

double Forecast::levelAt(const Curve& curve, double minutes) {
    const qsizetype last = curve.level.size() - 1;
    if (minutes >= double(last))
        return notBelowZero(curve.level[last] - curve.rate / 60 * (minutes - double(last)));
    const auto m = qsizetype(std::floor(minutes));
    const double s = minutes - double(m);
    if (s == 0)
        return curve.level[m];
    return notBelowZero(curve.level[m] + curve.step[m] * s);
}

LevelRange Forecast::levelAt(const QDateTime& moment) const {
    if (isEmpty() || !moment.isValid())
        return {};
    const double minutes = double(m_start.msecsTo(moment)) / MinuteMs;
    if (minutes < 0)
        return {};
    const double central = levelAt(m_central, minutes);
    // The order holds exactly; this only keeps rounding between minutes from showing.
    return {central, std::min(levelAt(m_fast, minutes), central),
            std::max(levelAt(m_slow, minutes), central)};
}

double Forecast::fallsTo(const Curve& curve, double level) {
    qsizetype i = curve.level.size() - 1;
    while (i >= 0 && !(curve.level[i] > level))
        --i;
    if (i < 0)
        return 0;
    const double from = curve.level[i];
    if (i == curve.level.size() - 1)
        return double(i) + (from - level) / (curve.rate / 60);
    // The path of minute i runs linearly from `from` towards `to` (before clamping and before
    // the doses of the next minute, which cannot lift it above `level`: i is the last minute
    // above it). So to ≤ level < from, up to rounding.
    const double fall = -curve.step[i];
    return double(i) + (fall > 0 ? std::min(1.0, (from - level) / fall) : 1.0);
}

std::optional<TimeRange> Forecast::fallsTo(double level) const {
    if (isEmpty())
        return std::nullopt;
    if (!(level > 0))
        level = 0;
    const auto above = [level](double x) { return x > level; };
    if (std::none_of(m_slow.level.cbegin(), m_slow.level.cend(), above))
        return std::nullopt;
    return TimeRange{timeAtMinute(fallsTo(m_central, level)), timeAtMinute(fallsTo(m_fast, level)),
                     timeAtMinute(fallsTo(m_slow, level))};
}

Peak Forecast::peak() const {
    if (isEmpty())
        return {};
    const auto top = [](const Curve& c) {
        return std::max_element(c.level.cbegin(), c.level.cend()) - c.level.cbegin();
    };
    const qsizetype central = top(m_central);
    const qsizetype fast = top(m_fast);
    const qsizetype slow = top(m_slow);
    Peak p;
    p.level = {m_central.level[central], m_fast.level[fast], m_slow.level[slow]};
    // Faster elimination ends a rise sooner, so the fast curve peaks first; min and max keep
    // the band ordered whatever the drinks.
    p.time = {timeAt(central), timeAt(std::min({central, fast, slow})),
              timeAt(std::max({central, fast, slow}))};
    return p;
}

QDateTime Forecast::occurrenceOf(QTime clock) const {
    if (isEmpty() || !clock.isValid())
        return {};
    QDateTime moment = m_start;
    moment.setTime(QTime(clock.hour(), clock.minute()));
    if (moment < m_start)
        moment = moment.addDays(1);
    return moment;
}

PlannedCheck Forecast::check(QTime clock, double limit) const {
    PlannedCheck result;
    result.moment = occurrenceOf(clock);
    result.level = levelAt(result.moment);
    if (result.level.highest <= limit)
        result.verdict = Verdict::Below;
    else if (result.level.lowest > limit)
        result.verdict = Verdict::Above;
    else
        result.verdict = Verdict::Uncertain;
    return result;
}
