#pragma once

#include "bodymodel.h"
#include "drink.h"
#include "forecastparams.h"
#include "levelrange.h"
#include "measurement.h"
#include "peak.h"
#include "person.h"
#include "plannedcheck.h"
#include "timerange.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

// The blood level over time for a list of drinks, in promille (g/l), on a one-minute grid from
// the first drink's start. Three curves share the grid: the central rate, the slowest rate (the
// highest curve, the worst case) and the fastest (the lowest, the best case); at every minute
// fast ≤ central ≤ slow.
//
// Each drink's ethanol, less the resorption deficit, enters the blood at a constant rate over
// its drinking time plus the absorption time, or all at once when both are 0. Elimination is
// zero-order, acts on the total and only while the level is above 0, so time spent sober is
// never credited against a later drink. Step per minute:
//   level[m] = max(0, level[m−1] + inflow during (m−1, m] − β/60) + doses at m
// which is exact for drinks taken at once. Within a minute the level moves linearly, and after
// the last point only elimination remains, so every answer is read from the exact path rather
// than rounded to the grid.
//
// Measured levels re-anchor the curves: at a reading's minute every curve starts again at the
// measured level (plus the doses of that minute, taken after it) and goes on by the same rules,
// so the drinks before it, the body model and the absorption guess no longer matter there; only
// the elimination band does. From the first reading on, `Anchors::rates` (the person's own, when
// the readings give one) take the place of the band's rates.
//
// A forecast over all body models keeps Widmark's central curve and widens the band to the
// lowest fast curve and the highest slow curve of any model, so the range shown is the honest
// spread of both the models and β.
struct Anchors {
    QList<Measurement> readings; // any order; those before the first drink are left out
    std::optional<RateBand> rates;
};

class Forecast {
public:
    static constexpr int HorizonHours =
        72; // the grid stops this long after the last drink or reading
    static constexpr int MaxSpanDays = 14; // drinks further apart are refused
    static constexpr double MinBodyMassKg = 20;
    static constexpr double MaxBodyMassKg = 300;
    static constexpr double MaxGrams = 5000;
    static constexpr double MaxDrinkingMinutes = 1440;

    Forecast() = default; // empty: no drinks

    // Out-of-range values are clamped; a drink without a valid start (one that cannot be cut to
    // the minute included) or with a value that is not a number is left out; an unusable body
    // (mass not a number, no positive reduction factor), drinks spread over more than
    // MaxSpanDays or a grid that would end beyond QDateTime's range give an empty forecast. The
    // work never grows with the dates themselves: at most MaxSpanDays and HorizonHours of
    // minutes.
    static Forecast compute(const QList<Drink>& drinks, const Person& person,
                            const BodyModel& model = BodyModel::widmark(),
                            const ForecastParams& params = {}, const Anchors& anchors = {});
    // Empty as soon as one model cannot describe the person: the band would not be the whole
    // spread.
    static Forecast computeAllModels(const QList<Drink>& drinks, const Person& person,
                                     const ForecastParams& params = {},
                                     const Anchors& anchors = {});
    static constexpr QStringView AllModels = u"all"; // model() of a forecast over all models

    bool isEmpty() const { return m_central.level.isEmpty(); }
    QDateTime start() const { return m_start; } // the first drink's start, to the minute
    QDateTime end() const { return timeAt(pointCount() - 1); }
    qsizetype pointCount() const { return m_central.level.size(); }
    QDateTime timeAt(qsizetype index) const { return m_start.addSecs(60 * index); }
    // The grid was cut at the horizon with alcohol still in the blood; answers past the end
    // still hold, as only elimination remains there.
    bool reachesHorizon() const { return m_reachesHorizon; }
    double reductionFactor() const { return m_reductionFactor; } // of the central curve
    QString model() const { return m_model; }                 // the body model's key, or AllModels
    const ForecastParams& params() const { return m_params; } // as used: sanitized
    // The first reading the curves were anchored to, to the minute; invalid without one.
    QDateTime anchoredFrom() const { return m_anchoredFrom; }
    // The band's rates after the first reading: the person's own or the params'.
    RateBand measuredRates() const { return m_measuredRates; }

    const QList<double>& centralCurve() const { return m_central.level; }
    // Over all models: the highest and the lowest of any model.
    const QList<double>& slowCurve() const { return m_slow.level; } // slowest rate: highest
    const QList<double>& fastCurve() const { return m_fast.level; } // fastest rate: lowest

    Peak peak() const;

    // When the level falls to or below `level` and stays there. A curve that never exceeds it
    // counts from the start; nothing if even the slow curve never exceeds it.
    std::optional<TimeRange> fallsTo(double level) const;
    std::optional<TimeRange> soberAt() const { return fallsTo(0); }

    // 0 before the first drink.
    LevelRange levelAt(const QDateTime& moment) const;

    // The first time the clock shows `clock` at or after the first drink's start.
    QDateTime occurrenceOf(QTime clock) const;
    PlannedCheck check(QTime clock, double limit) const;

private:
    struct Curve {
        double rate = 0; // promille per hour: the fall past the last point
        QList<double> level;
        // How far the path moves during (m, m+1), before it is held at 0 and before the doses
        // of m+1; one fewer than `level`. For a single model it is the inflow less β/60; for a
        // band over several models it is the chord of the lowest or highest path.
        QList<double> step;

        double at(qsizetype minute) const;
        double headsTo(qsizetype minute) const;
        Curve paddedTo(qsizetype points) const;
    };
    enum class Side { Lowest, Highest };
    static Curve envelope(const QList<const Curve*>& curves, qsizetype points, Side side);

    static double levelAt(const Curve& curve, double minutes);
    static double fallsTo(const Curve& curve, double level);
    QDateTime timeAtMinute(double minutes) const;

    QDateTime m_start;
    QDateTime m_anchoredFrom;
    RateBand m_measuredRates;
    Curve m_central;
    Curve m_slow;
    Curve m_fast;
    ForecastParams m_params;
    double m_reductionFactor = 0;
    QString m_model;
    bool m_reachesHorizon = false;
};
