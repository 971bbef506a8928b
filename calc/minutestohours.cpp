#include "minutestohours.h"

#include "numbertext.h"

Fixed4 minutesToHours(const QString& hoursText, const QString& minutesText) {
    if (hoursText.isEmpty() || minutesText.isEmpty())
        return Fixed4();
    const Fixed4 hours = numbertext::readFixed4(hoursText);
    const Fixed4 minutes = numbertext::readFixed4(minutesText);
    return (hours + toFixed(minutes.toDouble() / 60)).rounded(2);
}
