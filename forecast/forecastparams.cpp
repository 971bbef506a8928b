#include "forecastparams.h"

#include <algorithm>
#include <cmath>

namespace {
double within(double value, double fallback, double low, double high) {
    return std::isnan(value) ? fallback : std::clamp(value, low, high);
}
} // namespace

ForecastParams ForecastParams::sanitized() const {
    const ForecastParams defaults;
    ForecastParams p;
    double rates[3] = {within(slowestRate, defaults.slowestRate, MinRate, MaxRate),
                       within(rate, defaults.rate, MinRate, MaxRate),
                       within(fastestRate, defaults.fastestRate, MinRate, MaxRate)};
    std::ranges::sort(rates);
    p.slowestRate = rates[0];
    p.rate = rates[1];
    p.fastestRate = rates[2];
    p.deficit = within(deficit, defaults.deficit, 0, MaxDeficit);
    p.absorptionMinutes =
        within(absorptionMinutes, defaults.absorptionMinutes, 0, MaxAbsorptionMinutes);
    return p;
}
