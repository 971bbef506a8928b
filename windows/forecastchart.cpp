#include "forecastchart.h"

#include "forecast/eveningcheck.h"
#include "forecast/forecast.h"
#include "forecast/forecastsummary.h"
#include "forecast/limit.h"

#include <algorithm>

namespace forecastchart {

ChartDescription describe(const Forecast& f, double limit, const QDateTime& now,
                          const QList<Measurement>& readings) {
    using forecastsummary::clockText;
    using forecastsummary::levelText;
    using Chart = ChartDescription;
    Chart chart;
    chart.leftUnit = QStringLiteral("‰");
    chart.rightUnit = QStringLiteral("мг/л выдох");
    chart.rightFactor = Limit::BreathPerPromille;
    chart.start = f.start();
    chart.stepSeconds = 60;
    chart.band = Chart::Band{forecastsummary::bandLegend(f), f.fastCurve(), f.slowCurve(),
                             QColor(0x99, 0xBB, 0xEE, 110)};
    chart.series = {Chart::Series{QStringLiteral("средняя оценка"), f.centralCurve(),
                                  QColor(0x10, 0x30, 0x90), 2.5, Qt::SolidLine}};
    chart.levelLines = {
        Chart::LevelLine{0, QStringLiteral("0"), QColor(0x60, 0x60, 0x60), Qt::SolidLine}};
    // A limit of 0 is the zero line itself: "any alcohol" needs no second line.
    if (limit > 0)
        chart.levelLines.prepend(Chart::LevelLine{
            limit, QStringLiteral("предел ") + levelText(limit) + QStringLiteral(" ‰"),
            QColor(0xC0, 0, 0), Qt::DashDotLine});
    if (now.isValid())
        chart.timeLines = {
            Chart::TimeLine{now, QStringLiteral("сейчас"), QColor(0x20, 0x80, 0x20), Qt::DotLine}};

    const Peak peak = f.peak();
    // Days are named as seen from now, as the answers name them: past midnight "01:38" is today.
    const QDate day = now.isValid() ? now.date() : f.start().date();
    chart.marks.append({peak.time.central, peak.level.central,
                        QStringLiteral("пик ") + levelText(peak.level.central) +
                            QStringLiteral(" ‰ в ") + clockText(peak.time.central, day)});
    if (limit > 0)
        if (const auto below = f.fallsTo(limit))
            chart.marks.append({below->central, limit, clockText(below->central, day)});
    if (const auto sober = f.soberAt())
        chart.marks.append({sober->central, 0, clockText(sober->central, day)});
    // The readings last, so the answers' labels keep their places.
    for (const Measurement& reading : readings)
        chart.marks.append({reading.at, reading.promille(), reading.valueText(),
                            Chart::Mark::Shape::Circle, QColor(0xE0, 0x6C, 0x00),
                            QStringLiteral("замер"), reading.description(day)});
    return chart;
}

ChartDescription describe(const EveningCheck& check, const QDateTime& now) {
    return describe(*check.forecast, check.limit.effectivePromille(), now, check.readings());
}

QString spoken(const QStringList& summary, const ChartDescription& chart) {
    const qsizetype last = std::max<qsizetype>(0, summary.size() - 1);
    return (summary.mid(0, last) + chart.spokenMarks() + summary.mid(last)).join(u' ');
}

} // namespace forecastchart
