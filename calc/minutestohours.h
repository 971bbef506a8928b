#pragma once

#include "fixed4.h"

#include <QString>

// Hours and minutes to decimal hours, rounded to two places. An empty entry gives 0; minutes
// above 59, fractions and negatives are taken as they are.
Fixed4 minutesToHours(const QString& hoursText, const QString& minutesText);
