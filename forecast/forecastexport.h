#pragma once

#include "forecast.h"

#include <QByteArray>

// The forecast as data for a spreadsheet.
namespace forecastexport {

// One row per `stepMinutes` from the first drink to the end of the curve:
// "время;промилле;нижняя граница;верхняя граница", the time as "dd.MM.yyyy HH:mm", levels with
// a decimal comma to three places. UTF-8 with a byte-order mark and CR LF line ends, so a
// spreadsheet in a Russian locale opens it with the right columns and letters.
QByteArray csv(const Forecast& forecast, int stepMinutes = 5);

} // namespace forecastexport
