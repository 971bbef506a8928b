#pragma once

#include <QString>

#include <optional>

// A drink-driving limit as the law states it: a blood figure and, where the law has one, a
// separate figure for exhaled air. The two are separate legal thresholds, not conversions of
// each other, so both are kept.
struct Limit {
    // The program's own breath conversion, as on the calculator's unit line: 1 ‰ = 0,5 mg/l.
    static constexpr double BreathPerPromille = 0.5;

    QString country;
    double bloodGramsPerLitre = 0;                  // promille in the program's sense
    std::optional<double> breathMilligramsPerLitre; // mg/l exhaled air
    QString source;

    // The blood level the forecast checks against: the stricter of the blood figure and the
    // breath figure converted at the program's ratio. Never below 0: a limit of 0 (or one
    // that is not a number) means any alcohol, so "below the limit" means sober.
    double effectivePromille() const;

    // "0,3 г/л в крови, 0,16 мг/л в выдыхаемом воздухе"; "0 г/л: любой алкоголь запрещён".
    QString description() const;

    static double breathFromPromille(double promille) { return promille * BreathPerPromille; }
    static double promilleFromBreath(double mgPerLitre) { return mgPerLitre / BreathPerPromille; }

    static Limit russia();
    // "Свой предел": a blood figure the user sets, in g/l.
    static Limit custom(double gramsPerLitre);
};
