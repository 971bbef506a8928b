#include "chartdescription.h"

#include "chartaxis.h"

#include <algorithm>
#include <cmath>

namespace {

QString withUnit(const QString& number, const QString& unit) {
    return unit.isEmpty() ? number : number + u' ' + unit;
}

} // namespace

bool ChartDescription::hasData() const {
    return start.isValid() && stepSeconds > 0 && gridSize() > 0;
}

int ChartDescription::gridSize() const {
    qsizetype size = 0;
    for (const Series& s : series)
        size = std::max(size, s.values.size());
    if (band)
        size = std::max({size, band->lower.size(), band->upper.size()});
    return int(size);
}

QDateTime ChartDescription::gridTime(int index) const {
    return start.addSecs(qint64(index) * stepSeconds);
}

double ChartDescription::highestValue() const {
    double maximum = 0;
    const auto include = [&](double value) {
        if (std::isfinite(value))
            maximum = std::max(maximum, value);
    };
    for (const Series& s : series)
        std::for_each(s.values.begin(), s.values.end(), include);
    if (band) {
        std::for_each(band->lower.begin(), band->lower.end(), include);
        std::for_each(band->upper.begin(), band->upper.end(), include);
    }
    for (const LevelLine& line : levelLines)
        include(line.value);
    for (const Mark& mark : marks)
        include(mark.value);
    return maximum;
}

QStringList ChartDescription::readoutLines(int index) const {
    if (!hasData() || series.isEmpty() || index < 0 || index >= series.front().values.size())
        return {};
    const double value = series.front().values[index];
    if (!std::isfinite(value))
        return {};
    const int decimals = std::clamp(valueDecimals, 0, 6);
    QString line = chartaxis::clockText(gridTime(index), start) + u" — "_qs +
                   withUnit(chartaxis::valueText(value, decimals), leftUnit);
    if (hasRightAxis())
        line += u" ("_qs +
                withUnit(chartaxis::valueText(value * rightFactor, decimals), rightUnit) + u')';
    QStringList lines{line};
    if (band && index < band->lower.size() && index < band->upper.size() &&
        std::isfinite(band->lower[index]) && std::isfinite(band->upper[index])) {
        lines.append(u"от "_qs + chartaxis::valueText(band->lower[index], decimals) + u" до "_qs +
                     withUnit(chartaxis::valueText(band->upper[index], decimals), leftUnit));
    }
    return lines;
}

QStringList ChartDescription::spokenMarks() const {
    QStringList lines;
    for (const Mark& mark : marks)
        if (!mark.spoken.isEmpty())
            lines.append(mark.spoken);
    return lines;
}
