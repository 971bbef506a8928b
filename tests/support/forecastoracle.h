#pragma once

#include "calc/concentration.h"
#include "forecast/forecast.h"

#include <QDateTime>

#include <limits>

// Drinks of one evening for the forecast's tests, and the calculator as the oracle for a
// single drink taken at once.

inline constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
inline constexpr double Inf = std::numeric_limits<double>::infinity();

// 20:00 on a December evening, `minutes` later.
inline QDateTime evening(int minutes) {
    return QDateTime(QDate(2024, 12, 8), QTime(20, 0)).addSecs(60 * minutes);
}

inline Drink drink(int minutes, double grams, double strength, double duration = 0) {
    return Drink{evening(minutes), grams, strength, duration};
}

inline const Person man{Sex::Male, 80};

inline ConcentrationResult oracle(double grams, double strength, double hours, double rate = 0.13,
                                  const Person& p = man) {
    const Fixed4 r = p.sex == Sex::Female ? concentration::WomenReductionFactor
                                          : concentration::MenReductionFactor;
    return computeConcentration({toFixed(grams), toFixed(strength), toFixed(p.massKg), r,
                                 toFixed(rate), toFixed(hours), Fixed4()});
}
inline double blood(double grams, double strength, double hours) {
    return oracle(grams, strength, hours).blood.toDouble();
}
inline double hoursToZero(double grams, double strength, const Person& p = man) {
    return oracle(grams, strength, 0, 0.13, p).totalTime.toDouble();
}
inline qint64 secondsFromEvening(const QDateTime& t) {
    return evening(0).secsTo(t);
}
