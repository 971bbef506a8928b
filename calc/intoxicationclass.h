#pragma once

#include <QString>

#include <optional>

// Degree of intoxication for a blood value in promille, with the number of its picture.
struct IntoxicationClass {
    QString text;
    int picture = 0;

    // Both bounds of every range are inclusive. Values in the gaps between ranges (possible
    // only with more than two decimals) and above 5000000 have no class.
    static std::optional<IntoxicationClass> classify(double promille);
};

// The driving verdict: any positive blood value forbids driving.
struct DrivingVerdict {
    QString text;
    bool forbidden = false;

    static DrivingVerdict of(double promille);
};
