#pragma once

#include <QString>

#include <vector>

// A cell of the two rows under the periodic table, snacks and hangover remedies. They are part
// of the picture only: the one remedy that reacts to a click (чефир) is also a PeriodicCell.
struct PeriodicSideCell {
    QString symbol;
    QString name;
    QString efficiency; // as printed; empty where the cell prints no numbers
    QString calories;
};

// 16 cells each, left to right.
const std::vector<PeriodicSideCell>& periodicSnacks();
const std::vector<PeriodicSideCell>& periodicRemedies();
