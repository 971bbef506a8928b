#pragma once

#include <QDateTime>

class ChartWidget;
class Forecast;

// What a forecast looks like on a chart: the band, the central curve, the limit and zero lines,
// "сейчас" and the marks with their times. The window and its report draw the same picture.
namespace forecastchart {

void show(ChartWidget& chart, const Forecast& forecast, double limit, const QDateTime& now);

} // namespace forecastchart
