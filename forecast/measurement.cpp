#include "measurement.h"

#include "forecastsummary.h"
#include "limit.h"

#include "calc/numbertext.h"

#include <algorithm>
#include <cmath>

double Measurement::promille() const {
    return kind == Kind::Breath ? Limit::promilleFromBreath(value) : value;
}

QString Measurement::valueText() const {
    if (!std::isfinite(value))
        return {};
    QString number = numbertext::decimalText(value);
    if (!number.contains(u','))
        number += u',';
    while (number.size() - number.indexOf(u',') <= 2)
        number += u'0';
    return number + (kind == Kind::Breath ? QStringLiteral(" мг/л") : QStringLiteral(" ‰"));
}

QString Measurement::description(QDate today) const {
    QString text = QStringLiteral("замер ") + forecastsummary::clockText(at, today) +
                   QStringLiteral(": ") + valueText();
    if (kind == Kind::Breath)
        text +=
            QStringLiteral(" (") + forecastsummary::levelText(promille()) + QStringLiteral(" ‰)");
    return text;
}

QString MeasuredRate::reason() const {
    if (usable())
        return {};
    if (rate <= 0)
        return QStringLiteral("уровень по замерам не падает");
    return QStringLiteral("вне ") + forecastsummary::levelText(Lowest) + u'–' +
           forecastsummary::levelText(Highest) + QStringLiteral(" ‰/ч");
}

std::optional<MeasuredRate> measuredRate(const QList<Measurement>& readings) {
    if (readings.size() < 2)
        return std::nullopt;
    // Hours from the first reading, against the level in promille.
    const QDateTime origin =
        std::min_element(readings.begin(), readings.end(),
                         [](const Measurement& a, const Measurement& b) { return a.at < b.at; })
            ->at;
    const qsizetype n = readings.size();
    double meanT = 0, meanC = 0;
    for (const Measurement& m : readings) {
        meanT += origin.msecsTo(m.at) / 3'600'000.0;
        meanC += m.promille();
    }
    meanT /= double(n);
    meanC /= double(n);
    double stt = 0, stc = 0;
    for (const Measurement& m : readings) {
        const double dt = origin.msecsTo(m.at) / 3'600'000.0 - meanT;
        stt += dt * dt;
        stc += dt * (m.promille() - meanC);
    }
    if (stt <= 0) // every reading at the same moment: no slope
        return std::nullopt;
    const double slope = stc / stt;
    double residuals = 0;
    for (const Measurement& m : readings) {
        const double t = origin.msecsTo(m.at) / 3'600'000.0;
        const double r = m.promille() - (meanC + slope * (t - meanT));
        residuals += r * r;
    }
    // The slope's standard error; two readings fit any line exactly and say nothing of it.
    const double error = n > 2 ? std::sqrt(residuals / double(n - 2) / stt) : 0;
    MeasuredRate out;
    out.rate = -slope;
    out.uncertainty = std::max(error, MeasuredRate::LeastUncertainty);
    out.readings = int(n);
    return out;
}
