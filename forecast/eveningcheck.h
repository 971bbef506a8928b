#pragma once

#include "checked.h"
#include "drink.h"
#include "evening.h"
#include "forecast.h"
#include "forecastparams.h"
#include "limitentry.h"
#include "person.h"
#include "ratecheck.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>

#include <optional>

// Reading and checking the evening as typed. The window shows the problems beside their
// fields; a forecast exists only when nothing is wrong, so no answer is ever computed from a
// half-read evening.
struct DrinkEntryCheck {
    std::optional<Drink> drink;
    QString date, time, grams, strength, duration; // the problems, empty where the field is right

    bool ok() const { return drink.has_value(); }
};

DrinkEntryCheck checkDrinkEntry(const DrinkEntry& entry);

struct MeasurementEntryCheck {
    std::optional<Measurement> measurement;
    QString date, time, value; // the problems, empty where the field is right
    // Dated and timed, its value not yet typed: a reading just added. It asks for its value at
    // the field but holds nothing up; the forecast goes on without it.
    bool pending = false;
    // What to mind about a right reading, shown beside it: one taken soon after a drink, or far
    // from what the drinks give. Empty for most.
    QString note;

    bool ok() const { return measurement.has_value(); }
};

MeasurementEntryCheck checkMeasurementEntry(const MeasurementEntry& entry);

// When the drink began, in the zone of `zoneOf` (local time when it is not valid): its day and
// time, or the end of its day when the time is not one; nothing without a day.
std::optional<QDateTime> drinkStart(const DrinkEntry& entry, const QDateTime& zoneOf = {});
std::optional<QDateTime> measuredAt(const MeasurementEntry& entry, const QDateTime& zoneOf = {});

// The day of a drink typed as a clock time only: the one that makes it the latest moment at or
// before an hour from now, so that "22:30" typed at 02:50 is last night's.
QDate dayOfTime(QTime time, const QDateTime& now);

// How far the drinks of one evening may lie from now, either way, and from the first of them.
// Further is no evening to forecast, and would only cost time and memory to draw.
inline constexpr int EveningDaysFromNow = Forecast::MaxSpanDays;
inline constexpr int EveningSpanDays = Forecast::MaxSpanDays;

// The date problem of each row: a start too far from `now` (not checked when `now` is not
// valid) or too long after the first drink. Empty where the date is right or missing.
QStringList drinkDateProblems(const QList<DrinkEntry>& drinks, const QDateTime& now);
// The same for the readings, measured from the drinks' first (of those near now).
QStringList measurementDateProblems(const QList<MeasurementEntry>& measurements,
                                    const QList<DrinkEntry>& drinks, const QDateTime& now);

struct EveningCheck {
    QList<DrinkEntryCheck> drinks;
    QList<MeasurementEntryCheck> measurements;
    QString mass, slowestRate, rate, fastestRate, deficit, absorption, planned; // problems
    QString model, height, age;                                                 // problems
    QString customLimit;                                                        // problem
    Limit limit; // the one the answers are measured against
    std::optional<QTime> plannedTime;
    std::optional<Forecast> forecast; // only when every field is right

    // With readings: the forecast from the drinks alone, and what the readings say of it.
    std::optional<Forecast> unmeasured;
    std::optional<MeasuredRate> measuredRate; // from the readings once the drinks were absorbed
    QList<int> contradicting;                 // readings far from what the drinks give
    QList<int> mouthAlcohol;                  // readings taken soon after a drink

    bool ok() const { return forecast.has_value(); }
    // The rows whose fields need a look, counted from 0.
    QList<int> badRows() const;
    QList<int> badMeasurementRows() const; // a pending reading is not one of them
    // The readings of the rows that are right, in the rows' order.
    QList<Measurement> readings() const;
};

// `now` bounds the drinks' dates; an invalid one leaves only the span between them.
EveningCheck checkEvening(const Evening& form, const QDateTime& now);

// The driver classes as the evening names them: "general", "novice", "professional".
DriverClass driverClassOf(const QString& name);
bool isDriverClass(QStringView id);

// "RU", or a country with its region: "US-CAL".
bool isCountryId(QStringView id);
