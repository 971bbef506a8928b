#pragma once

#include "levelrange.h"

#include <QDateTime>

enum class Verdict {
    Below,     // at or below the limit even with the slowest elimination
    Above,     // above the limit even with the fastest elimination
    Uncertain, // the band straddles the limit
};

// The answer to "may I drive at ЧЧ:ММ?".
struct PlannedCheck {
    QDateTime moment;
    LevelRange level;
    Verdict verdict = Verdict::Below;
};
