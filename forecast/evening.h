#pragma once

#include "measurement.h"
#include "person.h"

#include <QDate>
#include <QList>
#include <QString>

// The forecast's evening exactly as the user typed and chose it, valid or not: what the window
// shows, the check reads and forecast.json keeps. The defaults are those of a fresh window.

struct DrinkEntry {
    QDate date;   // none while the typed date is not a day of the calendar
    QString time; // ЧЧ:ММ
    QString drink;
    QString grams;
    QString strength;
    QString duration = QStringLiteral("0");

    friend bool operator==(const DrinkEntry&, const DrinkEntry&) = default;
};

// A reading of a breathalyser (mg/l) or a laboratory (‰), dated as a drink is.
struct MeasurementEntry {
    QDate date;   // none while the typed date is not a day of the calendar
    QString time; // ЧЧ:ММ
    QString value;
    Measurement::Kind kind = Measurement::Kind::Breath;

    friend bool operator==(const MeasurementEntry&, const MeasurementEntry&) = default;
};

struct Evening {
    QList<DrinkEntry> drinks;
    QList<MeasurementEntry> measurements;
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

    friend bool operator==(const Evening&, const Evening&) = default;
};
