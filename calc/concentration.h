#pragma once

#include "fixed4.h"

#include <QString>

// The inputs of one calculation, read from the window's texts in this order.
struct ConcentrationInputs {
    Fixed4 amount;          // V, grams of the drink
    Fixed4 strength;        // S, percent
    Fixed4 bodyMass;        // P, kilograms
    Fixed4 reductionFactor; // r
    Fixed4 eliminationRate; // β, promille per hour
    Fixed4 hours;           // t, hours since drinking
    Fixed4 runningTotal;    // G0, grams entered so far

    // Reads the seven texts in the order above; the first unreadable one throws.
    static ConcentrationInputs read(const QString& amount, const QString& strength,
                                    const QString& bodyMass, const QString& reductionFactor,
                                    const QString& eliminationRate, const QString& hours,
                                    const QString& runningTotal);
};

struct ConcentrationResult {
    Fixed4 blood;         // B, promille
    Fixed4 urine;         // U, promille
    Fixed4 totalTime;     // T, hours until the blood is free of alcohol
    Fixed4 remainingTime; // R = T − t
    Fixed4 runningTotal;  // G = V + G0
};

// Widmark-type model. The mix of fixed-point and double steps, and the roundings between them,
// are deliberate: they decide the shown figures. Division by zero (body mass, reduction factor
// or rate 0) and overflow throw ArithmeticError before any result exists.
ConcentrationResult computeConcentration(const ConcentrationInputs& in);

namespace concentration {
constexpr double EthanolFactor = 0.79384;
constexpr double UrineFactor = 1.33;
extern const Fixed4 MenReductionFactor;   // 0,68
extern const Fixed4 WomenReductionFactor; // 0,55

QString resultSentence(const QString& bloodText, const QString& urineText);
QString eliminationSentence(const QString& totalTimeText);
} // namespace concentration
