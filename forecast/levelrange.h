#pragma once

// A level in promille with its band: `lowest` from the fast-elimination curve, `highest` from
// the slow one.
struct LevelRange {
    double central = 0;
    double lowest = 0;
    double highest = 0;
};
