#include "forecastchart.h"

#include "app/chartwidget.h"
#include "forecast/forecast.h"
#include "forecast/forecastsummary.h"

namespace forecastchart {

void show(ChartWidget& chart, const Forecast& f, double limit, const QDateTime& now) {
    using forecastsummary::clockText;
    using forecastsummary::levelText;
    chart.clear();
    chart.setGrid(f.start(), 60);
    chart.setBand(ChartWidget::Band{QStringLiteral("диапазон"), f.fastCurve(), f.slowCurve(),
                                    QColor(0x99, 0xBB, 0xEE, 110)});
    chart.setSeries({ChartWidget::Series{QStringLiteral("средняя оценка"), f.centralCurve(),
                                         QColor(0x10, 0x30, 0x90), 2.5, Qt::SolidLine}});
    QList<ChartWidget::LevelLine> lines{
        ChartWidget::LevelLine{0, QStringLiteral("0"), QColor(0x60, 0x60, 0x60), Qt::SolidLine}};
    // A limit of 0 is the zero line itself: "any alcohol" needs no second line.
    if (limit > 0)
        lines.prepend(ChartWidget::LevelLine{
            limit, QStringLiteral("предел ") + levelText(limit) + QStringLiteral(" ‰"),
            QColor(0xC0, 0, 0), Qt::DashDotLine});
    chart.setLevelLines(lines);
    if (now.isValid())
        chart.setTimeLines({ChartWidget::TimeLine{now, QStringLiteral("сейчас"),
                                                  QColor(0x20, 0x80, 0x20), Qt::DotLine}});

    QList<ChartWidget::Mark> marks;
    const Peak peak = f.peak();
    const QDate day = f.start().date();
    marks.append({peak.time.central, peak.level.central,
                  QStringLiteral("пик ") + levelText(peak.level.central) + QStringLiteral(" ‰ в ") +
                      clockText(peak.time.central, day)});
    if (limit > 0)
        if (const auto below = f.fallsTo(limit))
            marks.append({below->central, limit, clockText(below->central, day)});
    if (const auto sober = f.soberAt())
        marks.append({sober->central, 0, clockText(sober->central, day)});
    chart.setMarks(marks);
}

} // namespace forecastchart
