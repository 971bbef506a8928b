#pragma once

enum class Sex { Male, Female };

// The drinker. Widmark needs only sex and mass; height and age feed body-water models.
struct Person {
    Sex sex = Sex::Male;
    double massKg = 80;
    double heightCm = 175;
    double ageYears = 30;
};
