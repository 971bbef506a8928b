#pragma once

#include "app/chartdescription.h"
#include "forecast/measurement.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class Forecast;
struct EveningCheck;

// What a forecast looks like on a chart: the band, the central curve, the limit and zero lines,
// "сейчас", the marks with their times, the readings and the two axes. The window and its report
// draw the same picture.
namespace forecastchart {

// Each reading is a mark of its own at its level in ‰, labelled with its value as taken, which
// a screen reader hears with its time.
ChartDescription describe(const Forecast& forecast, double limit, const QDateTime& now,
                          const QList<Measurement>& readings = {});
// The forecast of a check that holds one, against its limit, with its readings.
ChartDescription describe(const EveningCheck& check, const QDateTime& now);

// What a screen reader hears of the chart: the summary's lines with the readings' marks before
// its closing line, the warning, which is heard last.
QString spoken(const QStringList& summary, const ChartDescription& chart);

} // namespace forecastchart
