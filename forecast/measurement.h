#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// A level measured at one moment: a breathalyser's reading in mg/l of exhaled air, or a
// laboratory's in ‰ (g/l of blood).
struct Measurement {
    enum class Kind { Breath, Blood };

    QDateTime at;
    double value = 0;
    Kind kind = Kind::Breath;

    // The blood level it stands for, at the program's 1 ‰ = 0,5 mg/l for a breath reading.
    double promille() const;
    // "0,25 мг/л", "0,50 ‰": in its own unit, to at least two decimals and to every one it has.
    QString valueText() const;
    // "замер 23:10: 0,25 мг/л (0,50 ‰)": a breath reading names the blood level it stands for.
    // A time on another day than `today` names it.
    QString description(QDate today) const;
};

// The person's own elimination rate from readings taken while only elimination was at work
// (the drinks absorbed, none between them): the least-squares slope of level over time.
struct MeasuredRate {
    // The range a person's rate may plausibly take; a slope outside it points at a wrong time, a
    // drink not entered or a measuring error, and is shown but not used.
    static constexpr double Lowest = 0.05;
    static constexpr double Highest = 0.35;
    static constexpr double LeastUncertainty = 0.01; // ‰/h, however well the readings agree

    double rate = 0;        // ‰ per hour, positive while the level falls
    double uncertainty = 0; // ‰ per hour: the slope's standard error, at least LeastUncertainty
    int readings = 0;

    bool usable() const { return rate >= Lowest && rate <= Highest; }
    // Why a rate is not used, in short Russian; empty for a usable one.
    QString reason() const;
};

// The slope of `readings` (in any order), when at least two lie at different moments.
std::optional<MeasuredRate> measuredRate(const QList<Measurement>& readings);
