#pragma once

#include <QString>

// The units drink-driving laws state their figures in. Each figure is kept as the law writes
// it and converted only when read, so a row can be checked against its source word for word.
enum class LimitUnit {
    // Blood
    GramsPerLitre,               // g/l
    PerMille,                    // ‰; the program reads promille as g/l
    MilligramsPerGram,           // mg/g, promille by mass; read as g/l like ‰
    MilligramsPerMillilitre,     // mg/ml = g/l
    MilligramsPer100Millilitres, // mg/100 ml = 0,01 g/l
    PercentBac,                  // % BAC, g/100 ml = 10 g/l
    // Exhaled air
    MilligramsPerLitreBreath,         // mg/l (also written mg/dm³)
    MicrogramsPerLitreBreath,         // µg/l = 0,001 mg/l
    MicrogramsPer100MillilitresBreath // µg/100 ml = 0,01 mg/l
};

// One legal figure: the number in the law's unit and the year it took effect (0 where the
// source does not date it). `applies` names the drivers it is for when that is narrower than
// the class it is filed under ("водители автобусов").
struct LimitFigure {
    double value = 0;
    LimitUnit unit = LimitUnit::GramsPerLitre;
    int since = 0;
    QString applies;

    bool isBreath() const;
    // g/l of blood for a blood figure, mg/l of exhaled air for a breath figure.
    double normalized() const;
    // The figure as the law writes it: "80 мг/100 мл", "0,08 %".
    QString text() const;
};
