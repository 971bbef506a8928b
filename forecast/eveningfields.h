#pragma once

#include "evening.h"
#include "eveningcheck.h"
#include "modelchoice.h"

#include <QLatin1String>
#include <QString>
#include <QStringView>

// Every field of the evening in one table: its name in forecast.json, its member, where the
// check says what is wrong with it, and the object name of the window's control for it. The
// file, the check's display and the window walk these rows, so a new field is one more row.
// The drinks' dates, the sex and the own-limit choice are not texts and are read where they
// are used.
namespace eveningfields {

struct Field {
    QLatin1String key;
    QString Evening::*member;
    QString EveningCheck::*problem; // nullptr: a choice that cannot be wrong once it is known
    const char* control;            // a line edit, or a combo box whose item data is the id
    bool (*known)(QStringView id);  // the ids a choice takes; nullptr for a typed text
};

inline constexpr Field EveningTexts[] = {
    {QLatin1String("mass"), &Evening::mass, &EveningCheck::mass, "BodyMass", nullptr},
    {QLatin1String("height"), &Evening::height, &EveningCheck::height, "Height", nullptr},
    {QLatin1String("age"), &Evening::age, &EveningCheck::age, "Age", nullptr},
    {QLatin1String("slowestRate"), &Evening::slowestRate, &EveningCheck::slowestRate, "SlowestRate",
     nullptr},
    {QLatin1String("rate"), &Evening::rate, &EveningCheck::rate, "Rate", nullptr},
    {QLatin1String("fastestRate"), &Evening::fastestRate, &EveningCheck::fastestRate, "FastestRate",
     nullptr},
    {QLatin1String("deficit"), &Evening::deficit, &EveningCheck::deficit, "Deficit", nullptr},
    {QLatin1String("absorption"), &Evening::absorption, &EveningCheck::absorption, "Absorption",
     nullptr},
    {QLatin1String("planned"), &Evening::planned, &EveningCheck::planned, "PlannedTime", nullptr},
    {QLatin1String("model"), &Evening::model, &EveningCheck::model, "Model", &modelchoice::isKnown},
    {QLatin1String("country"), &Evening::country, nullptr, "Country", &isCountryId},
    {QLatin1String("driverClass"), &Evening::driverClass, nullptr, "Driver", &isDriverClass},
    {QLatin1String("customLimit"), &Evening::customLimit, &EveningCheck::customLimit, "OwnLimit",
     nullptr},
};

// A drink's texts, in the order of the drinks table's columns after the date.
struct DrinkField {
    QLatin1String key;
    QString DrinkEntry::*member;
    QString DrinkEntryCheck::*problem; // nullptr: any name will do
    const char* control;
    const char16_t* header; // the table's column header
};

inline constexpr DrinkField DrinkTexts[] = {
    {QLatin1String("time"), &DrinkEntry::time, &DrinkEntryCheck::time, "DrinkTime", u"Время"},
    {QLatin1String("drink"), &DrinkEntry::drink, nullptr, "DrinkName", u"Напиток"},
    {QLatin1String("grams"), &DrinkEntry::grams, &DrinkEntryCheck::grams, "DrinkGrams", u"мл"},
    {QLatin1String("strength"), &DrinkEntry::strength, &DrinkEntryCheck::strength, "DrinkStrength",
     u"%"},
    {QLatin1String("duration"), &DrinkEntry::duration, &DrinkEntryCheck::duration, "DrinkMinutes",
     u"мин"},
};

// A reading's texts, in the order of the readings table's columns after the date; the kind
// follows them.
struct MeasurementField {
    QLatin1String key;
    QString MeasurementEntry::*member;
    QString MeasurementEntryCheck::*problem;
    const char* control;
    const char16_t* header;
};

inline constexpr MeasurementField MeasurementTexts[] = {
    {QLatin1String("time"), &MeasurementEntry::time, &MeasurementEntryCheck::time,
     "MeasurementTime", u"Время"},
    {QLatin1String("value"), &MeasurementEntry::value, &MeasurementEntryCheck::value,
     "MeasurementValue", u"Показание"},
};

} // namespace eveningfields
