#pragma once

#include "forecast.h"
#include "measurement.h"

#include <QByteArray>
#include <QList>

// The forecast as data for a spreadsheet.
namespace forecastexport {

// One row per `stepMinutes` from the first drink to the end of the curve:
// "время;промилле;нижняя граница;верхняя граница;замер", the time as "dd.MM.yyyy HH:mm", levels
// with a decimal comma to three places. A reading's level in ‰ stands on the row of its minute,
// which is added between the steps where it falls there; the column is empty elsewhere. UTF-8
// with a byte-order mark and CR LF line ends, so a spreadsheet in a Russian locale opens it with
// the right columns and letters.
QByteArray csv(const Forecast& forecast, const QList<Measurement>& readings, int stepMinutes = 5);

} // namespace forecastexport
