#pragma once

#include "evening.h"
#include "person.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What the forecast takes over from the calculator: its drink, placed on the clock "hours"
// before now, and its body and rate. Only what the calculator holds is taken; nothing is made
// up for an empty field.
struct CalculatorInputs {
    bool reverse = false; // the amount field then holds promille, not grams
    QString grams, strength, mass, rate, hours;
    Sex sex = Sex::Male;
};

struct CalculatorHandover {
    std::optional<DrinkEntry> drink;
    QString mass; // empty: keep what the forecast has
    Sex sex = Sex::Male;
    // The band widens to hold a central rate outside the usual 0,1…0,16.
    QString slowestRate, rate, fastestRate; // empty: keep what the forecast has
};

CalculatorHandover handOver(const CalculatorInputs& in, const QDateTime& now);

// Puts the calculator's drink into `evening` as a new last row, unless the evening has it
// already (the same date, time, grams and strength); with `body`, also the sex and whatever of
// the mass and the rates the calculator holds. The drink's row when it was added.
std::optional<int> takeOver(Evening& evening, const CalculatorHandover& handover, bool body);
