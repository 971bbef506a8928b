#pragma once

#include "forecastparams.h"

#include <QString>

#include <optional>

enum class RateField { Slowest, Central, Fastest };

// The three elimination rates read together: either the parameters with the rates set, or the
// field to mark and its problem.
struct RateCheck {
    std::optional<ForecastParams> params;
    RateField field = RateField::Central;
    QString problem;
};
