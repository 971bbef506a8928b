#include "chartaxis.h"

#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>

namespace chartaxis {

namespace {

QDateTime inZone(QDate date, QTime time, const QDateTime& reference) {
    switch (reference.timeSpec()) {
    case Qt::TimeZone:
        return QDateTime(date, time, reference.timeZone());
    case Qt::OffsetFromUTC:
        return QDateTime(date, time, Qt::OffsetFromUTC, reference.offsetFromUtc());
    default:
        return QDateTime(date, time, reference.timeSpec());
    }
}

qint64 floorMod(qint64 a, qint64 b) {
    const qint64 r = a % b;
    return r < 0 ? r + b : r;
}

// Midnights of the days in [firstDay, lastDay] (Julian day numbers) that are multiples of `n`,
// or of the smallest multiple of `n` that leaves at most `maxCount` of them.
QList<QDateTime> everyNthMidnight(qint64 firstDay, qint64 lastDay, qint64 n, int maxCount,
                                  const QDateTime& reference) {
    QList<QDateTime> result;
    if (lastDay < firstDay)
        return result;
    // A stride of d days leaves at most (lastDay − firstDay) / d + 1 of them.
    const qint64 least = (lastDay - firstDay) / maxCount + 1;
    n *= (least + n - 1) / n;
    const qint64 offset = floorMod(firstDay, n);
    for (qint64 day = offset == 0 ? firstDay : firstDay + n - offset; day <= lastDay; day += n) {
        const QDateTime midnight = inZone(QDate::fromJulianDay(day), QTime(0, 0), reference);
        if (midnight.isValid())
            result.append(midnight);
    }
    return result;
}

QLocale russian() {
    QLocale locale(QLocale::Russian, QLocale::Russia);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

ValueScale valueScale(double maximum, double floor, int maxSteps) {
    maxSteps = std::max(1, maxSteps);
    // A little headroom so a peak or a mark does not touch the frame.
    double target = std::max(std::isfinite(maximum) ? maximum * 1.05 : 0.0, floor);
    if (!(target > 0))
        target = 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(target / maxSteps)));
    double step = 10 * magnitude;
    for (const double multiple : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (multiple * magnitude * maxSteps >= target * (1 - 1e-12)) {
            step = multiple * magnitude;
            break;
        }
    }
    const double steps = std::max(1.0, std::ceil(target / step - 1e-9));
    return {steps * step, step};
}

int decimalsFor(double step) {
    for (int decimals = 0; decimals < 4; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled))
            return decimals;
    }
    return 4;
}

QString valueText(double value, int decimals) {
    const double unit = std::pow(10.0, decimals);
    double rounded = std::round(value * unit) / unit;
    if (rounded == 0)
        rounded = 0; // no "-0,00"
    return russian().toString(rounded, 'f', decimals);
}

int timeStepMinutes(double pixelsPerMinute, double minSpacing) {
    static constexpr std::array steps = {15, 30, 60, 120, 180, 360, 720, 1440, 2880, 10080};
    for (const int step : steps) {
        if (step * pixelsPerMinute >= minSpacing)
            return step;
    }
    return steps.back();
}

QList<QDateTime> timeTicks(const QDateTime& from, const QDateTime& to, int stepMinutes,
                           int maxCount) {
    QList<QDateTime> ticks;
    if (!from.isValid() || !to.isValid() || stepMinutes <= 0 || to < from)
        return ticks;
    maxCount = std::clamp(maxCount, 1, MaxTicks);
    const QDateTime first = inZoneOf(from, from);
    const QDateTime last = inZoneOf(to, from);
    const qint64 firstDay = first.date().toJulianDay();
    const qint64 lastDay = last.date().toJulianDay();
    const auto keepInRange = [&] {
        // A clock time skipped by a daylight-saving change lands on a neighbour; drop repeats.
        ticks.erase(std::remove_if(ticks.begin(), ticks.end(),
                                   [&](const QDateTime& t) { return t < from || t > to; }),
                    ticks.end());
        ticks.erase(std::unique(ticks.begin(), ticks.end()), ticks.end());
    };
    if (stepMinutes >= 1440) {
        ticks = everyNthMidnight(firstDay, lastDay, stepMinutes / 1440, maxCount, from);
        keepInRange();
        return ticks;
    }
    // Wall-clock minutes: a daylight-saving change moves them by an hour at most.
    const qint64 minutes = (lastDay - firstDay) * 1440 +
                           last.time().msecsSinceStartOfDay() / 60000 -
                           first.time().msecsSinceStartOfDay() / 60000;
    if (minutes / stepMinutes <= MaxTicks) {
        for (QDate date = first.date(); date <= last.date(); date = date.addDays(1)) {
            // Only the clock times near the range: building a local time is not free.
            const int begin = date == first.date()
                                  ? first.time().msecsSinceStartOfDay() / 60000 - stepMinutes
                                  : 0;
            const int end = date == last.date()
                                ? last.time().msecsSinceStartOfDay() / 60000 + stepMinutes
                                : 1440;
            for (int minute = std::max(0, begin - begin % stepMinutes);
                 minute < std::min(end, 1440); minute += stepMinutes)
                ticks.append(inZone(date, QTime(minute / 60, minute % 60), from));
        }
        keepInRange();
        if (ticks.size() <= maxCount)
            return ticks;
    }
    ticks = everyNthMidnight(firstDay, lastDay, 1, maxCount, from);
    keepInRange();
    return ticks;
}

QList<QDateTime> midnights(const QDateTime& from, const QDateTime& to, int maxCount) {
    if (!from.isValid() || !to.isValid())
        return {};
    return everyNthMidnight(inZoneOf(from, from).date().toJulianDay() + 1,
                            inZoneOf(to, from).date().toJulianDay(), 1,
                            std::clamp(maxCount, 1, MaxTicks), from);
}

QDateTime inZoneOf(const QDateTime& moment, const QDateTime& reference) {
    switch (reference.timeSpec()) {
    case Qt::TimeZone:
        return moment.toTimeZone(reference.timeZone());
    case Qt::OffsetFromUTC:
        return moment.toOffsetFromUtc(reference.offsetFromUtc());
    default:
        return moment.toTimeSpec(reference.timeSpec());
    }
}

QString clockText(const QDateTime& moment, const QDateTime& reference) {
    return inZoneOf(moment.addSecs(30), reference).time().toString(u"HH:mm"_qs);
}

QString dateText(QDate date) {
    return QLocale(QLocale::Russian, QLocale::Russia).toString(date, u"d MMM"_qs);
}

} // namespace chartaxis
