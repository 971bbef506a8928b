#pragma once

#include <QRect>
#include <QString>

#include <vector>

// One clickable cell of the periodic table of drinks: where its transparent click area lies
// over the picture, what the picture prints in it, and what a click does.
struct PeriodicCell {
    enum class Action {
        WritesStrength, // puts `value` into the calculator's strength field and closes the table
        ShowsJoke,      // puts `value` into the description line; the table stays open
    };
    enum class Place {
        Grid,      // a cell of the main grid at `row` (period) and `column`
        Legend,    // the sample cell of the legend block; row and column are 0
        RemedyRow, // a cell of the hangover-remedy row; `column` counts from 1 in that row
    };

    QString label; // control name, "Label1" ...
    Place place = Place::Grid;
    int row = 0;
    int column = 0;
    QRect twips; // click area in the window's client area
    QString symbol;
    QString name;     // empty where the picture prints none
    QString strength; // first printed number, as printed; empty where none
    QString calories; // second printed number, as printed; empty where none
    Action action = Action::WritesStrength;
    // The exact text written into the strength field, or the joke shown.
    QString value;
};

// All 64 cells in the order of their table; the data is fixed at compile time.
const std::vector<PeriodicCell>& periodicCells();
