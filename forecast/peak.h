#pragma once

#include "levelrange.h"
#include "timerange.h"

// The highest level of each curve and when it is reached (the first minute, if it is held).
struct Peak {
    LevelRange level;
    TimeRange time;
};
