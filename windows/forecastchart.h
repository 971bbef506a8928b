#pragma once

#include "app/chartdescription.h"

#include <QDateTime>

class Forecast;

// What a forecast looks like on a chart: the band, the central curve, the limit and zero lines,
// "сейчас", the marks with their times and the two axes. The window and its report draw the
// same picture.
namespace forecastchart {

ChartDescription describe(const Forecast& forecast, double limit, const QDateTime& now);

} // namespace forecastchart
