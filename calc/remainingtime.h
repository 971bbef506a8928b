#pragma once

#include <QString>

#include <optional>

// The time still to wait, split from its decimal-hours text ("3,45" → 3 hours 27 minutes).
struct RemainingTime {
    QString hours;
    QString minutes;

    // The hours are the text before the comma; the minutes are the fraction after it times 60,
    // rounded to even. A time of 0 or less is 0 hours 0 minutes. A text that is not a number
    // gives nothing.
    static std::optional<RemainingTime> split(const QString& decimalHours);

    QString sentence() const; // "Осталось подождать: 3 час 27 мин"
};
