#pragma once

#include "fixed4.h"

#include <QString>

#include <array>

// Repeated intakes: five slots, each holding blood, urine, total time and remaining time.
struct IntakeSlots {
    static constexpr int Count = 5;

    // Where one calculation's results go.
    enum class Target {
        Normal,  // the ordinary result fields only
        Slot,    // the result fields and then slot `slot` (0-based)
        AllFull, // repeated mode with all five slots filled: nothing can be recorded
        Nothing, // any other combination of filled slots: nothing is written
    };
    struct Choice {
        Target target = Target::Normal;
        int slot = -1;
    };

    // A slot counts as filled when its blood value is not 0 (negative values count).
    static Choice choose(bool repeatedMode, const std::array<double, Count>& slotBlood);

    struct Sums {
        Fixed4 blood;
        Fixed4 urine;
        Fixed4 totalTime;
        Fixed4 remainingTime;
    };
    // Exact column sums; empty slots hold 0 and add nothing.
    static Sums sum(const std::array<Fixed4, Count>& blood, const std::array<Fixed4, Count>& urine,
                    const std::array<Fixed4, Count>& totalTime,
                    const std::array<Fixed4, Count>& remainingTime);

    // The hours prompt: the mode off, the mode just switched on, and after slot k (0-based)
    // received a value.
    static QString promptModeOff();
    static QString promptModeOn();
    static QString promptAfterSlot(int slot);
};
