#pragma once

#include "checked.h"
#include "forecastparams.h"
#include "measurement.h"
#include "ratecheck.h"

#include <QDate>
#include <QString>
#include <QTime>

// Reading the forecast window's fields. Numbers follow the program's reading rule, except that
// a decimal point is taken for the comma; a problem comes back as a short Russian text.
namespace forecastinput {

Checked<QTime> clockTime(const QString& text); // ЧЧ:ММ, 00:00…23:59
Checked<QDate> date(const QString& text);      // ДД.ММ.ГГГГ, a day of the calendar
QString dateText(QDate date);                  // as date() reads it back
Checked<double> strength(const QString& text); // percent, 0 < S ≤ 100
// A drink's amount in millilitres, 0 < V ≤ 5000: "500", "500 мл", "0,5 л", "0.5 л". The
// calculator's "грамм" of a drink are these millilitres. Refused: any other unit ("500 г",
// "0,5 l"), a unit without a number and two separators ("1.000,5 л").
Checked<double> drinkGrams(const QString& text);
// A reading: breath 0…4 mg/l, blood 0…8 ‰ (the same level). Above that no one is conscious to
// blow, and a typing error ("25" for "0,25") is told rather than drawn.
Checked<double> measuredValue(const QString& text, Measurement::Kind kind);
Checked<double> bodyMass(const QString& text);          // kilograms, 20…300
Checked<double> ownLimit(const QString& text);          // g/l blood, 0…1,5
Checked<double> height(const QString& text);            // centimetres, 100…250
Checked<double> age(const QString& text);               // years, 14…120
Checked<double> drinkingMinutes(const QString& text);   // 0…1440
Checked<double> deficit(const QString& percentText);    // 0…30 %, returned as a share 0…0,3
Checked<double> absorptionMinutes(const QString& text); // 0…180

// 0 < slowest ≤ central ≤ fastest ≤ 0,5. The first field in that order that is wrong is named;
// `base` supplies the other parameters.
RateCheck rates(const QString& slowest, const QString& central, const QString& fastest,
                const ForecastParams& base = {});

} // namespace forecastinput
