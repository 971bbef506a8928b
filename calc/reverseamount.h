#pragma once

#include "fixed4.h"

#include <QString>

// The concentration model solved for the amount: grams of a drink of strength S that give the
// measured blood value c after t hours. Strength 0 and overflow throw ArithmeticError.
struct ReverseAmount {
    Fixed4 promille;        // c
    Fixed4 strength;        // S
    Fixed4 bodyMass;        // P
    Fixed4 reductionFactor; // r
    Fixed4 eliminationRate; // β
    Fixed4 hours;           // t

    // Reads the six texts in this order; the first unreadable one throws.
    static ReverseAmount read(const QString& promille, const QString& strength,
                              const QString& bodyMass, const QString& reductionFactor,
                              const QString& eliminationRate, const QString& hours);

    // V = 100·P·r·(c + β·t) / (S·0,79384), unrounded (four places).
    Fixed4 grams() const;

    static QString sentence(const QString& strengthText, const QString& gramsText);
};
