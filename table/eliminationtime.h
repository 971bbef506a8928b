#pragma once

#include <QString>

#include <optional>

// A time of the main window's table: whole hours and minutes, written "12ч-16мин".
struct EliminationTime {
    int hours = 0;
    int minutes = 0; // 0 to 59

    // Reads "<hours>ч-<minutes>мин": ASCII digits only, no signs, blanks or leading zeros, and
    // minutes from 0 to 59, so that every accepted text is the one text() writes back. Anything
    // else, and a time whose total minutes do not fit in an int, gives nullopt.
    static std::optional<EliminationTime> parse(const QString& text);

    // "<hours>ч-<minutes>мин" without leading zeros.
    QString text() const;

    // Throws ArithmeticError when the total does not fit in an int (never for a parsed time).
    int totalMinutes() const;

    friend bool operator==(const EliminationTime&, const EliminationTime&) = default;
};

// The women's time for a men's time: 1.2 × the men's total minutes, rounded to the nearest
// minute, with the whole hours carried out of the minutes. Throws ArithmeticError when `men`
// is not a valid time (negative, minutes above 59) or the result does not fit.
EliminationTime womenTime(EliminationTime men);

// The same from and to display text; nullopt when `menText` is not a time text.
std::optional<QString> womenTimeText(const QString& menText);
