#pragma once

// Elimination rates in promille per hour: the centre and the band around it.
struct RateBand {
    double slowest = 0.10;
    double central = 0.13;
    double fastest = 0.16;
};

// The elimination band and the absorption assumptions of one forecast.
struct ForecastParams {
    static constexpr double MinRate = 0.0001; // the program's finest step; 0 would never end
    static constexpr double MaxRate = 0.5;
    static constexpr double MaxDeficitPercent = 30;
    static constexpr double MaxDeficit = MaxDeficitPercent / 100;
    static constexpr double MaxAbsorptionMinutes = 180;

    double rate = 0.13;           // β, promille per hour: the central curve
    double slowestRate = 0.10;    // β_min: the highest curve, the worst case
    double fastestRate = 0.16;    // β_max: the lowest curve, the best case
    double deficit = 0;           // share of the ethanol that never reaches the blood, 0…0,3
    double absorptionMinutes = 0; // how long a drink takes to reach the blood, 0…180

    // Every value within its range and the rates in order; a value that is not a number
    // falls back to its default.
    ForecastParams sanitized() const;
};
