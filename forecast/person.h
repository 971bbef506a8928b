#pragma once

enum class Sex { Male, Female };

// The drinker. Widmark needs only sex and mass; height (cm) and age (years) feed the models that
// say they need them.
struct Person {
    Sex sex = Sex::Male;
    double massKg = 80;
    double heightCm = 175;
    double ageYears = 30;
};
