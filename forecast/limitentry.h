#pragma once

#include "limit.h"
#include "limitfigure.h"

#include <QString>

#include <optional>

// Whose limit the window asks for. Classes without a figure of their own in an entry fall back
// to the general one.
enum class DriverClass { General, Novice, Professional };

// One row of the country table: a jurisdiction's figures as its law states them and where
// they come from.
struct LimitEntry {
    QString id;      // stable: ISO 3166 code, a subdivision code where a country has two laws
    QString country; // Russian, as the window lists it
    LimitFigure general;
    std::optional<LimitFigure> breath; // only where the law states its own breath figure
    std::optional<LimitFigure> novice;
    std::optional<LimitFigure> professional;
    QString source; // the law, article or maintained table

    // The latest year among the figures: the table row as a whole holds since then.
    int since() const;

    // The blood figure that binds a driver of this class.
    const LimitFigure& bloodFigure(DriverClass driver) const;

    // A class's own figure stands alone: the general breath figure is a different legal
    // threshold and does not carry over to it.
    Limit limit(DriverClass driver) const;
};
