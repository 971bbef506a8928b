#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// Tick choice and number text for the chart's axes; pure functions of the ranges, so the
// widget can recompute them from its current size on every paint.
namespace chartaxis {

struct ValueScale {
    double top = 1;  // the axis runs from 0 to top
    double step = 1; // gridline spacing; top is a whole number of steps
};

// The smallest step of 1, 2, 2,5 or 5 × 10^k that reaches a little above `maximum` (and at least
// `floor`) in no more than `maxSteps` steps.
ValueScale valueScale(double maximum, double floor, int maxSteps);

// Decimals needed to write every multiple of `step` exactly (0,25 → 2, 5 → 0), at most 4.
int decimalsFor(double step);

// "0,25": fixed decimals, decimal comma, no grouping, never "-0".
QString valueText(double value, int decimals);

// Minutes between time labels: the shortest of 15, 30 min, 1, 2, 3, 6, 12 h, 1, 2, 7 days
// that leaves `minSpacing` pixels from one label to the next.
int timeStepMinutes(double pixelsPerMinute, double minSpacing);

// No axis gets more ticks or day lines than this: far more than a plot can label, few enough
// to build at once whatever the span.
constexpr int MaxTicks = 1000;

// Moments in [from, to] whose clock time, in the zone of `from`, is a whole multiple of
// `stepMinutes` since midnight (steps of days count from a fixed epoch day), at most `maxCount`
// of them (and at most MaxTicks). A span that would need more (years on one axis) gets
// midnights only, of every d-th day from the epoch day, d the smallest multiple of the step's
// days (or of one day) that keeps within the count. They are found by arithmetic on day
// numbers, never by walking the days.
QList<QDateTime> timeTicks(const QDateTime& from, const QDateTime& to, int stepMinutes,
                           int maxCount = MaxTicks);

// The midnights in (from, to], in the zone of `from`. Over more than `maxCount` (or MaxTicks)
// days, only those of every d-th day from a fixed epoch day, d the smallest that keeps within
// the count.
QList<QDateTime> midnights(const QDateTime& from, const QDateTime& to, int maxCount = MaxTicks);

// `moment` seen in the zone of `reference` (local time, UTC, an offset or a named zone).
QDateTime inZoneOf(const QDateTime& moment, const QDateTime& reference);

// "21:35" in the zone of `reference`, rounded to the nearest minute.
QString clockText(const QDateTime& moment, const QDateTime& reference);

// "9 дек.": the day and short month name in Russian.
QString dateText(QDate date);

} // namespace chartaxis
