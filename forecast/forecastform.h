#pragma once

#include "checked.h"
#include "drink.h"
#include "forecast.h"
#include "forecastparams.h"
#include "limitentry.h"
#include "person.h"
#include "ratecheck.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

// The forecast window's fields as typed, read and checked in one place. The window shows the
// problems beside their fields; a forecast exists only when nothing is wrong, so no answer is
// ever computed from a half-read form.
struct DrinkEntry {
    QDate date;
    QString time; // ЧЧ:ММ
    QString drink;
    QString grams;
    QString strength;
    QString duration = QStringLiteral("0");

    friend bool operator==(const DrinkEntry&, const DrinkEntry&) = default;
};

struct DrinkEntryCheck {
    std::optional<Drink> drink;
    QString date, time, grams, strength, duration; // the problems, empty where the field is right

    bool ok() const { return drink.has_value(); }
};

DrinkEntryCheck checkDrinkEntry(const DrinkEntry& entry);

// When the drink began, in the zone of `zoneOf` (local time when it is not valid): its day and
// time, or the end of its day when the time is not one; nothing without a day.
std::optional<QDateTime> drinkStart(const DrinkEntry& entry, const QDateTime& zoneOf = {});

// How far the drinks of one evening may lie from now, either way, and from the first of them.
// Further is no evening to forecast, and would only cost time and memory to draw.
inline constexpr int EveningDaysFromNow = Forecast::MaxSpanDays;
inline constexpr int EveningSpanDays = Forecast::MaxSpanDays;

// The date problem of each row: a start too far from `now` (not checked when `now` is not
// valid) or too long after the first drink. Empty where the date is right or missing.
QStringList drinkDateProblems(const QList<DrinkEntry>& drinks, const QDateTime& now);

struct ForecastForm {
    QList<DrinkEntry> drinks;
    Sex sex = Sex::Male;
    QString mass;
    QString model = QStringLiteral("widmark"); // a body model's key, or Forecast::AllModels
    QString height = QStringLiteral("175");    // centimetres; read only for models that use it
    QString age = QStringLiteral("30");        // years; read only for models that use it
    QString slowestRate = QStringLiteral("0,1");
    QString rate = QStringLiteral("0,13");
    QString fastestRate = QStringLiteral("0,16");
    QString deficit = QStringLiteral("0");    // percent
    QString absorption = QStringLiteral("0"); // minutes
    QString planned = QStringLiteral("08:00");
    // Whose limit: a country of the table and the driver's class, or the user's own figure.
    QString country = QStringLiteral("RU");
    QString driverClass = QStringLiteral("general"); // "general", "novice", "professional"
    bool ownLimit = false;
    QString customLimit; // g/l, read when ownLimit

    friend bool operator==(const ForecastForm&, const ForecastForm&) = default;
};

struct ForecastFormCheck {
    QList<DrinkEntryCheck> drinks;
    QString mass, slowestRate, rate, fastestRate, deficit, absorption, planned; // problems
    QString model, height, age;                                                 // problems
    QString customLimit;                                                        // problem
    Limit limit; // the one the answers are measured against
    std::optional<QTime> plannedTime;
    std::optional<Forecast> forecast; // only when every field is right

    bool ok() const { return forecast.has_value(); }
    // The rows whose fields need a look, counted from 0.
    QList<int> badRows() const;
};

// `now` bounds the drinks' dates; an invalid one leaves only the span between them.
ForecastFormCheck checkForecastForm(const ForecastForm& form, const QDateTime& now);

// The driver classes as the form and the saved evening name them.
DriverClass driverClassOf(const QString& name);
