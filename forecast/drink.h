#pragma once

#include <QDateTime>

// One drink on the timeline. The forecast counts in whole minutes: seconds of `start` are
// dropped.
struct Drink {
    QDateTime start;            // local time when drinking began
    double grams = 0;           // V, grams of the drink
    double strength = 0;        // S, percent by volume
    double durationMinutes = 0; // how long it took to drink; 0 = at once

    // A = V · S / 100 · 0,79384, the calculator's conversion.
    double ethanolGrams() const;
};
